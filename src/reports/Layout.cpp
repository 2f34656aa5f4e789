// The report layout files (".rpt") of the program: plain UTF-8 text, one "chave = valor" per
// line, grouped in sections "[nome]". Lines starting with "#" and blank lines are ignored.
//
//   [relatorio]                       once, first
//   titulo      = Anexo 14 - Pagamentos          heading of every page; may hold {nome}
//   subtitulo   = Relação dos pagamentos         second heading line (optional)
//   orientacao  = retrato | paisagem
//   fonte       = 7.5                            point size of the rows (6 to 12)
//   tabela      = tabAnexo14Pagamentos           the table the rows come from
//   juncao      = LEFT JOIN tabX ON tabX.id = tabAnexo14Pagamentos.id    (repeatable)
//   filtro      = SQL condition of the layout itself, joined to the selection with AND
//   ordem       = SQL ORDER BY list, after the groups
//   total       = Total Geral | nao              caption of the grand total, or none
//   vazio       = text printed when no row was selected
//
//   [cabecalho]  linha = Órgão: {for_orgao}      lines under the title (repeatable)
//   [rodape]     linha = ...                     lines after the grand total (repeatable)
//
//   [grupo]                           repeatable, outermost first
//   campo     = SQL expression        a new group starts when its value changes
//   descricao = SQL expression        optional, shown as {descricao}
//   titulo    = Fonte: {valor} - {descricao}
//   subtotal  = Total da Fonte {valor}           caption of the group's totals
//   pagina    = nova                             each group on a page of its own
//
//   [coluna]                          repeatable, left to right
//   titulo      = Valor Pago
//   campo       = tabAnexo14Pagamentos.ValorPago    SQL expression
//   largura     = 12                  relative width
//   formato     = texto | #,##0.00 | #,##0 | 0 | data | periodo
//   escala      = 10000               money is stored in ten-thousandths (1 for plain reais)
//   alinhamento = esquerda | direita | centro   (numbers default to the right)
//   total       = soma | conta
//
// Texts may hold {nome}: a formula handed to the report ("for_periodo = '03/2012'"), a
// parameter ("pOrgao;Nome;True"), or {titulo}. The SQL pieces belong to the layout; the
// record-selection formula handed to the report is parsed apart (Selecao.h) and its values are
// bound, never pasted.
#include "reports/Layout.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString erro(const QString& arquivo, int linha, const QString& texto)
{
    return QStringLiteral("Arquivo de relatório inválido: %1, linha %2: %3").arg(arquivo).arg(linha).arg(texto);
}

enum class Secao { Nenhuma, Relatorio, Cabecalho, Rodape, Grupo, Coluna };

Secao secaoDe(const QString& nome)
{
    static const struct {
        const char* nome;
        Secao secao;
    } secoes[] = {{"relatorio", Secao::Relatorio}, {"cabecalho", Secao::Cabecalho}, {"rodape", Secao::Rodape},
                  {"grupo", Secao::Grupo},         {"coluna", Secao::Coluna}};
    for (const auto& s : secoes)
        if (nome.compare(QLatin1String(s.nome), Qt::CaseInsensitive) == 0)
            return s.secao;
    return Secao::Nenhuma;
}

bool formatoDe(const QString& v, FormatoColuna& f)
{
    static const struct {
        const char* nome;
        FormatoColuna formato;
    } formatos[] = {{"texto", FormatoColuna::Texto}, {"#,##0.00", FormatoColuna::Moeda}, {"#,##0", FormatoColuna::Inteiro},
                    {"0", FormatoColuna::Numero},    {"data", FormatoColuna::Data},      {"periodo", FormatoColuna::Periodo}};
    for (const auto& x : formatos)
        if (v.compare(QLatin1String(x.nome), Qt::CaseInsensitive) == 0) {
            f = x.formato;
            return true;
        }
    return false;
}

// A piece of SQL of the layout: one statement's fragment, never a second statement.
bool fragmentoValido(const QString& v) { return !v.contains(u';') && !v.contains(QStringLiteral("--")); }

const QRegularExpression& nomeTabela()
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re;
}

} // namespace

QStringList Layout::tabelas() const
{
    QStringList t{tabela};
    static const QRegularExpression juncao(QStringLiteral("\\bJOIN\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const QString& j : juncoes) {
        const auto m = juncao.match(j);
        if (m.hasMatch())
            t << m.captured(1);
    }
    return t;
}

Layout LayoutDeTexto(const QString& texto, const QString& arquivo)
{
    Layout l;
    l.arquivo = arquivo;
    Secao secao = Secao::Nenhuma;
    bool viuRelatorio = false;
    const QStringList linhas = texto.split(u'\n');
    for (int n = 1; n <= linhas.size(); ++n) {
        QString linha = linhas[n - 1];
        if (linha.endsWith(u'\r'))
            linha.chop(1);
        const QString limpa = linha.trimmed();
        if (limpa.isEmpty() || limpa.startsWith(u'#'))
            continue;
        if (limpa.startsWith(u'[')) {
            if (!limpa.endsWith(u']'))
                throw ErroRelatorio(erro(arquivo, n, QStringLiteral("seção sem \"]\".")));
            const QString nome = limpa.mid(1, limpa.size() - 2).trimmed();
            secao = secaoDe(nome);
            if (secao == Secao::Nenhuma)
                throw ErroRelatorio(erro(arquivo, n, QStringLiteral("seção desconhecida \"%1\".").arg(nome)));
            if (secao == Secao::Relatorio) {
                if (viuRelatorio)
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("a seção [relatorio] aparece duas vezes.")));
                viuRelatorio = true;
            } else if (!viuRelatorio) {
                throw ErroRelatorio(erro(arquivo, n, QStringLiteral("o arquivo deve começar pela seção [relatorio].")));
            }
            if (secao == Secao::Grupo)
                l.grupos.push_back({});
            if (secao == Secao::Coluna) {
                l.colunas.push_back({});
                l.colunas.back().linha = n;
            }
            continue;
        }
        const qsizetype igual = linha.indexOf(u'=');
        if (igual < 0)
            throw ErroRelatorio(erro(arquivo, n, QStringLiteral("esperava \"chave = valor\".")));
        if (secao == Secao::Nenhuma)
            throw ErroRelatorio(erro(arquivo, n, QStringLiteral("o arquivo deve começar pela seção [relatorio].")));
        const QString chave = linha.left(igual).trimmed().toLower();
        const QString valor = linha.mid(igual + 1).trimmed();
        auto desconhecida = [&] {
            return ErroRelatorio(erro(arquivo, n, QStringLiteral("chave desconhecida \"%1\".").arg(chave)));
        };
        auto sql = [&](const QString& v) {
            if (!fragmentoValido(v))
                throw ErroRelatorio(erro(arquivo, n, QStringLiteral("o trecho SQL não pode conter \";\" nem \"--\".")));
            return v;
        };
        switch (secao) {
        case Secao::Relatorio:
            if (chave == "titulo")
                l.titulo = valor;
            else if (chave == "subtitulo")
                l.subtitulo = valor;
            else if (chave == "orientacao") {
                if (valor.compare(QStringLiteral("paisagem"), Qt::CaseInsensitive) == 0)
                    l.paisagem = true;
                else if (valor.compare(QStringLiteral("retrato"), Qt::CaseInsensitive) == 0)
                    l.paisagem = false;
                else
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("orientação deve ser \"retrato\" ou \"paisagem\".")));
            } else if (chave == "fonte") {
                bool ok = false;
                const double f = valor.toDouble(&ok);
                if (!ok || f < 6 || f > 12)
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("o tamanho da fonte deve ser um número de 6 a 12.")));
                l.tamanhoFonte = f;
            } else if (chave == "tabela") {
                if (!nomeTabela().match(valor).hasMatch())
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("nome de tabela inválido \"%1\".").arg(valor)));
                l.tabela = valor;
            } else if (chave == "juncao") {
                if (!valor.contains(QRegularExpression(QStringLiteral("\\bJOIN\\s+[A-Za-z_][A-Za-z0-9_]*\\b.*\\bON\\b"),
                                                       QRegularExpression::CaseInsensitiveOption)))
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("a junção deve ter a forma \"LEFT JOIN tabela ON condição\".")));
                l.juncoes << sql(valor);
            } else if (chave == "filtro")
                l.filtro = sql(valor);
            else if (chave == "ordem")
                l.ordem = sql(valor);
            else if (chave == "total") {
                l.mostraTotal = valor.compare(QStringLiteral("nao"), Qt::CaseInsensitive) != 0
                             && valor.compare(QStringLiteral("não"), Qt::CaseInsensitive) != 0;
                if (l.mostraTotal)
                    l.tituloTotal = valor;
            } else if (chave == "vazio")
                l.semRegistros = valor;
            else
                throw desconhecida();
            break;
        case Secao::Cabecalho:
        case Secao::Rodape:
            if (chave != "linha")
                throw desconhecida();
            (secao == Secao::Cabecalho ? l.cabecalho : l.rodape) << valor;
            break;
        case Secao::Grupo: {
            GrupoLayout& g = l.grupos.back();
            if (chave == "campo")
                g.campo = sql(valor);
            else if (chave == "descricao")
                g.descricao = sql(valor);
            else if (chave == "titulo")
                g.titulo = valor;
            else if (chave == "subtotal")
                g.subtotal = valor;
            else if (chave == "pagina")
                g.novaPagina = valor.compare(QStringLiteral("nova"), Qt::CaseInsensitive) == 0;
            else
                throw desconhecida();
            break;
        }
        case Secao::Coluna: {
            ColunaLayout& c = l.colunas.back();
            if (chave == "titulo")
                c.titulo = valor;
            else if (chave == "campo")
                c.campo = sql(valor);
            else if (chave == "largura") {
                bool ok = false;
                c.largura = valor.toDouble(&ok);
                if (!ok || c.largura <= 0)
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("a largura deve ser um número maior que zero.")));
            } else if (chave == "formato") {
                if (!formatoDe(valor, c.formato))
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("formato desconhecido \"%1\".").arg(valor)));
                if (c.formato != FormatoColuna::Texto && c.formato != FormatoColuna::Data && c.formato != FormatoColuna::Periodo)
                    c.alinhamento = Alinhamento::Direita;
            } else if (chave == "escala") {
                bool ok = false;
                c.escala = valor.toLongLong(&ok);
                if (!ok || c.escala <= 0)
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("a escala deve ser um inteiro maior que zero.")));
            } else if (chave == "alinhamento") {
                if (valor.compare(QStringLiteral("esquerda"), Qt::CaseInsensitive) == 0)
                    c.alinhamento = Alinhamento::Esquerda;
                else if (valor.compare(QStringLiteral("direita"), Qt::CaseInsensitive) == 0)
                    c.alinhamento = Alinhamento::Direita;
                else if (valor.compare(QStringLiteral("centro"), Qt::CaseInsensitive) == 0)
                    c.alinhamento = Alinhamento::Centro;
                else
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("alinhamento deve ser \"esquerda\", \"direita\" ou \"centro\".")));
            } else if (chave == "total") {
                if (valor.compare(QStringLiteral("soma"), Qt::CaseInsensitive) == 0)
                    c.total = TotalColuna::Soma;
                else if (valor.compare(QStringLiteral("conta"), Qt::CaseInsensitive) == 0)
                    c.total = TotalColuna::Conta;
                else
                    throw ErroRelatorio(erro(arquivo, n, QStringLiteral("total deve ser \"soma\" ou \"conta\".")));
            } else
                throw desconhecida();
            break;
        }
        case Secao::Nenhuma:
            break;
        }
    }
    if (!viuRelatorio)
        throw ErroRelatorio(QStringLiteral("Arquivo de relatório inválido: %1: falta a seção [relatorio].").arg(arquivo));
    if (l.tabela.isEmpty())
        throw ErroRelatorio(QStringLiteral("Arquivo de relatório inválido: %1: falta a tabela do relatório (tabela = ...).").arg(arquivo));
    if (l.colunas.empty())
        throw ErroRelatorio(QStringLiteral("Arquivo de relatório inválido: %1: o relatório não tem nenhuma coluna.").arg(arquivo));
    for (const ColunaLayout& c : l.colunas)
        if (c.campo.isEmpty())
            throw ErroRelatorio(erro(arquivo, c.linha, QStringLiteral("a coluna \"%1\" não tem campo.").arg(c.titulo)));
    for (const GrupoLayout& g : l.grupos)
        if (g.campo.isEmpty())
            throw ErroRelatorio(QStringLiteral("Arquivo de relatório inválido: %1: um grupo não tem campo.").arg(arquivo));
    return l;
}

Layout LeLayout(const QString& caminho)
{
    const QString nome = QFileInfo(caminho).fileName();
    QFile f(caminho);
    if (!f.exists())
        throw ErroRelatorio(QStringLiteral("Arquivo de relatório não encontrado: %1").arg(caminho));
    if (!f.open(QIODevice::ReadOnly))
        throw ErroRelatorio(QStringLiteral("Não foi possível ler o arquivo de relatório %1: %2").arg(caminho, f.errorString()));
    const QByteArray bytes = f.readAll();
    if (bytes.size() > 1024 * 1024)
        throw ErroRelatorio(QStringLiteral("Arquivo de relatório inválido: %1: o arquivo é grande demais.").arg(nome));
    QString texto = QString::fromUtf8(bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    return LayoutDeTexto(texto, nome);
}
