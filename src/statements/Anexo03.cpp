#include "statements/Anexo03.h"
#include "budget/Receita.h"
#include "core/Banco.h"

#include <QDate>
#include <QHash>
#include <QSqlQuery>

namespace {
const QString Total = QStringLiteral("TOT");
const QString Anterior = QStringLiteral("PA");

// One value of a line: its row for the key deleted, then inserted again.
void gravaValor(const Banco& banco, const QString& campo, const QString& chave, Moeda valor)
{
    banco.executa(QStringLiteral("DELETE FROM tabAnexo03Movimento WHERE campo = ? AND anomes = ?"), {campo, chave});
    banco.executa(QStringLiteral("INSERT INTO tabAnexo03Movimento (campo, anomes, valor) VALUES (?, ?, ?)"),
                  {campo, chave, qlonglong(valor.decimos())});
}

Moeda somaMeses(const LinhaAnexo03& l)
{
    Moeda s;
    for (const Moeda& m : l.meses)
        s += m;
    return s;
}

// One column of values (a month or PA): each group line is the sum of the typed lines whose
// code begins with its own (typed lines only, so nested groups never count a value twice);
// then line "3" is line "1" minus line "2", a negative RCL kept as it is. Returns the lines
// it changed.
template <class Celula>
std::vector<int> calculaColuna(std::vector<LinhaAnexo03>& linhas, Celula celula)
{
    std::vector<int> mudadas;
    for (int g = 0; g < int(linhas.size()); ++g) {
        if (!linhas[g].grupo)
            continue;
        Moeda soma;
        for (const LinhaAnexo03& l : linhas)
            if (!l.calculada() && l.campo.startsWith(linhas[g].campo))
                soma += celula(l);
        celula(linhas[g]) = soma;
        mudadas.push_back(g);
    }
    const auto valorDe = [&](const QString& campo) {
        for (const LinhaAnexo03& l : linhas)
            if (l.campo == campo)
                return celula(l);
        return Moeda();
    };
    for (int r = 0; r < int(linhas.size()); ++r)
        if (linhas[r].campo == CampoRcl) {
            celula(linhas[r]) = valorDe(QStringLiteral("1")) - valorDe(QStringLiteral("2"));
            mudadas.push_back(r);
        }
    return mudadas;
}
} // namespace

std::vector<MesAnexo03> JanelaAnexo03(const QString& periodo)
{
    bool anoOk = false, bimOk = false;
    const int ano = periodo.left(4).toInt(&anoOk);
    const int bim = periodo.mid(4, 2).toInt(&bimOk);
    if (periodo.size() != 6 || !anoOk || !bimOk || bim < 1 || bim > 6)
        return {};
    const QDate ultimo(ano, 2 * bim, 1);
    std::vector<MesAnexo03> meses;
    for (int i = MesesAnexo03 - 1; i >= 0; --i) {
        const QDate d = ultimo.addMonths(-i);
        const QString mes = QStringLiteral("%1").arg(d.month(), 2, 10, QLatin1Char('0'));
        const QString a = QString::number(d.year());
        meses.push_back({mes + a, mes + u'/' + a});
    }
    return meses;
}

Anexo03::Anexo03(Contexto& ctx) : ctx_(ctx) {}

void Anexo03::carrega()
{
    std::vector<MesAnexo03> meses = JanelaAnexo03(ctx_.BimReferencia);
    std::vector<LinhaAnexo03> linhas;
    const QString bimestre = meses.empty() ? QString() : ctx_.BimReferencia.mid(4, 2);
    if (!meses.empty()) {
        const Banco& banco = ctx_.BancoOrgao;
        QSqlQuery q = banco.executa(QStringLiteral("SELECT campo, descricao, grupo FROM tabAnexo03Campos "
                                                   "WHERE esfera IN ('EM', ?) ORDER BY campo"),
                                    {ReceitaMunicipal(ctx_) ? QStringLiteral("M") : QStringLiteral("E")});
        QHash<QString, int> linhaDe;
        while (q.next()) {
            linhaDe.insert(q.value(0).toString().toUpper(), int(linhas.size()));
            linhas.push_back({.campo = q.value(0).toString(), .descricao = q.value(1).toString(), .grupo = q.value(2).toBool()});
        }

        // The window's months, the total and PA: one read by key; a value missing reads 0.
        QHash<QString, int> colunaDe; // 0..11 the months, 12 the total, 13 PA
        QVariantList chaves;
        for (int m = 0; m < MesesAnexo03; ++m) {
            colunaDe.insert(meses[size_t(m)].chave, m);
            chaves.append(meses[size_t(m)].chave);
        }
        colunaDe.insert(Total + bimestre, MesesAnexo03);
        colunaDe.insert(Anterior + bimestre, MesesAnexo03 + 1);
        chaves << Total + bimestre << Anterior + bimestre;
        QStringList marcas;
        for (int i = 0; i < chaves.size(); ++i)
            marcas.append(QStringLiteral("?"));
        q = banco.executa(QStringLiteral("SELECT campo, anomes, valor FROM tabAnexo03Movimento WHERE anomes IN (%1)")
                              .arg(marcas.join(u',')),
                          chaves);
        while (q.next()) {
            const int l = linhaDe.value(q.value(0).toString().toUpper(), -1);
            const int c = colunaDe.value(q.value(1).toString().toUpper(), -1);
            if (l < 0 || c < 0)
                continue;
            const Moeda v = Moeda::deDecimos(q.value(2).toLongLong());
            LinhaAnexo03& linha = linhas[size_t(l)];
            (c < MesesAnexo03 ? linha.meses[size_t(c)] : c == MesesAnexo03 ? linha.total : linha.pa) = v;
        }

        // The totals follow the window: each line's is the sum of its twelve months.
        Transacao t(banco);
        for (LinhaAnexo03& l : linhas) {
            l.total = somaMeses(l);
            gravaValor(banco, l.campo, Total + bimestre, l.total);
        }
        t.confirma();
    }
    meses_ = std::move(meses);
    linhas_ = std::move(linhas);
    bimestre_ = bimestre;
}

bool Anexo03::abre()
{
    try {
        carrega();
        return true;
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível abrir o Anexo 03."), e.falha());
        return false;
    }
}

bool Anexo03::mesDigitavel(int mes) const
{
    if (mes < 0 || mes >= int(meses_.size()))
        return false;
    return bimestre_ == QStringLiteral("01") || mes >= MesesAnexo03 - 2;
}

bool Anexo03::linhaDigitavel(int linha) const
{
    return linha >= 0 && linha < int(linhas_.size()) && !linhas_[size_t(linha)].calculada();
}

int Anexo03::linhaDoCampo(const QString& campo) const
{
    for (int i = 0; i < int(linhas_.size()); ++i)
        if (linhas_[size_t(i)].campo == campo)
            return i;
    return -1;
}

bool Anexo03::gravaMes(int linha, int mes, Moeda valor) { return mesDigitavel(mes) && grava(linha, mes, valor); }

bool Anexo03::gravaPA(int linha, Moeda valor) { return !meses_.empty() && grava(linha, -1, valor); }

bool Anexo03::grava(int linha, int mes, Moeda valor)
{
    if (!linhaDigitavel(linha))
        return false;
    std::vector<LinhaAnexo03> novas = linhas_;
    const auto celula = [mes](auto& l) -> auto& { return mes < 0 ? l.pa : l.meses[size_t(mes)]; };
    celula(novas[size_t(linha)]) = valor;
    std::vector<int> mudadas = calculaColuna(novas, celula);
    mudadas.push_back(linha);
    const QString chave = mes < 0 ? Anterior + bimestre_ : meses_[size_t(mes)].chave;
    try {
        const Banco& banco = ctx_.BancoOrgao;
        Transacao t(banco);
        for (const int i : mudadas) {
            LinhaAnexo03& l = novas[size_t(i)];
            gravaValor(banco, l.campo, chave, celula(l));
            if (mes >= 0) {
                l.total = somaMeses(l);
                gravaValor(banco, l.campo, Total + bimestre_, l.total);
            }
        }
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível gravar o valor do Anexo 03."), e.falha());
        return false;
    }
    linhas_ = std::move(novas);
    return true;
}

TabelaDemonstrativo TabelaAnexo03(Contexto& ctx)
{
    Anexo03 a(ctx);
    a.carrega();
    TabelaDemonstrativo t{.titulo = TituloAnexo03, .cabecalho = {TituloColunaLinhasAnexo03}, .linhas = {}};
    for (const MesAnexo03& m : a.meses())
        t.cabecalho.append(m.titulo);
    t.cabecalho << TituloTotalAnexo03 << TituloPAAnexo03;
    for (const LinhaAnexo03& l : a.linhas()) {
        QStringList textos{l.descricao};
        for (const Moeda& m : l.meses)
            textos.append(m.formata());
        textos << l.total.formata() << l.pa.formata();
        t.linhas.append(textos);
    }
    return t;
}
