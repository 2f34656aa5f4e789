#include "budget/Classificacao.h"
#include "core/Banco.h"
#include "reports/Consultas.h"

#include <QSqlQuery>

namespace {
ColunaGrade codigo(const QString& campo, const QString& titulo, int tamanho)
{
    return {.campo = campo, .titulo = titulo, .tipo = TipoColuna::Obrigatoria, .largura = 110, .tamanhoMaximo = tamanho};
}

ColunaGrade descricao(const QString& campo)
{
    return {.campo = campo, .titulo = QStringLiteral("Descrição"), .tipo = TipoColuna::Obrigatoria, .largura = 520,
            .tamanhoMaximo = 255};
}
} // namespace

DefinicaoGrade DefinicaoFontes()
{
    return {.tabela = QStringLiteral("tabFonte"),
            .chave = {QStringLiteral("Fonte")},
            .colunaPeriodo = QStringLiteral("bimreferencia"),
            .ordem = QStringLiteral("t.Fonte"),
            .colunas = {codigo(QStringLiteral("Fonte"), QStringLiteral("Código"), 3), descricao(QStringLiteral("Descricao"))},
            .mensagemDuplicada = QStringLiteral("A fonte já existe"),
            .duplicadaAoDigitar = true,
            .ofereceCopia = true,
            .periodosSemCopia = {PrimeiroPeriodoSemCopia},
            // Revenue lines name their source; expense lines keep a deleted source's code.
            .antesExcluir = [](Grade& g, int linha) -> Recusa {
                if (g.contexto().BancoOrgao.existe(
                        QStringLiteral("SELECT 1 FROM tabReceitaMovimento WHERE Fonterecursos = ? AND bimreferencia = ?"),
                        {g.valor(linha, QStringLiteral("Fonte")), g.contexto().BimReferencia}))
                    return QStringLiteral("Impossível excluir, fonte já utilizada no cadastro de receita");
                return std::nullopt;
            }};
}

DefinicaoGrade DefinicaoInstitucional()
{
    return {.tabela = QStringLiteral("tabInstitucional"),
            .chave = {QStringLiteral("codigo")},
            .colunaPeriodo = QStringLiteral("bimreferencia"),
            .ordem = QStringLiteral("t.codigo"),
            .colunas = {codigo(QStringLiteral("codigo"), QStringLiteral("Código"), 10), descricao(QStringLiteral("descricao"))},
            .mensagemDuplicada = QStringLiteral("A classificacao institucional já existe"),
            .duplicadaAoDigitar = true,
            .ofereceCopia = true,
            .modoCopia = DefinicaoGrade::Copia::Completa,
            .periodosSemCopia = {PrimeiroPeriodoSemCopia}};
}

DefinicaoGrade DefinicaoProgramas()
{
    return {.tabela = QStringLiteral("tabPrograma"),
            .chave = {QStringLiteral("Programa")},
            .colunaPeriodo = QStringLiteral("Bimreferencia"),
            .ordem = QStringLiteral("t.Programa"),
            .colunas = {codigo(QStringLiteral("Programa"), QStringLiteral("Programa"), 4), descricao(QStringLiteral("descricao"))},
            .mensagemDuplicada = QStringLiteral("Este programa já existe"),
            .duplicadaAoDigitar = true,
            .mensagemObrigatorio = QStringLiteral("Preencha o programa e a descrição"),
            .ofereceCopia = true,
            .copiaTambem = {QStringLiteral("tabProjeto")}};
}

DefinicaoGrade DefinicaoProjetos()
{
    return {.tabela = QStringLiteral("tabProjeto"),
            .chave = {QStringLiteral("Projeto")},
            .colunaPeriodo = QStringLiteral("Bimreferencia"),
            .ordem = QStringLiteral("t.Projeto"),
            .colunas = {codigo(QStringLiteral("Projeto"), QStringLiteral("Projeto/Atividade"), 4),
                        descricao(QStringLiteral("descricao"))},
            .mensagemDuplicada = QStringLiteral("Este projeto/atividade já existe neste programa"),
            .duplicadaAoDigitar = true,
            .mestre = {{QStringLiteral("Programa"), QStringLiteral("Programa")}},
            .mensagemSemMestre = QStringLiteral("É preciso selecionar um Programa primeiro.")};
}

QList<QStringList> LinhasDaLista(const Contexto& ctx, const DefinicaoLista& lista, const QStringList& filtros)
{
    QStringList condicoes;
    QVariantList valores;
    for (size_t i = 0; i < lista.filtros.size(); ++i) {
        const QString texto = filtros.value(int(i)).trimmed();
        if (texto.isEmpty())
            continue;
        condicoes << lista.filtros[i].condicao;
        valores << (lista.filtros[i].contem ? PadraoContem(texto) : texto);
    }
    const bool filtrada = !condicoes.isEmpty();
    QString sql = filtrada ? lista.consultaFiltrada : lista.consulta;
    QVariantList todos;
    for (qsizetype k = sql.count(u'?'); k > 0; --k)
        todos << ctx.BimReferencia;
    if (filtrada) {
        sql += (sql.contains(QStringLiteral(" WHERE "), Qt::CaseInsensitive) ? QStringLiteral(" AND ") : QStringLiteral(" WHERE "))
            + condicoes.join(QStringLiteral(" AND "));
        todos += valores;
    }
    const QString ordem = filtrada && !lista.ordemFiltrada.isEmpty() ? lista.ordemFiltrada : lista.ordem;
    if (!ordem.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + ordem;
    QList<QStringList> linhas;
    QSqlQuery q = ctx.BancoOrgao.executa(sql, todos);
    const int n = int(lista.titulos.size());
    while (q.next()) {
        QStringList l;
        for (int c = 0; c < n; ++c)
            l << q.value(c).toString();
        linhas << l;
    }
    return linhas;
}

namespace {
const QString Codigo = QStringLiteral("Código");
const QString Descricao = QStringLiteral("Descrição");
FiltroLista contem(const QString& rotulo, const QString& coluna)
{
    return {rotulo, coluna + QStringLiteral(" LIKE ? ESCAPE '\\'")};
}
} // namespace

DefinicaoLista ListaFontes(const QString& marca)
{
    const QString base = QStringLiteral("SELECT Fonte, descricao FROM tabFonte WHERE bimreferencia = ?");
    return {.titulo = QStringLiteral("Fontes de Recursos"),
            .titulos = {Codigo, Descricao},
            .consulta = base,
            .consultaFiltrada = base,
            .ordem = QStringLiteral("Fonte"),
            .filtros = {contem(Codigo, QStringLiteral("Fonte")), contem(Descricao, QStringLiteral("descricao"))},
            .campos = marca == MarcaReceita
                ? QStringList{QStringLiteral("FonteRecursos"), QString()}
                : QStringList{QStringLiteral("Codigo_FontedeRecursos"), QStringLiteral("descricaoFonte")}};
}

DefinicaoLista ListaInstitucional()
{
    const QString base = QStringLiteral("SELECT codigo, descricao FROM tabinstitucional WHERE bimreferencia = ?");
    return {.titulo = QStringLiteral("Classificação Institucional"),
            .titulos = {Codigo, Descricao},
            .consulta = base,
            .consultaFiltrada = base,
            .ordem = QStringLiteral("codigo"),
            .filtros = {{Codigo, QStringLiteral("codigo = ?"), false}, contem(Descricao, QStringLiteral("descricao"))},
            .campos = {QStringLiteral("Codigo_ClassInstitucional"), QStringLiteral("descricaoInst")}};
}

DefinicaoLista ListaProjetos()
{
    return {.titulo = QStringLiteral("Programas e Projetos/Atividades"),
            .titulos = {QStringLiteral("Programa"), QStringLiteral("Projeto/Atividade"), Descricao},
            .consulta = QStringLiteral("SELECT programa, projeto, descricao FROM tabProjeto WHERE Bimreferencia = ?"),
            .consultaFiltrada = QStringLiteral("SELECT DISTINCT programa, projeto, descricao FROM tabProjeto"),
            .ordem = QStringLiteral("programa, projeto"),
            .ordemFiltrada = QStringLiteral("projeto, programa"),
            .filtros = {contem(QStringLiteral("Projeto/Atividade"), QStringLiteral("projeto")),
                        contem(Descricao, QStringLiteral("descricao"))},
            .campos = {QStringLiteral("Codigo_Programa"), QStringLiteral("Codigo_Atividade"), QStringLiteral("descricaoProg")}};
}

DefinicaoLista ListaBancos()
{
    const QString base = QStringLiteral("SELECT CodFebraban, Banco FROM Bancos");
    return {.titulo = QStringLiteral("Bancos"),
            .titulos = {Codigo, QStringLiteral("Banco")},
            .consulta = base,
            .consultaFiltrada = base,
            .ordem = QStringLiteral("CodFebraban"),
            .filtros = {contem(Codigo, QStringLiteral("CodFebraban")), contem(QStringLiteral("Banco"), QStringLiteral("Banco"))},
            .campos = {QStringLiteral("Banco"), QString()}};
}

DefinicaoLista ListaCodigosReceita(const Contexto& ctx)
{
    const QString esfera = ctx.CodigoOrgao.startsWith(u'P', Qt::CaseInsensitive) ? QStringLiteral("M") : QStringLiteral("E");
    return {.titulo = QStringLiteral("Códigos de Receita"),
            .titulos = {Codigo, Descricao},
            .consulta = QStringLiteral("SELECT codigo, descricao FROM tabReceitaCodigoNovo WHERE IndRecebeMovimento = 1 "
                                       "AND competencia IN ('EM', '%1')").arg(esfera),
            .consultaFiltrada = QStringLiteral("SELECT codigo, descricao_lrf FROM tabReceitaCodigoNovo"),
            .ordem = QStringLiteral("codigo"),
            .filtros = {contem(Codigo, QStringLiteral("codigo")), contem(Descricao, QStringLiteral("descricao"))},
            .campos = {QStringLiteral("Codigo_tabReceitaCodigo"), QStringLiteral("descricao")}};
}

Recusa ValidaEscolhaFuncional(const QString& funcao, const QString& subfuncao)
{
    if (funcao.trimmed().isEmpty())
        return QStringLiteral("Por selecione um código no campo Função.");
    if (subfuncao.trimmed().isEmpty())
        return QStringLiteral("Por selecione um código no campo Sub-Função.");
    return std::nullopt;
}
