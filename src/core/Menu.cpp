#include "core/Menu.h"
#include "core/Anexos.h"
#include "core/Contexto.h"
#include "core/Inicio.h"
#include "reports/Relatorios.h"

#include <QRegularExpression>

namespace {

const QString P03 = QStringLiteral("P03");
const QString LegendaDemonstrativos = QStringLiteral("&Demonstrativos (RREO e RGF)");
const QString LegendaRelacoes = QStringLiteral("&Relações e Cadastros");

// Caption of an annex entry: the annex title with an accelerator on its number.
QString legendaAnexo(int slot)
{
    return AnexoDoSlot(slot)->titulo;
}

// Import numbers governed by an annex-menu entry (the import menu is numbered by annex).
QList<int> importacoesDaEntrada(int indice)
{
    if (indice == 0)
        return {1};
    if (indice >= 1 && indice <= 20)
        return {indice + 1};
    if (indice >= 23 && indice <= 28)
        return {indice};
    if (indice == 29)
        return {29, 30, 31, 32, 33, 34, 35, 36, 37};
    if (indice == 30)
        return {39};
    if (indice == 32)
        return {42};
    return {};
}

std::vector<ItemMenu> monta()
{
    std::vector<ItemMenu> m;
    auto item = [&m](QString id, QString pai, QString legenda, QStringList perm = {}) -> ItemMenu& {
        m.push_back(ItemMenu{std::move(id), std::move(pai), std::move(legenda), std::move(perm)});
        return m.back();
    };
    auto menu = [&m](QString id, QString legenda) {
        ItemMenu i{std::move(id), QString(), std::move(legenda)};
        i.submenu = true;
        m.push_back(i);
    };

    menu("arquivo", "&Arquivo");
    item("arquivo.usuarios", "arquivo", "Cadastro de &Usuários...", {"P01"});
    item("arquivo.grupos", "arquivo", "Cadastro de &Grupos de Usuários...", {"P01"});
    item("arquivo.logoff", "arquivo", "Efetuar &Logoff...").separadorAntes = true;
    item("arquivo.configuracao", "arquivo", "&Configuração do Sistema...").separadorAntes = true;
    item("arquivo.movimento", "arquivo", "Controle de &Movimento...", {"P02"});
    item("arquivo.backup", "arquivo", "&Backup...");
    item("arquivo.comprovante", "arquivo", "Envio do comprovante do envio de RREO E RGF...");
    item("arquivo.sair", "arquivo", "&Sair").separadorAntes = true;

    // The annex menu; its index drives the due flags. The annexes are grouped by subject
    // (statements, registers of acts, fiscal targets) so that no menu outgrows the screen.
    menu("registrar", "Re&gistrar Informações");
    {
        ItemMenu& g = item("registrar.01", "registrar", "Anexo 01 - &Balanço Orçamentário");
        g.submenu = true;
        g.indiceAnexo = 0;
        item("registrar.01.fontes", "registrar.01", "Cadastro de &Fontes de Recursos", {P03});
        item("registrar.01.receita", "registrar.01", "&Receita...", {P03});
        item("registrar.01.institucional", "registrar.01", "Cadastro Classificação Institucional", {P03});
        item("registrar.01.programa", "registrar.01", "Cadastra Ação/Programa", {P03});
        item("registrar.01.despesa", "registrar.01", "&Despesa...", {P03});
    }
    auto anexo = [&item](int slot, const QString& pai, int indice, const QStringList& perm) {
        item("registrar." + AnexoDoSlot(slot)->numero, pai, legendaAnexo(slot), perm).indiceAnexo = indice;
    };
    item("registrar.demonstrativos", "registrar", LegendaDemonstrativos).submenu = true;
    for (int slot : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19, 20, 22, 23, 25})
        anexo(slot, "registrar.demonstrativos", slot - 1, {P03});
    anexo(40, "registrar.demonstrativos", 30, {});   // Anexo 39 asks no permission
    item("registrar.relacoes", "registrar", LegendaRelacoes).submenu = true;
    for (int slot : {13, 14, 21, 24, 26, 27})
        anexo(slot, "registrar.relacoes", slot - 1, {P03});
    {
        ItemMenu& g = item("registrar.27", "registrar.relacoes", "Anexo 27 - Informações do FUNDEF");
        g.submenu = true;
        g.indiceAnexo = 27;
        item("registrar.27.pessoal", "registrar.27", "Cadastro de &Pessoal...");
        item("registrar.27.folha", "registrar.27", "&Folha de Pagamento do Bimestre...");
        item("registrar.27.cargos", "registrar.27", "Cadastro de &Cargos...");
        item("registrar.27.lotacoes", "registrar.27", "Cadastro de &Lotações...");
        item("registrar.27.niveis", "registrar.27", "Cadastro de &Níveis Funcionais...");
    }
    anexo(29, "registrar.relacoes", 28, {P03});
    anexo(41, "registrar.relacoes", 31, {P03});
    anexo(43, "registrar.relacoes", 32, {P03});
    {
        ItemMenu& g = item("registrar.metas", "registrar", "Anexos de Metas Fiscais ");
        g.submenu = true;
        g.indiceAnexo = 29;
        // Anexos 29 to 37, and the expense detail of the budget (Anexo 38) that goes with them.
        for (int slot = 30; slot <= 39; ++slot) {
            const DefinicaoAnexo* a = AnexoDoSlot(slot);
            item("registrar." + a->numero, "registrar.metas", a->titulo);
        }
    }
    {
        ItemMenu& g = item("registrar.gerar", "registrar", "Gerar Arquivo para o &Vantor...", {P03, "P04"});
        g.indiceAnexo = 34;
        g.separadorAntes = true;
    }

    // One report per annex, with the same indices and in the same sub-menus.
    menu("relatorios", "&Relatórios");
    for (const ItemMenu& a : std::vector<ItemMenu>(m)) {
        if (!a.id.startsWith("registrar."))
            continue;
        const QString id = "relatorios" + a.id.mid(9);
        const QString pai = "relatorios" + a.pai.mid(9);
        if (a.submenu && a.indiceAnexo < 0) {
            item(id, pai, a.legenda).submenu = true;
            continue;
        }
        if (a.indiceAnexo < 0 || a.indiceAnexo > 32)
            continue;
        QString legenda = a.legenda;
        if (a.id == "registrar.01")
            legenda = "Anexo 01 - Balanço Orçamentário";
        else if (a.id == "registrar.metas")
            legenda = "Anexos de Metas Fiscais";
        // An annex with several reports opens a sub-menu of them, named as the reports are.
        const QString prefixo = id + u'.';
        std::vector<const EntradaRelatorio*> filhos;
        for (const EntradaRelatorio& e : EntradasRelatorio())
            if (e.idMenu.startsWith(prefixo))
                filhos.push_back(&e);
        if (filhos.empty()) {
            item(id, pai, legenda, {"P05"}).indiceAnexo = a.indiceAnexo;
            continue;
        }
        ItemMenu& g = item(id, pai, legenda);
        g.submenu = true;
        g.indiceAnexo = a.indiceAnexo;
        for (const EntradaRelatorio* e : filhos)
            item(e->idMenu, id, e->nome, {"P05"});
    }

    // One layout import per annex, numbered by annex, in sub-menus by subject.
    menu("importacao", "&Importação de Dados");
    {
        ItemMenu& g = item("importacao.01", "importacao", "Anexo 01 - Balanço Orçamentário");
        g.submenu = true;
        g.numeroImportacao = 1;
        item("importacao.01.despesa", "importacao.01", "&Despesa...", {"P06"});
        item("importacao.01.receita", "importacao.01", "&Receita...", {"P06"});
    }
    const struct {
        const char* id;
        QString legenda;
        QList<int> numeros;
    } gruposImportacao[] = {
        {"importacao.demonstrativos", LegendaDemonstrativos,
         {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19, 20, 24, 38, 39}},
        {"importacao.relacoes", LegendaRelacoes, {13, 14, 21, 23, 25, 26, 27, 28, 42}},
        {"importacao.metas", "Anexos de &Metas Fiscais", {29, 30, 31, 32, 33, 34, 35, 36, 37}},
    };
    for (const auto& g : gruposImportacao) {
        item(g.id, "importacao", g.legenda).submenu = true;
        for (int numero : g.numeros) {
            const int slot = numero <= 21 ? numero : numero + 1;
            const DefinicaoAnexo* a = AnexoDoSlot(slot);
            item("importacao." + a->numero, g.id, a->titulo + "...", {"P06"}).numeroImportacao = numero;
        }
    }
    {
        ItemMenu& l = item("importacao.layouts", "importacao", "&Layouts de Importação...");
        l.numeroImportacao = 97;
        l.separadorAntes = true;
    }

    menu("utilitarios", "U&tilitários");
    item("utilitarios.importaanterior", "utilitarios", "Importar &Dados do Exercício Anterior...");
    item("utilitarios.importaconfig", "utilitarios", "Importar Dados de &Configuração do Exercício Anterior...");
    item("utilitarios.backup", "utilitarios", "&Backup...").separadorAntes = true;
    item("utilitarios.restaurar", "utilitarios", "&Restaurar Backup...");
    item("utilitarios.atualizar", "utilitarios", "&Atualizar Lumo 2012...").separadorAntes = true;
    item("utilitarios.exportacao", "utilitarios", "Gerar Arquivo de E&xportação...");
    item("utilitarios.email", "utilitarios", "Enviar Backup por &E-mail...");
    item("utilitarios.notafiscal", "utilitarios", "&Validar código autenticador da nota fiscal...");
    item("utilitarios.tutorial", "utilitarios", "&Tutorial...").separadorAntes = true;
    item("utilitarios.avisos", "utilitarios", "A&visos...");

    menu("ajuda", "Aj&uda");
    item("ajuda.indice", "ajuda", "Í&ndice da Ajuda");
    item("ajuda.manual", "ajuda", "&Manual do Sistema...");
    item("ajuda.anexos", "ajuda", "&Anexos Obrigatórios neste Bimestre...");
    item("ajuda.sobre", "ajuda", "&Sobre o Lumo Coleta 2012...").separadorAntes = true;
    item("ajuda.contato", "ajuda", "&Contato...");
    item("ajuda.suporte", "ajuda", "Informações de &Suporte...");
    return m;
}

} // namespace

const std::vector<ItemMenu>& ArvoreMenus()
{
    static const std::vector<ItemMenu> arvore = monta();
    return arvore;
}

const ItemMenu* ItemDoMenu(const QString& id)
{
    for (const ItemMenu& i : ArvoreMenus())
        if (i.id == id)
            return &i;
    return nullptr;
}

void CalculaAnexosDoBimestre(Contexto& ctx)
{
    QSqlQuery orgao = ctx.BancoOrgao.executa(QStringLiteral("SELECT TipoMenu, descricao FROM tabOrgaos WHERE Codigo = ?"),
                                             {ctx.CodigoOrgao.trimmed()});
    QString tipo, nome;
    if (orgao.next()) {
        tipo = orgao.value(0).toString().trimmed();
        nome = orgao.value(1).toString();
    }
    orgao = QSqlQuery();
    const QString bimestre = QString::number(ctx.BimestreAberto.toInt());
    QSqlQuery menu = ctx.BancoOrgao.executa(
        QStringLiteral("SELECT Anexo, bimestre FROM tabMenu WHERE TipoMenu = ? ORDER BY TipoMenu, Anexo"), {tipo});
    while (menu.next()) {
        const int slot = menu.value(0).toString().left(2).toInt();
        if (slot < 0 || slot >= int(ctx.anexosDevidos.size()))
            continue;
        const bool devido = !ctx.BimestreAberto.isEmpty()
            && menu.value(1).toString().contains(bimestre, Qt::CaseInsensitive);
        ctx.anexosDevidos[size_t(slot)] = devido ? 1 : 0;
    }
    ctx.NomeOrgao = nome;
}

void AplicaMenuAnexos(Contexto& ctx, EstadoMenus& estado, bool aposLogin)
{
    for (int s = 1; s <= 32; ++s) {
        const bool devido = ctx.anexosDevidos[size_t(s)] == 1;
        estado.anexo[size_t(s - 1)] = devido;
        estado.relatorio[size_t(s - 1)] = devido;
        if (s == 1 || s == 2 || s == 13 || s == 14 || s == 26 || s == 28 || s == 30)
            for (int n : importacoesDaEntrada(s - 1))
                estado.importacao[size_t(n)] = devido;
    }
    const QVariant tipo = ctx.BancoOrgao.valor(
        QStringLiteral("SELECT tabMenu.TipoMenu FROM tabMenu INNER JOIN tabOrgaos ON tabMenu.TipoMenu = tabOrgaos.TipoMenu "
                       "WHERE tabOrgaos.Codigo = ? ORDER BY tabMenu.TipoMenu, tabMenu.Anexo"),
        {ctx.CodigoOrgao});
    if (tipo.isValid() && (tipo.toString().trimmed().toUpper() == "E" || tipo.toString().trimmed().toUpper() == "G")) {
        estado.anexo[32] = false;
        estado.relatorio[32] = false;
    }
    const QVariant esfera = ctx.BancoOrgao.valor(QStringLiteral("Select esfera FROM tabOrgaos where codigo = ?"),
                                                 {ctx.CodigoOrgao});
    estado.anexo[31] = esfera.toString().trimmed().toUpper() == "M" || ctx.PastaOrgao == "VIDOVI";
    if (aposLogin && !estado.anexo[14] && ctx.PastaOrgao.size() >= 3 && !ctx.PastaOrgao.startsWith("PM"))
        estado.comprovante = false;
}

void SincronizaMenus(EstadoMenus& estado)
{
    for (int indice = 0; indice <= 32; ++indice)
        if (!estado.anexo[size_t(indice)])
            for (int n : importacoesDaEntrada(indice))
                estado.importacao[size_t(n)] = false;
}

bool ItemHabilitado(const ItemMenu& item, const EstadoMenus& estado)
{
    if (item.id == "arquivo.comprovante")
        return estado.comprovante;
    if (item.indiceAnexo >= 0 && item.indiceAnexo <= 32) {
        if (item.id.startsWith("registrar."))
            return estado.anexo[size_t(item.indiceAnexo)];
        if (item.id.startsWith("relatorios."))
            return estado.relatorio[size_t(item.indiceAnexo)];
    }
    if (item.numeroImportacao >= 0)
        return estado.importacao[size_t(item.numeroImportacao)];
    return true;
}

std::vector<AnexoDevido> AnexosDoBimestre(Contexto& ctx)
{
    const QVariant chave = ctx.BancoOrgao.valor(QStringLiteral("SELECT Codigo_tabOrgaos FROM tabChave"));
    if (chave.isValid() && chave.toString() != ctx.CodigoOrgao) {
        const QVariant outro = ctx.BancoOrgao.valor(QStringLiteral("select descricao from taborgaos where codigo = ?"),
                                                    {chave.toString()});
        MostraAviso(ctx.interacao(),
                    QStringLiteral("Ha incompatibilida dos dados do orgão, pois o mesmo esta sendo gerado para ")
                        + outro.toString()
                        + QStringLiteral(" entre em contato com Vantor para maiores informações."));
    }
    CarregaPeriodoAberto(ctx);
    CalculaAnexosDoBimestre(ctx);
    if (ctx.BancoOrgao.existe(QStringLiteral("SELECT codigo FROM taborgaos WHERE TipoMenu IN ('A','C','J','F','H','I','D') "
                                             "AND codigo = ?"),
                              {ctx.CodigoOrgao}))
        ctx.anexosDevidos[44] = 1;

    static const QList<int> seOcorreu = {9, 13, 14, 16, 20, 21, 24, 26, 29};
    std::vector<AnexoDevido> linhas;
    for (int slot = 1; slot <= 44; ++slot) {
        if (ctx.anexosDevidos[size_t(slot)] != 1)
            continue;
        AnexoDevido d;
        d.slot = slot;
        QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT descricao, alteracoes FROM tabIndice WHERE Anexo = ?"),
                                             {ChaveDoSlot(slot)});
        if (q.next()) {
            d.titulo = q.value(0).toString();
            d.alteracoes = q.value(1).toString();
        }
        d.obrigatoriedade = seOcorreu.contains(slot) ? QStringLiteral("Obrigatório (se ocorreu no período)")
                                                     : QStringLiteral("Obrigatório");
        if (const DefinicaoAnexo* a = AnexoDoSlot(slot))
            d.preenchido = AnexoPreenchido(ctx.BancoOrgao, *a, ctx.BimReferencia);
        linhas.push_back(d);
    }
    return linhas;
}

QString TituloJanela(const Contexto& ctx)
{
    const QString programa = QStringLiteral("Lumo Coleta 2012 - Versão : ") + VersaoPrograma();
    // Before the sign-in the body and its period are not loaded yet.
    if (ctx.NomeOrgao.isEmpty() && ctx.BimestreAberto.isEmpty())
        return programa;
    return programa + QStringLiteral(" - ") + ctx.NomeOrgao + QStringLiteral(" - ") + ctx.BimestreAberto
        + QStringLiteral("/2012");
}

QString MensagemTelaIndisponivel(const ItemMenu& item)
{
    QString legenda = item.legenda;
    legenda.remove(QRegularExpression(QStringLiteral("&(?!&)"))).remove(QStringLiteral("..."));
    return QStringLiteral("A tela \"") + legenda.trimmed()
        + QStringLiteral("\" não está disponível nesta versão do Lumo Coleta 2012.");
}
