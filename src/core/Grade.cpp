#include "core/Grade.h"
#include "core/Conversoes.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <stdexcept>

namespace {
bool branco(const QVariant& v) { return v.isNull() || !v.isValid() || v.toString().trimmed().isEmpty(); }

// Values read back compare equal to what was typed whatever type the driver returned.
bool mesmoValor(const QVariant& a, const QVariant& b)
{
    if (branco(a) || branco(b))
        return branco(a) && branco(b);
    return a.toString() == b.toString();
}
} // namespace

Grade::Grade(Contexto& ctx, DefinicaoGrade definicao) : ctx_(ctx), def_(std::move(definicao))
{
    if (def_.chave.isEmpty() && !def_.identificador.isEmpty())
        def_.chave = QStringList{def_.identificador};
    for (const QString& k : def_.chave)
        if (indice(k) < 0)
            throw std::logic_error("key column missing from the grid: " + k.toStdString());
}

int Grade::indice(const QString& campo) const
{
    for (int c = 0; c < colunas(); ++c)
        if (def_.colunas[c].campo.compare(campo, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

bool Grade::ehPeriodo(int c) const
{
    return !def_.colunaPeriodo.isEmpty() && def_.colunas[c].campo.compare(def_.colunaPeriodo, Qt::CaseInsensitive) == 0;
}

bool Grade::ehChave(int c) const { return def_.chave.contains(def_.colunas[c].campo, Qt::CaseInsensitive); }

QVariant Grade::valor(int linha, int coluna) const { return linhas_[linha].valores.value(coluna); }

QVariant Grade::valor(int linha, const QString& campo) const
{
    const int c = indice(campo);
    return c < 0 ? QVariant() : valor(linha, c);
}

QString Grade::textoDoValor(const QVariant& v, FormatoColuna formato)
{
    if (branco(v))
        return {};
    switch (formato) {
    case FormatoColuna::Valor:
        return Moeda::deDecimos(v.toLongLong()).formata();
    case FormatoColuna::Decimal:
        return QString::number(v.toDouble(), 'g', 15).replace(u'.', u',');
    case FormatoColuna::Inteiro:
        return QString::number(v.toLongLong());
    case FormatoColuna::Texto:
    case FormatoColuna::Data:
        break;
    }
    return v.toString();
}

QString Grade::texto(int linha, int coluna) const { return textoDoValor(valor(linha, coluna), def_.colunas[coluna].formato); }

bool Grade::podeIncluir() const { return def_.colunaPeriodo.isEmpty() || !ctx_.BimReferencia.isEmpty(); }

bool Grade::somenteLeitura(int linha) const
{
    return !def_.colunaPeriodo.isEmpty() && linhas_[linha].periodo != ctx_.BimReferencia;
}

bool Grade::colunaDigitavel(int coluna) const
{
    const ColunaGrade& c = def_.colunas[coluna];
    return !c.somenteLeitura() && !ehPeriodo(coluna) && c.campo.compare(def_.identificador, Qt::CaseInsensitive) != 0;
}

bool Grade::editavel(int linha, int coluna) const
{
    if (somenteLeitura(linha) || !colunaDigitavel(coluna))
        return false;
    // The key of a stored row is never rewritten: UPDATE and DELETE address the row by it.
    return !(ehChave(coluna) && linhas_[linha].estado != Estado::Nova);
}

int Grade::linhaPendente() const
{
    for (int l = 0; l < linhas(); ++l)
        if (pendente(l))
            return l;
    return -1;
}

bool Grade::PreencheGrid()
{
    ObservadorGrade& o = obs_ ? *obs_ : nenhum_;
    o.inicioRecarga();
    linhas_.clear();
    bool ok = true;
    if (podeIncluir()) {
        QStringList campos;
        for (const ColunaGrade& c : def_.colunas)
            campos << (c.expressao.isEmpty() ? QStringLiteral("t.") + c.campo
                                             : u'(' + c.expressao + QStringLiteral(") AS ") + c.campo);
        QString sql = QStringLiteral("SELECT ") + campos.join(QStringLiteral(", "));
        QVariantList valores;
        if (!def_.colunaPeriodo.isEmpty()) {
            sql += QStringLiteral(", t.%1 FROM %2 t WHERE t.%1 %3 ?")
                       .arg(def_.colunaPeriodo, def_.tabela, def_.listaAnteriores ? QStringLiteral("<=") : QStringLiteral("="));
            valores << ctx_.BimReferencia;
        } else {
            sql += QStringLiteral(" FROM %1 t").arg(def_.tabela);
        }
        if (!def_.ordem.isEmpty())
            sql += QStringLiteral(" ORDER BY ") + def_.ordem;
        try {
            QSqlQuery q = ctx_.BancoOrgao.executa(sql, valores);
            while (q.next()) {
                Linha l;
                for (int c = 0; c < colunas(); ++c)
                    l.valores << (q.isNull(c) ? QVariant() : q.value(c));
                l.originais = l.valores;
                l.periodo = def_.colunaPeriodo.isEmpty() ? QString() : q.value(colunas()).toString();
                l.estado = Estado::Gravada;
                linhas_.push_back(std::move(l));
            }
        } catch (const ErroBanco& e) {
            linhas_.clear();
            MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível listar os registros."), e.falha());
            ok = false;
        }
    }
    o.fimRecarga();
    return ok;
}

int Grade::novaLinha()
{
    if (!podeIncluir())
        return -1;
    ObservadorGrade& o = obs_ ? *obs_ : nenhum_;
    const int l = linhas();
    o.inicioInclusao(l);
    Linha nova;
    for (int c = 0; c < colunas(); ++c)
        nova.valores << QVariant();
    nova.originais = nova.valores;
    nova.periodo = ctx_.BimReferencia;
    if (const int p = def_.colunaPeriodo.isEmpty() ? -1 : indice(def_.colunaPeriodo); p >= 0)
        nova.valores[p] = ctx_.BimReferencia;
    linhas_.push_back(std::move(nova));
    o.fimInclusao();
    return l;
}

QVariant Grade::deTexto(int coluna, const QString& texto) const
{
    const ColunaGrade& c = def_.colunas[coluna];
    if (texto.trimmed().isEmpty())
        return {};
    switch (c.formato) {
    case FormatoColuna::Texto:
        return c.tamanhoMaximo > 0 ? texto.left(c.tamanhoMaximo) : texto;
    case FormatoColuna::Valor: {
        const auto v = Moeda::deTexto(texto);
        return v ? QVariant(qlonglong(v->decimos())) : QVariant();
    }
    case FormatoColuna::Data:
        return FormataData(ctx_.interacao(), texto);
    case FormatoColuna::Inteiro: {
        bool ok = false;
        const qlonglong n = texto.trimmed().toLongLong(&ok);
        return ok ? QVariant(n) : QVariant();
    }
    case FormatoColuna::Decimal: {
        bool ok = false;
        const double d = QString(texto).remove(u'.').replace(u',', u'.').trimmed().toDouble(&ok);
        return ok ? QVariant(d) : QVariant();
    }
    }
    return {};
}

bool Grade::defineTexto(int linha, int coluna, const QString& texto)
{
    if (!editavel(linha, coluna))
        return false;
    const QVariant novo = deTexto(coluna, texto);
    if (mesmoValor(novo, linhas_[linha].valores[coluna]))
        return true;
    defineValor(linha, coluna, novo);
    if (def_.aposAlterar)
        def_.aposAlterar(*this, linha, coluna);
    return true;
}

void Grade::defineValor(int linha, int coluna, const QVariant& v)
{
    Linha& l = linhas_[linha];
    l.valores[coluna] = v;
    if (l.estado != Estado::Nova) {
        bool igual = true;
        for (int c = 0; c < colunas() && igual; ++c)
            igual = mesmoValor(l.valores[c], l.originais[c]);
        l.estado = igual ? Estado::Gravada : Estado::Alterada;
    }
    if (obs_)
        obs_->linhaMudou(linha);
}

void Grade::defineValor(int linha, const QString& campo, const QVariant& v)
{
    if (const int c = indice(campo); c >= 0)
        defineValor(linha, c, v);
}

bool Grade::vazia(const Linha& l) const
{
    for (int c = 0; c < colunas(); ++c)
        if (!ehPeriodo(c) && !branco(l.valores[c]))
            return false;
    return true;
}

QVariant Grade::valorGravado(int coluna, const QVariant& v) const
{
    if (branco(v))
        return QVariant();
    const ColunaGrade& c = def_.colunas[coluna];
    return c.paraGravar ? c.paraGravar(v) : v;
}

QString Grade::ondeLinha(const Linha& l, QVariantList& valores) const
{
    QStringList condicoes;
    if (!def_.colunaPeriodo.isEmpty()) {
        condicoes << def_.colunaPeriodo + QStringLiteral(" = ?");
        valores << l.periodo;
    }
    for (const QString& k : def_.chave) {
        const int c = indice(k);
        condicoes << k + QStringLiteral(" = ?");
        valores << valorGravado(c, l.originais[c]);
    }
    return QStringLiteral(" WHERE ") + condicoes.join(QStringLiteral(" AND "));
}

void Grade::insere(Linha& l)
{
    QStringList campos;
    QVariantList valores;
    if (!def_.colunaPeriodo.isEmpty()) {
        campos << def_.colunaPeriodo;
        valores << ctx_.BimReferencia;
    }
    if (!def_.identificador.isEmpty()) {
        const int id = ProximoCodigo(ctx_.BancoOrgao, def_.tabela, def_.identificador);
        if (id <= 0)
            throw ErroBanco({def_.tabela, 0, QStringLiteral("Não foi possível obter o próximo código.")});
        campos << def_.identificador;
        valores << id;
        if (const int c = indice(def_.identificador); c >= 0)
            l.valores[c] = id;
    }
    for (int c = 0; c < colunas(); ++c) {
        const ColunaGrade& col = def_.colunas[c];
        if (!col.gravada || ehPeriodo(c) || col.campo.compare(def_.identificador, Qt::CaseInsensitive) == 0)
            continue;
        campos << col.campo;
        valores << valorGravado(c, l.valores[c]);
    }
    QStringList marcas;
    for (qsizetype i = 0; i < campos.size(); ++i)
        marcas << QStringLiteral("?");
    ctx_.BancoOrgao.executa(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(def_.tabela, campos.join(u','), marcas.join(u',')),
                            valores);
}

void Grade::atualiza(const Linha& l)
{
    QStringList atribuicoes;
    QVariantList valores;
    for (int c = 0; c < colunas(); ++c) {
        const ColunaGrade& col = def_.colunas[c];
        if (!col.gravada || ehPeriodo(c) || ehChave(c) || col.campo.compare(def_.identificador, Qt::CaseInsensitive) == 0)
            continue;
        atribuicoes << col.campo + QStringLiteral(" = ?");
        valores << valorGravado(c, l.valores[c]);
    }
    if (atribuicoes.isEmpty())
        return;
    const QString onde = ondeLinha(l, valores);
    ctx_.BancoOrgao.executa(QStringLiteral("UPDATE %1 SET %2").arg(def_.tabela, atribuicoes.join(QStringLiteral(", "))) + onde,
                            valores);
}

bool Grade::gravaLinha(int linha)
{
    Linha& l = linhas_[linha];
    if (l.estado == Estado::Gravada)
        return true;
    if (l.estado == Estado::Nova && vazia(l)) {
        remove(linha);
        return true;
    }
    Interacao& ui = ctx_.interacao();
    for (int c = 0; c < colunas(); ++c)
        if (def_.colunas[c].tipo == TipoColuna::Obrigatoria && branco(l.valores[c])) {
            MostraAviso(ui, def_.mensagemObrigatorio);
            return false;
        }
    try {
        if (l.estado == Estado::Nova && !def_.mensagemDuplicada.isEmpty()) {
            QStringList condicoes;
            QVariantList valores;
            if (!def_.colunaPeriodo.isEmpty()) {
                condicoes << def_.colunaPeriodo + QStringLiteral(" = ?");
                valores << ctx_.BimReferencia;
            }
            for (const QString& k : def_.chave) {
                if (k.compare(def_.identificador, Qt::CaseInsensitive) == 0)
                    continue;
                const int c = indice(k);
                condicoes << k + QStringLiteral(" = ?");
                valores << valorGravado(c, l.valores[c]);
            }
            if (valores.size() > (def_.colunaPeriodo.isEmpty() ? 0 : 1)
                && ctx_.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM %1 WHERE ").arg(def_.tabela)
                                              + condicoes.join(QStringLiteral(" AND ")),
                                          valores)) {
                MostraAviso(ui, def_.mensagemDuplicada);
                return false;
            }
        }
        if (def_.antesGravar)
            if (const Recusa r = def_.antesGravar(*this, linha)) {
                if (!r->isEmpty())
                    MostraAviso(ui, *r);
                return false;
            }
        Linha gravada = linhas_[linha]; // the callback may have filled cells
        Transacao t(ctx_.BancoOrgao);
        if (gravada.estado == Estado::Nova)
            insere(gravada);
        else
            atualiza(gravada);
        t.confirma();
        gravada.originais = gravada.valores;
        gravada.estado = Estado::Gravada;
        linhas_[linha] = std::move(gravada);
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Não foi possível gravar a linha."), e.falha());
        return false;
    }
    if (obs_)
        obs_->linhaMudou(linha);
    return true;
}

void Grade::remove(int linha)
{
    ObservadorGrade& o = obs_ ? *obs_ : nenhum_;
    o.inicioRemocao(linha);
    linhas_.erase(linhas_.begin() + linha);
    o.fimRemocao();
}

void Grade::cancelaLinha(int linha)
{
    Linha& l = linhas_[linha];
    if (l.estado == Estado::Nova) {
        remove(linha);
        return;
    }
    l.valores = l.originais;
    l.estado = Estado::Gravada;
    if (obs_)
        obs_->linhaMudou(linha);
}

bool Grade::excluiLinha(int linha)
{
    if (somenteLeitura(linha))
        return false;
    if (linhas_[linha].estado == Estado::Nova) {
        remove(linha);
        return true;
    }
    Interacao& ui = ctx_.interacao();
    if (def_.antesExcluir)
        if (const Recusa r = def_.antesExcluir(*this, linha)) {
            if (!r->isEmpty())
                MostraAviso(ui, *r);
            return false;
        }
    if (!ui.pergunta(TituloAtencao, PerguntaExclusaoLinha))
        return false;
    try {
        QVariantList valores;
        const QString onde = ondeLinha(linhas_[linha], valores);
        Transacao t(ctx_.BancoOrgao);
        ctx_.BancoOrgao.executa(QStringLiteral("DELETE FROM ") + def_.tabela + onde, valores);
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Não foi possível excluir a linha."), e.falha());
        return false;
    }
    remove(linha);
    return true;
}

QString Grade::periodoAnterior() const
{
    if (ctx_.BimReferencia.isEmpty())
        return {};
    return QString::number(ctx_.BimReferencia.toLongLong() - 1);
}

bool Grade::copiaBimestreAnterior()
{
    if (def_.colunaPeriodo.isEmpty() || ctx_.BimReferencia.isEmpty())
        return false;
    Interacao& ui = ctx_.interacao();
    const Banco& banco = ctx_.BancoOrgao;
    const QString& periodo = def_.colunaPeriodo;
    try {
        const QString anterior = def_.copiaUltimoAnterior
            ? TextoDoCampo(banco.valor(QStringLiteral("SELECT max(%1) FROM %2 WHERE %1 < ?").arg(periodo, def_.tabela),
                                       {ctx_.BimReferencia}))
            : periodoAnterior();
        const auto temLinhas = [&](const QString& p) {
            return banco.existe(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(def_.tabela, periodo), {p});
        };
        if (anterior.isEmpty() || !temLinhas(anterior)) {
            if (!def_.mensagemSemAnterior.isEmpty())
                MostraAviso(ui, def_.mensagemSemAnterior);
            return false;
        }
        // Nothing is lost when the open period is still empty: no question then.
        if (def_.modoCopia == DefinicaoGrade::Copia::Substitui && temLinhas(ctx_.BimReferencia)
            && !ui.pergunta(TituloAtencao, def_.perguntaCopia))
            return false;
        ui.cursorOcupado();
        copia(anterior);
        ui.cursorNormal();
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Não foi possível copiar os registros do bimestre anterior."), e.falha());
        PreencheGrid();
        return false;
    }
    if (!def_.mensagemCopiaFeita.isEmpty())
        MostraAviso(ui, def_.mensagemCopiaFeita);
    PreencheGrid();
    return true;
}

bool Grade::copia(const QString& anterior)
{
    const Banco& banco = ctx_.BancoOrgao;
    const QString& periodo = def_.colunaPeriodo;
    // Every column of the table is carried, also those the grid does not show.
    QStringList campos;
    {
        QSqlQuery q = banco.executa(QStringLiteral("PRAGMA table_info(%1)").arg(def_.tabela));
        while (q.next()) {
            const QString nome = q.value(1).toString();
            if (nome.compare(periodo, Qt::CaseInsensitive) != 0
                && nome.compare(def_.identificador, Qt::CaseInsensitive) != 0)
                campos << nome;
        }
    }
    QStringList chaveSemId;
    for (const QString& k : def_.chave)
        if (k.compare(def_.identificador, Qt::CaseInsensitive) != 0)
            chaveSemId << k;

    Transacao t(banco);
    if (def_.modoCopia == DefinicaoGrade::Copia::Substitui)
        banco.executa(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(def_.tabela, periodo), {ctx_.BimReferencia});

    QSqlQuery origem = banco.executa(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                         .arg(campos.join(u','), def_.tabela, periodo),
                                     {anterior});
    std::vector<QVariantList> linhasAnteriores;
    while (origem.next()) {
        QVariantList v;
        for (int i = 0; i < campos.size(); ++i)
            v << origem.value(i);
        linhasAnteriores.push_back(std::move(v));
    }
    for (const QVariantList& v : linhasAnteriores) {
        if (def_.modoCopia == DefinicaoGrade::Copia::Completa && !chaveSemId.isEmpty()) {
            QStringList condicoes{periodo + QStringLiteral(" = ?")};
            QVariantList valores{ctx_.BimReferencia};
            for (const QString& k : chaveSemId) {
                condicoes << k + QStringLiteral(" = ?");
                valores << v.value(int(campos.indexOf(QRegularExpression(
                    QRegularExpression::anchoredPattern(QRegularExpression::escape(k)),
                    QRegularExpression::CaseInsensitiveOption))));
            }
            if (banco.existe(QStringLiteral("SELECT 1 FROM %1 WHERE ").arg(def_.tabela) + condicoes.join(QStringLiteral(" AND ")),
                             valores))
                continue;
        }
        QStringList nomes{periodo};
        QVariantList valores{ctx_.BimReferencia};
        if (!def_.identificador.isEmpty()) {
            nomes << def_.identificador;
            valores << ProximoCodigo(banco, def_.tabela, def_.identificador);
        }
        nomes << campos;
        valores << v;
        QStringList marcas;
        for (qsizetype i = 0; i < nomes.size(); ++i)
            marcas << QStringLiteral("?");
        banco.executa(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(def_.tabela, nomes.join(u','), marcas.join(u',')),
                      valores);
    }
    t.confirma();
    return true;
}
