#include "reports/Motor.h"
#include "core/Banco.h"
#include "core/Conversoes.h"
#include "core/Interacao.h"
#include "core/Moeda.h"
#include "reports/Selecao.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlQuery>
#include <QSqlError>
#include <cmath>
#include <xlsxwriter.h>

namespace {

bool ehNumerica(FormatoColuna f) { return f == FormatoColuna::Moeda || f == FormatoColuna::Inteiro || f == FormatoColuna::Numero; }

// A money value read from the database in ten-thousandths, whatever the column keeps.
QVariant paraDecimos(const QVariant& v, qint64 escala)
{
    if (v.isNull())
        return v;
    if (v.typeId() == QMetaType::Double)
        return qlonglong(std::llround(v.toDouble() * double(Moeda::Escala) / double(escala)));
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (ok)
        return escala == Moeda::Escala ? n : qlonglong(n * (Moeda::Escala / escala));
    // Text that holds a number ("1234.50") is read as reais at the column's scale.
    const double d = v.toString().toDouble(&ok);
    return ok ? QVariant(qlonglong(std::llround(d * double(Moeda::Escala) / double(escala)))) : QVariant();
}

QString agrupaMilhares(qlonglong n)
{
    QString digitos = QString::number(n < 0 ? -n : n);
    for (qsizetype i = digitos.size() - 3; i > 0; i -= 3)
        digitos.insert(i, u'.');
    return n < 0 ? u'-' + digitos : digitos;
}

void adicionaTexto(QHash<QString, QString>& textos, const QString& nome, const QString& texto)
{
    textos.insert(nome.trimmed().toLower(), texto);
}

} // namespace

bool LeFormula(const QString& formula, QString& nome, QString& texto)
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(\\(\\s*)?'(.*)'(\\s*\\))?\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(formula);
    if (!m.hasMatch() || m.captured(2).isEmpty() != m.captured(4).isEmpty())
        return false;
    nome = m.captured(1);
    texto = m.captured(3);
    texto.replace(QStringLiteral("''"), QStringLiteral("'"));
    return true;
}

QString DadosRelatorio::expande(const QString& texto) const
{
    if (!texto.contains(u'{'))
        return texto;
    static const QRegularExpression re(QStringLiteral("\\{([A-Za-z_][A-Za-z0-9_]*)\\}"));
    QString r;
    qsizetype ultimo = 0;
    for (auto it = re.globalMatch(texto); it.hasNext();) {
        const auto m = it.next();
        r += texto.mid(ultimo, m.capturedStart() - ultimo);
        const QString nome = m.captured(1).toLower();
        if (nome == QStringLiteral("titulo"))
            r += expande(layout.titulo);
        else
            r += textos.value(nome);
        ultimo = m.capturedEnd();
    }
    return r + texto.mid(ultimo);
}

QString DadosRelatorio::textoDe(size_t c, const QVariant& v) const
{
    if (v.isNull() || !v.isValid())
        return {};
    const ColunaLayout& col = layout.colunas[c];
    switch (col.formato) {
    case FormatoColuna::Moeda:
        return Moeda::deDecimos(v.toLongLong()).formata();
    case FormatoColuna::Inteiro: {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        return ok ? agrupaMilhares(n) : v.toString();
    }
    case FormatoColuna::Numero: {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        return ok ? QString::number(n) : v.toString();
    }
    case FormatoColuna::Data: {
        const QString t = v.toString().trimmed();
        static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})"));
        const auto m = iso.match(t);
        return m.hasMatch() ? m.captured(3) + u'/' + m.captured(2) + u'/' + m.captured(1) : t;
    }
    case FormatoColuna::Periodo: {
        const QString t = v.toString().trimmed();
        return t.size() == 6 ? PeriodoFormatado(t) : t;
    }
    case FormatoColuna::Texto:
        break;
    }
    return v.toString();
}

DadosRelatorio CarregaRelatorio(const Banco& banco, const PedidoRelatorio& pedido)
{
    DadosRelatorio d;
    d.layout = LeLayout(pedido.arquivo);
    const Layout& l = d.layout;

    for (const QString& f : pedido.formulas) {
        QString nome, texto;
        if (!LeFormula(f, nome, texto))
            throw ErroRelatorio(QStringLiteral("Fórmula inválida para o relatório %1: %2").arg(l.arquivo, f));
        adicionaTexto(d.textos, nome, texto);
    }
    for (const QString& p : pedido.parametros) {
        QStringList partes = p.split(u';');
        if (partes.size() < 2 || partes.front().trimmed().isEmpty())
            throw ErroRelatorio(QStringLiteral("Parâmetro inválido para o relatório %1: %2").arg(l.arquivo, p));
        const QString nome = partes.takeFirst();
        // "nome;valor;True": the last piece is the prompt flag, the rest is the value.
        if (partes.size() > 1 && (partes.back().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0
                                  || partes.back().compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0))
            partes.removeLast();
        adicionaTexto(d.textos, nome, partes.join(u';'));
    }

    const Selecao sel = SelecaoDeFormula(pedido.selecao);
    const QStringList tabelas = l.tabelas();
    for (const QString& t : sel.tabelas)
        if (!tabelas.contains(t, Qt::CaseInsensitive))
            throw ErroRelatorio(QStringLiteral("A fórmula de seleção usa a tabela %1, que o relatório %2 não lê.").arg(t, l.arquivo));

    QStringList campos;
    for (const GrupoLayout& g : l.grupos) {
        campos << g.campo;
        campos << (g.descricao.isEmpty() ? QStringLiteral("NULL") : g.descricao);
    }
    for (const ColunaLayout& c : l.colunas)
        campos << c.campo;
    QString sql = QStringLiteral("SELECT ") + campos.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + l.tabela;
    for (const QString& j : l.juncoes)
        sql += u' ' + j;
    QStringList condicoes;
    if (!l.filtro.isEmpty())
        condicoes << u'(' + l.filtro + u')';
    if (!sel.sql.isEmpty())
        condicoes << sel.sql;
    if (!condicoes.isEmpty())
        sql += QStringLiteral(" WHERE ") + condicoes.join(QStringLiteral(" AND "));
    QStringList ordem;
    for (const GrupoLayout& g : l.grupos)
        ordem << g.campo;
    if (!l.ordem.isEmpty())
        ordem << l.ordem;
    if (!ordem.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + ordem.join(QStringLiteral(", "));

    QSqlQuery q(banco.db());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw ErroRelatorio(QStringLiteral("O relatório %1 não pôde ser montado: %2").arg(l.arquivo, q.lastError().text()));
    for (const QVariant& v : sel.valores)
        q.addBindValue(v);
    if (!q.exec())
        throw ErroRelatorio(QStringLiteral("O relatório %1 não pôde ser lido: %2").arg(l.arquivo, q.lastError().text()));

    const size_t ng = l.grupos.size();
    const size_t nc = l.colunas.size();
    // Sums per level: 0..ng-1 the groups, ng the grand total; counts alike.
    std::vector<std::vector<qint64>> somas(ng + 1, std::vector<qint64>(nc, 0));
    std::vector<qint64> contagens(ng + 1, 0);
    QList<QVariant> atual;
    atual.resize(qsizetype(ng));
    QStringList descricaoAtual;
    descricaoAtual.resize(qsizetype(ng));
    bool primeiro = true;

    auto fechaGrupo = [&](size_t nivel) {
        ItemRelatorio it;
        it.tipo = ItemRelatorio::Subtotal;
        it.nivel = int(nivel);
        const GrupoLayout& g = l.grupos[nivel];
        QString texto = g.subtotal.isEmpty() ? QStringLiteral("Total") : g.subtotal;
        texto.replace(QStringLiteral("{valor}"), atual[nivel].toString());
        texto.replace(QStringLiteral("{descricao}"), descricaoAtual[nivel]);
        it.texto = d.expande(texto);
        it.valores.resize(nc);
        for (size_t c = 0; c < nc; ++c) {
            if (l.colunas[c].total == TotalColuna::Soma)
                it.valores[c] = qlonglong(somas[nivel][c]);
            else if (l.colunas[c].total == TotalColuna::Conta)
                it.valores[c] = qlonglong(contagens[nivel]);
            somas[nivel][c] = 0;
        }
        contagens[nivel] = 0;
        d.itens.push_back(std::move(it));
    };

    const int base = int(2 * ng);
    while (q.next()) {
        size_t mudou = ng;
        for (size_t g = 0; g < ng; ++g) {
            const QVariant v = q.value(int(2 * g));
            if (primeiro || v != atual[g]) {
                mudou = g;
                break;
            }
        }
        if (mudou < ng) {
            if (!primeiro)
                for (size_t g = ng; g-- > mudou;)
                    fechaGrupo(g);
            for (size_t g = mudou; g < ng; ++g) {
                atual[g] = q.value(int(2 * g));
                descricaoAtual[g] = q.value(int(2 * g + 1)).toString();
                ItemRelatorio it;
                it.tipo = ItemRelatorio::Cabecalho;
                it.nivel = int(g);
                QString texto = l.grupos[g].titulo.isEmpty() ? QStringLiteral("{valor}") : l.grupos[g].titulo;
                texto.replace(QStringLiteral("{valor}"), atual[g].toString());
                texto.replace(QStringLiteral("{descricao}"), descricaoAtual[g]);
                it.texto = d.expande(texto);
                it.novaPagina = l.grupos[g].novaPagina && !primeiro;
                d.itens.push_back(std::move(it));
            }
        }
        primeiro = false;
        ItemRelatorio it;
        it.valores.resize(nc);
        for (size_t c = 0; c < nc; ++c) {
            QVariant v = q.value(base + int(c));
            const ColunaLayout& col = l.colunas[c];
            if (col.formato == FormatoColuna::Moeda)
                v = paraDecimos(v, col.escala);
            if (col.total == TotalColuna::Soma && !v.isNull()) {
                const qint64 n = v.toLongLong();
                for (auto& s : somas)
                    s[c] += n;
            }
            it.valores[c] = std::move(v);
        }
        for (auto& n : contagens)
            ++n;
        d.itens.push_back(std::move(it));
        ++d.linhas;
    }
    if (!primeiro)
        for (size_t g = ng; g-- > 0;)
            fechaGrupo(g);
    bool temTotal = false;
    for (const ColunaLayout& c : l.colunas)
        temTotal = temTotal || c.total != TotalColuna::Nenhum;
    if (l.mostraTotal && temTotal) {
        ItemRelatorio it;
        it.tipo = ItemRelatorio::Total;
        it.texto = d.expande(l.tituloTotal);
        it.valores.resize(nc);
        for (size_t c = 0; c < nc; ++c) {
            if (l.colunas[c].total == TotalColuna::Soma)
                it.valores[c] = qlonglong(somas[ng][c]);
            else if (l.colunas[c].total == TotalColuna::Conta)
                it.valores[c] = qlonglong(contagens[ng]);
        }
        d.itens.push_back(std::move(it));
    }
    return d;
}

// ---------------------------------------------------------------------------------------------
// Drawing. Everything is measured with the device's own font metrics, in device units; sizes
// are given in points and turned into units by `pt`.

namespace {

struct Pagina {
    size_t inicio = 0;
    size_t fim = 0; // one past the last item
};

class Desenho {
public:
    Desenho(const DadosRelatorio& d, QPagedPaintDevice& dev) : d_(d), l_(d.layout), dev_(dev) {}

    int executa()
    {
        dev_.setPageSize(QPageSize(QPageSize::A4));
        dev_.setPageOrientation(l_.paisagem ? QPageLayout::Landscape : QPageLayout::Portrait);
        dev_.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        QPainter p;
        if (!p.begin(&dev_))
            throw ErroRelatorio(QStringLiteral("Não foi possível iniciar a impressão do relatório %1.").arg(l_.arquivo));
        p_ = &p;
        prepara();
        pagina();
        for (size_t i = 0; i < paginas_.size(); ++i) {
            if (i > 0)
                dev_.newPage();
            desenhaPagina(int(i));
        }
        p.end();
        return int(paginas_.size());
    }

private:
    QFont fonte(double pontos, bool negrito = false) const
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(pontos);
        f.setBold(negrito);
        return f;
    }

    void prepara()
    {
        pt_ = dev_.logicalDpiY() / 72.0;
        largura_ = dev_.width();
        altura_ = dev_.height();
        fLinha_ = fonte(l_.tamanhoFonte);
        fNegrito_ = fonte(l_.tamanhoFonte, true);
        fTitulo_ = fonte(11, true);
        fSub_ = fonte(9, true);
        fCab_ = fonte(8);
        fRodape_ = fonte(6.5);
        folga_ = 1.5 * pt_;
        double soma = 0;
        for (const ColunaLayout& c : l_.colunas)
            soma += c.largura;
        double x = 0;
        for (const ColunaLayout& c : l_.colunas) {
            const double w = largura_ * c.largura / soma;
            x_.push_back(x);
            w_.push_back(w);
            x += w;
        }
        primeiraTotalizada_ = l_.colunas.size();
        for (size_t c = 0; c < l_.colunas.size(); ++c)
            if (l_.colunas[c].total != TotalColuna::Nenhum) {
                primeiraTotalizada_ = c;
                break;
            }
        fmLinha_ = QFontMetricsF(fLinha_, &dev_);
        const QFontMetricsF& fm = fmLinha_;
        alturaLinha_ = fm.height();
        // The page heading: title, subtitle, header lines, then the column captions.
        cabecalho_ = QFontMetricsF(fTitulo_, &dev_).height() + 2 * pt_;
        if (!l_.subtitulo.isEmpty())
            cabecalho_ += QFontMetricsF(fSub_, &dev_).height() + pt_;
        cabecalho_ += double(l_.cabecalho.size()) * QFontMetricsF(fCab_, &dev_).height() + 4 * pt_;
        const QFontMetricsF fmN(fNegrito_, &dev_);
        int linhasTitulo = 1;
        for (size_t c = 0; c < l_.colunas.size(); ++c)
            linhasTitulo = std::max(linhasTitulo, linhasDe(fmN, d_.expande(l_.colunas[c].titulo), w_[c] - 2 * folga_));
        titulos_ = linhasTitulo * fmN.height() + 2 * folga_;
        rodape_ = QFontMetricsF(fRodape_, &dev_).height() + 4 * pt_;
        alturas_.reserve(d_.itens.size());
        celulas_.reserve(d_.itens.size());
        for (const ItemRelatorio& it : d_.itens)
            alturas_.push_back(alturaDe(it, fm));
    }

    // The text broken into lines that fit the width: at blanks, and inside a word only when the
    // word alone is wider than the column.
    static QStringList quebra(const QFontMetricsF& fm, const QString& texto, double largura)
    {
        if (texto.isEmpty() || fm.horizontalAdvance(texto) <= largura)
            return {texto};
        QStringList linhas;
        // A leading indent (a line under its group) stays on the first line.
        qsizetype recuo = 0;
        while (recuo < texto.size() && texto[recuo] == u' ')
            ++recuo;
        QString atual = texto.left(recuo);
        for (const QString& palavra : texto.mid(recuo).split(u' ', Qt::SkipEmptyParts)) {
            QString p = palavra;
            const QString tentativa = atual.trimmed().isEmpty() ? atual + p : atual + u' ' + p;
            if (fm.horizontalAdvance(tentativa) <= largura) {
                atual = tentativa;
                continue;
            }
            if (!atual.trimmed().isEmpty())
                linhas << atual;
            atual.clear();
            while (fm.horizontalAdvance(p) > largura && p.size() > 1) {
                qsizetype n = p.size() - 1;
                while (n > 1 && fm.horizontalAdvance(p.left(n)) > largura)
                    --n;
                linhas << p.left(n);
                p = p.mid(n);
            }
            atual = p;
        }
        if (!atual.isEmpty())
            linhas << atual;
        return linhas.isEmpty() ? QStringList{QString()} : linhas;
    }

    static int linhasDe(const QFontMetricsF& fm, const QString& texto, double largura)
    {
        return int(quebra(fm, texto, largura).size());
    }

    // A row's height, from its cells broken into lines; the lines are kept for drawing.
    double alturaDe(const ItemRelatorio& it, const QFontMetricsF& fm)
    {
        celulas_.emplace_back();
        if (it.tipo != ItemRelatorio::Linha)
            return alturaLinha_ + 3 * folga_;
        std::vector<QStringList>& cel = celulas_.back();
        cel.resize(it.valores.size());
        qsizetype linhas = 1;
        for (size_t c = 0; c < it.valores.size(); ++c) {
            const QString t = d_.textoDe(c, it.valores[c]);
            if (t.isEmpty())
                continue;
            cel[c] = ehNumerica(l_.colunas[c].formato) ? QStringList{t} : quebra(fm, t, w_[c] - 2 * folga_);
            linhas = std::max(linhas, cel[c].size());
        }
        return double(linhas) * fm.lineSpacing() + 2 * folga_;
    }

    void pagina()
    {
        const double util = altura_ - cabecalho_ - titulos_ - rodape_;
        Pagina atual;
        double y = 0;
        for (size_t i = 0; i < d_.itens.size(); ++i) {
            double h = alturas_[i];
            // A group heading is kept with the row that follows it.
            if (d_.itens[i].tipo == ItemRelatorio::Cabecalho && i + 1 < d_.itens.size())
                h += alturas_[i + 1];
            if (y > 0 && (y + h > util || d_.itens[i].novaPagina)) {
                atual.fim = i;
                paginas_.push_back(atual);
                atual.inicio = i;
                y = 0;
            }
            y += alturas_[i];
        }
        atual.fim = d_.itens.size();
        paginas_.push_back(atual);
    }

    void desenhaPagina(int n)
    {
        QPainter& p = *p_;
        double y = 0;
        p.setPen(Qt::black);
        p.setFont(fTitulo_);
        const double hT = QFontMetricsF(fTitulo_, &dev_).height();
        p.drawText(QRectF(0, y, largura_, hT), Qt::AlignHCenter | Qt::AlignVCenter, d_.titulo());
        y += hT + 2 * pt_;
        if (!l_.subtitulo.isEmpty()) {
            p.setFont(fSub_);
            const double h = QFontMetricsF(fSub_, &dev_).height();
            p.drawText(QRectF(0, y, largura_, h), Qt::AlignHCenter | Qt::AlignVCenter, d_.expande(l_.subtitulo));
            y += h + pt_;
        }
        p.setFont(fCab_);
        const double hC = QFontMetricsF(fCab_, &dev_).height();
        for (const QString& linha : l_.cabecalho) {
            p.drawText(QRectF(0, y, largura_, hC), Qt::AlignLeft | Qt::AlignVCenter, d_.expande(linha));
            y += hC;
        }
        y += 4 * pt_;

        // Column captions on a grey band.
        p.fillRect(QRectF(0, y, largura_, titulos_), QColor(225, 225, 225));
        p.setPen(QPen(Qt::black, 0.5 * pt_));
        p.drawLine(QPointF(0, y), QPointF(largura_, y));
        p.drawLine(QPointF(0, y + titulos_), QPointF(largura_, y + titulos_));
        p.setFont(fNegrito_);
        const QFontMetricsF fmN(fNegrito_, &dev_);
        for (size_t c = 0; c < l_.colunas.size(); ++c) {
            const QRectF r = celula(c, y, titulos_);
            const QStringList linhas = quebra(fmN, d_.expande(l_.colunas[c].titulo), r.width());
            double yl = r.top() + (r.height() - double(linhas.size()) * fmN.height()) / 2;
            for (const QString& linha : linhas) {
                p.drawText(QRectF(r.left(), yl, r.width(), fmN.height()), alinhamento(c) | Qt::AlignVCenter | Qt::TextSingleLine, linha);
                yl += fmN.height();
            }
        }
        y += titulos_;

        const Pagina& pg = paginas_[size_t(n)];
        if (d_.itens.empty()) {
            p.setFont(fLinha_);
            p.drawText(QRectF(0, y + folga_, largura_, alturaLinha_), Qt::AlignLeft | Qt::AlignVCenter, d_.expande(l_.semRegistros));
            y += alturaLinha_ + 2 * folga_;
        }
        for (size_t i = pg.inicio; i < pg.fim; ++i) {
            desenhaItem(d_.itens[i], i, y, alturas_[i]);
            y += alturas_[i];
        }
        if (size_t(n) + 1 == paginas_.size() && !l_.rodape.isEmpty()) {
            p.setFont(fCab_);
            y += 2 * pt_;
            for (const QString& linha : l_.rodape) {
                if (y + hC > altura_ - rodape_)
                    break;
                p.drawText(QRectF(0, y, largura_, hC), Qt::AlignLeft | Qt::AlignVCenter, d_.expande(linha));
                y += hC;
            }
        }

        // Page footer.
        const double yR = altura_ - rodape_ + 2 * pt_;
        p.setPen(QPen(Qt::black, 0.5 * pt_));
        p.drawLine(QPointF(0, yR), QPointF(largura_, yR));
        p.setFont(fRodape_);
        const double hR = QFontMetricsF(fRodape_, &dev_).height();
        p.drawText(QRectF(0, yR + pt_, largura_, hR), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Emitido em ") + QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                       + QStringLiteral(" - ") + TituloPrograma);
        p.drawText(QRectF(0, yR + pt_, largura_, hR), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Página %1 de %2").arg(n + 1).arg(paginas_.size()));
    }

    QRectF celula(size_t c, double y, double h) const { return QRectF(x_[c] + folga_, y + folga_, w_[c] - 2 * folga_, h - 2 * folga_); }

    Qt::Alignment alinhamento(size_t c) const
    {
        switch (l_.colunas[c].alinhamento) {
        case Alinhamento::Direita:
            return Qt::AlignRight;
        case Alinhamento::Centro:
            return Qt::AlignHCenter;
        case Alinhamento::Esquerda:
            break;
        }
        return Qt::AlignLeft;
    }

    void desenhaItem(const ItemRelatorio& it, size_t indice, double y, double h)
    {
        QPainter& p = *p_;
        switch (it.tipo) {
        case ItemRelatorio::Cabecalho: {
            p.setFont(fNegrito_);
            const double recuo = it.nivel * 8 * pt_;
            p.drawText(QRectF(recuo + folga_, y + folga_, largura_ - recuo, h - 2 * folga_), Qt::AlignLeft | Qt::AlignBottom, it.texto);
            break;
        }
        case ItemRelatorio::Linha: {
            p.setFont(fLinha_);
            const std::vector<QStringList>& cel = celulas_[indice];
            for (size_t c = 0; c < cel.size(); ++c) {
                const QRectF r = celula(c, y, h);
                double yl = r.top();
                // Drawn at a point on the baseline: the rows are most of the work, and this skips
                // the layout of a text in a rectangle.
                const Alinhamento a = l_.colunas[c].alinhamento;
                for (const QString& linha : cel[c]) {
                    double x = r.left();
                    if (a != Alinhamento::Esquerda) {
                        const double w = fmLinha_.horizontalAdvance(linha);
                        x = a == Alinhamento::Direita ? r.right() - w : r.left() + (r.width() - w) / 2;
                    }
                    p.drawText(QPointF(x, yl + fmLinha_.ascent()), linha);
                    yl += fmLinha_.lineSpacing();
                }
            }
            break;
        }
        case ItemRelatorio::Subtotal:
        case ItemRelatorio::Total: {
            p.setFont(fNegrito_);
            p.setPen(QPen(Qt::black, (it.tipo == ItemRelatorio::Total ? 0.8 : 0.4) * pt_));
            const double x0 = primeiraTotalizada_ < x_.size() ? x_[primeiraTotalizada_] : 0;
            p.drawLine(QPointF(it.tipo == ItemRelatorio::Total ? 0 : x0, y + 0.5 * folga_), QPointF(largura_, y + 0.5 * folga_));
            const double wTexto = primeiraTotalizada_ < x_.size() ? x_[primeiraTotalizada_] : largura_;
            p.drawText(QRectF(folga_, y + folga_, wTexto - 2 * folga_, h - 2 * folga_), Qt::AlignLeft | Qt::AlignVCenter, it.texto);
            for (size_t c = 0; c < it.valores.size(); ++c)
                if (it.valores[c].isValid())
                    p.drawText(celula(c, y + folga_, h - folga_), alinhamento(c) | Qt::AlignVCenter | Qt::TextSingleLine,
                               l_.colunas[c].total == TotalColuna::Conta ? agrupaMilhares(it.valores[c].toLongLong())
                                                                         : d_.textoDe(c, it.valores[c]));
            break;
        }
        }
    }

    const DadosRelatorio& d_;
    const Layout& l_;
    QPagedPaintDevice& dev_;
    QPainter* p_ = nullptr;
    double pt_ = 1, largura_ = 0, altura_ = 0, folga_ = 0, alturaLinha_ = 0;
    double cabecalho_ = 0, titulos_ = 0, rodape_ = 0;
    QFont fLinha_, fNegrito_, fTitulo_, fSub_, fCab_, fRodape_;
    QFontMetricsF fmLinha_{QFont()};
    std::vector<double> x_, w_, alturas_;
    std::vector<std::vector<QStringList>> celulas_; // each item's cells, in lines
    size_t primeiraTotalizada_ = 0;
    std::vector<Pagina> paginas_;
};

// The temporary name a file is written under before it takes its own.
QString temporario(const QString& caminho) { return caminho + QStringLiteral(".gravando"); }

void substitui(const QString& temp, const QString& caminho)
{
    QFile::remove(caminho);
    if (!QFile::rename(temp, caminho)) {
        QFile::remove(temp);
        throw ErroRelatorio(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(QDir::toNativeSeparators(caminho)));
    }
}

// The caption of a total goes in the first column that holds no total.
size_t colunaDoTexto(const Layout& l)
{
    for (size_t c = 0; c < l.colunas.size(); ++c)
        if (l.colunas[c].total == TotalColuna::Nenhum)
            return c;
    return 0;
}

} // namespace

int DesenhaRelatorio(const DadosRelatorio& dados, QPagedPaintDevice& dispositivo)
{
    return Desenho(dados, dispositivo).executa();
}

void GravaPdf(const DadosRelatorio& dados, const QString& caminho)
{
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        throw ErroRelatorio(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(caminho), f.errorString()));
    {
        QPdfWriter pdf(&f);
        pdf.setResolution(300);
        pdf.setTitle(dados.titulo());
        pdf.setCreator(TituloPrograma);
        DesenhaRelatorio(dados, pdf);
    }
    if (!f.commit())
        throw ErroRelatorio(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(caminho), f.errorString()));
}

void GravaXlsx(const DadosRelatorio& dados, const QString& caminho)
{
    const Layout& l = dados.layout;
    const QString temp = temporario(caminho);
    const QByteArray nomeTemp = QFile::encodeName(temp);
    const QByteArray pastaTemp = QFile::encodeName(QFileInfo(caminho).absolutePath());
    lxw_workbook_options opcoes{};
    opcoes.constant_memory = LXW_TRUE;
    opcoes.tmpdir = const_cast<char*>(pastaTemp.constData());
    lxw_workbook* wb = workbook_new_opt(nomeTemp.constData(), &opcoes);
    if (!wb)
        throw ErroRelatorio(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(QDir::toNativeSeparators(caminho)));
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Relatorio");
    lxw_format* negrito = workbook_add_format(wb);
    format_set_bold(negrito);
    lxw_format* titulo = workbook_add_format(wb);
    format_set_bold(titulo);
    format_set_font_size(titulo, 12);
    lxw_format* moeda = workbook_add_format(wb);
    format_set_num_format(moeda, "#,##0.00");
    lxw_format* moedaN = workbook_add_format(wb);
    format_set_num_format(moedaN, "#,##0.00");
    format_set_bold(moedaN);
    lxw_format* inteiro = workbook_add_format(wb);
    format_set_num_format(inteiro, "#,##0");
    lxw_format* inteiroN = workbook_add_format(wb);
    format_set_num_format(inteiroN, "#,##0");
    format_set_bold(inteiroN);
    lxw_format* numero = workbook_add_format(wb);
    format_set_num_format(numero, "0");
    lxw_format* cab = workbook_add_format(wb);
    format_set_bold(cab);
    format_set_bg_color(cab, 0xE1E1E1);
    format_set_bottom(cab, LXW_BORDER_THIN);
    format_set_text_wrap(cab);

    for (size_t c = 0; c < l.colunas.size(); ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), std::max(8.0, l.colunas[c].largura * 1.4), nullptr);

    auto texto = [&](lxw_row_t r, size_t c, const QString& t, lxw_format* f) {
        if (!t.isEmpty())
            worksheet_write_string(ws, r, lxw_col_t(c), t.toUtf8().constData(), f);
    };
    lxw_row_t r = 0;
    texto(r++, 0, dados.titulo(), titulo);
    if (!l.subtitulo.isEmpty())
        texto(r++, 0, dados.expande(l.subtitulo), negrito);
    for (const QString& linha : l.cabecalho)
        texto(r++, 0, dados.expande(linha), nullptr);
    ++r;
    for (size_t c = 0; c < l.colunas.size(); ++c)
        worksheet_write_string(ws, r, lxw_col_t(c), dados.expande(l.colunas[c].titulo).toUtf8().constData(), cab);
    ++r;
    const size_t colTexto = colunaDoTexto(l);
    for (const ItemRelatorio& it : dados.itens) {
        const bool destaque = it.tipo != ItemRelatorio::Linha;
        if (it.tipo == ItemRelatorio::Cabecalho) {
            texto(r++, 0, it.texto, negrito);
            continue;
        }
        if (destaque)
            texto(r, colTexto, it.texto, negrito);
        for (size_t c = 0; c < it.valores.size(); ++c) {
            const QVariant& v = it.valores[c];
            if (!v.isValid() || v.isNull())
                continue;
            const ColunaLayout& col = l.colunas[c];
            const bool conta = destaque && col.total == TotalColuna::Conta;
            if (col.formato == FormatoColuna::Moeda && !conta) {
                worksheet_write_number(ws, r, lxw_col_t(c), double(v.toLongLong()) / double(Moeda::Escala), destaque ? moedaN : moeda);
                continue;
            }
            if (col.formato == FormatoColuna::Inteiro || col.formato == FormatoColuna::Numero || conta) {
                bool ok = false;
                const qlonglong n = v.toLongLong(&ok);
                if (ok) {
                    worksheet_write_number(ws, r, lxw_col_t(c), double(n),
                                           destaque ? inteiroN : col.formato == FormatoColuna::Numero ? numero : inteiro);
                    continue;
                }
            }
            texto(r, c, dados.textoDe(c, v), destaque ? negrito : nullptr);
        }
        ++r;
    }
    if (dados.itens.empty())
        texto(r++, 0, dados.expande(l.semRegistros), nullptr);
    const lxw_error e = workbook_close(wb);
    if (e != LXW_NO_ERROR) {
        QFile::remove(temp);
        throw ErroRelatorio(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                                .arg(QDir::toNativeSeparators(caminho), QString::fromUtf8(lxw_strerror(e))));
    }
    substitui(temp, caminho);
}

void GravaCsv(const DadosRelatorio& dados, const QString& caminho)
{
    const Layout& l = dados.layout;
    auto campo = [](QString t) {
        if (t.contains(u';') || t.contains(u'"') || t.contains(u'\n') || t.contains(u'\r')) {
            t.replace(u'"', QStringLiteral("\"\""));
            return u'"' + t + u'"';
        }
        return t;
    };
    // Figures without thousand points, with the decimal comma, as a Brazilian spreadsheet reads them.
    auto valor = [&](size_t c, const QVariant& v, bool conta) -> QString {
        if (!v.isValid() || v.isNull())
            return {};
        const ColunaLayout& col = l.colunas[c];
        if (conta || col.formato == FormatoColuna::Inteiro || col.formato == FormatoColuna::Numero) {
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            return ok ? QString::number(n) : v.toString();
        }
        if (col.formato == FormatoColuna::Moeda)
            return Moeda::deDecimos(v.toLongLong()).formata().remove(u'.');
        return dados.textoDe(c, v);
    };
    QString saida;
    QStringList cab;
    for (const ColunaLayout& c : l.colunas)
        cab << campo(dados.expande(c.titulo));
    saida += cab.join(u';') + u'\n';
    const size_t colTexto = colunaDoTexto(l);
    for (const ItemRelatorio& it : dados.itens) {
        if (it.tipo == ItemRelatorio::Cabecalho)
            continue;
        const bool destaque = it.tipo != ItemRelatorio::Linha;
        QStringList campos;
        for (size_t c = 0; c < it.valores.size(); ++c) {
            QString t = valor(c, it.valores[c], destaque && l.colunas[c].total == TotalColuna::Conta);
            if (destaque && c == colTexto)
                t = it.texto;
            campos << campo(t);
        }
        saida += campos.join(u';') + u'\n';
    }
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(saida.toUtf8()) < 0 || !f.commit())
        throw ErroRelatorio(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(caminho), f.errorString()));
}
