#include "comum/BancoTeste.h"
#include "core/Anexos.h"
#include "core/Inicio.h"
#include "core/Menu.h"

#include <QMap>
#include <QSet>
#include <algorithm>
#include <tuple>
#include <gtest/gtest.h>

namespace {
// A body of its own menu kind "Z", so that the tests do not depend on the delivered menus.
void menuProprio(ProgramaTeste& p, const QString& tipo, const QString& esfera,
                 const QList<QPair<QString, QString>>& linhas)
{
    auto& b = p.ctx.BancoOrgao;
    b.executa("UPDATE tabOrgaos SET TipoMenu = ?, esfera = ? WHERE Codigo = ?", {tipo, esfera, p.ctx.CodigoOrgao});
    b.executa("DELETE FROM tabMenu WHERE TipoMenu = ?", {tipo});
    for (const auto& [anexo, bim] : linhas)
        b.executa("INSERT INTO tabMenu (TipoMenu, Anexo, bimestre) VALUES (?, ?, ?)", {tipo, anexo, bim});
}
void abre(ProgramaTeste& p, const QString& periodo)
{
    p.ctx.BancoOrgao.executa("DELETE FROM tabControleMovimento");
    p.ctx.BancoOrgao.executa("INSERT INTO tabControleMovimento (BimReferencia, Situacao) VALUES (?, 'ABERTO')", {periodo});
    CarregaPeriodoAberto(p.ctx);
}
} // namespace

TEST(Menu, FlagsPorBimestre)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    menuProprio(p, "Z", "M", {{"04", "2,4,6"}, {"13", "123456"}, {"22A", "6"}, {"22B", "246"}, {"23", "3"}});
    // "22A" and "22B" share slot 22: the later row decides. A slot no row names keeps its value.
    const struct { const char* periodo; int slot, devido; } casos[] = {
        {"201204", 4, 1}, {"201204", 13, 1}, {"201204", 22, 1}, {"201204", 23, 0}, {"201204", 30, 1},
        {"201203", 4, 0}, {"201203", 22, 0}, {"201203", 23, 1}, {"201203", 30, 1},
    };
    p.ctx.anexosDevidos[30] = 1;
    for (const auto& c : casos) {
        abre(p, c.periodo);
        CalculaAnexosDoBimestre(p.ctx);
        EXPECT_EQ(p.ctx.anexosDevidos[c.slot], c.devido) << c.periodo << ' ' << c.slot;
    }
}

TEST(Menu, AplicaESincroniza)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    menuProprio(p, "E", "E", {{"01", "123456"}, {"02", "246"}, {"04", "123456"}, {"33", "123456"}});
    abre(p, "201203");
    CalculaAnexosDoBimestre(p.ctx);
    p.ctx.PastaOrgao.clear(); // taken automatically at start-up
    EstadoMenus e;
    AplicaMenuAnexos(p.ctx, e, true);
    SincronizaMenus(e);
    // Anexo 02 is due in even bimesters only, and its import goes with it; fiscal targets (29),
    // Anexo 40 (31, municipal bodies only) and Anexo 42 (32, never for kinds E and G) are off;
    // the layout documents (import 97) stay.
    const struct { const std::array<bool, 35>* menu; int i; bool ativo; } anexos[] = {
        {&e.anexo, 0, true},  {&e.anexo, 1, false}, {&e.relatorio, 1, false}, {&e.anexo, 3, true},
        {&e.anexo, 12, false}, {&e.anexo, 14, false}, {&e.anexo, 29, false}, {&e.anexo, 31, false}, {&e.anexo, 32, false},
    };
    for (const auto& c : anexos)
        EXPECT_EQ((*c.menu)[size_t(c.i)], c.ativo) << c.i;
    for (const auto& [n, ativo] : std::initializer_list<std::pair<int, bool>>{
             {1, true}, {2, false}, {4, true}, {13, false}, {29, false}, {37, false}, {42, false}, {97, true}})
        EXPECT_EQ(e.importacao[size_t(n)], ativo) << "importacao " << n;

    // A municipal body has Anexo 40 in every bimester; the folder name VIDOVI too. Anexo 42
    // follows no flag: it is on unless the kind is E or G.
    menuProprio(p, "Y", "M", {{"33", "123456"}, {"43", "123456"}});
    CalculaAnexosDoBimestre(p.ctx);
    e = EstadoMenus();
    AplicaMenuAnexos(p.ctx, e, true);
    EXPECT_TRUE(e.anexo[31] && e.anexo[32]);
    menuProprio(p, "Y", "E", {});
    p.ctx.PastaOrgao = "VIDOVI";
    AplicaMenuAnexos(p.ctx, e, false);
    EXPECT_TRUE(e.anexo[31]);
    // Anexo 15 off and a folder not starting "PM": the proof-of-publication entry goes off,
    // after a sign-in only; an empty folder (taken at start-up) is not judged.
    for (const auto& [pasta, aposLogin, ativo] : std::initializer_list<std::tuple<const char*, bool, bool>>{
             {"", true, true}, {"C001", false, true}, {"C001", true, false}, {"PM01", true, true}}) {
        p.ctx.PastaOrgao = pasta;
        EstadoMenus c;
        AplicaMenuAnexos(p.ctx, c, aposLogin);
        EXPECT_EQ(c.comprovante, ativo) << pasta << ' ' << aposLogin;
    }
}

TEST(Menu, AnexosDoBimestre)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    menuProprio(p, "A", "M", {{"01", "123456"}, {"09", "3"}, {"13", "3"}, {"22A", "3"}, {"23", "6"}, {"03", "3"}});
    p.ctx.BancoOrgao.executa("DELETE FROM tabIndice");
    p.ctx.BancoOrgao.executa("INSERT INTO tabIndice (Anexo, descricao, alteracoes) VALUES ('01', 'Balanço', ''), "
                             "('09', 'Projeção', 'Nova coluna'), ('13', 'Licitações', NULL), ('22A', 'RREO', ''), "
                             "('03', 'RCL', ''), ('44', 'Unidades Gestoras', '')");
    p.ctx.BancoOrgao.executa("INSERT INTO tabAnexo03Movimento VALUES ('1', '062012', 10)");
    abre(p, "201203");
    const auto linhas = AnexosDoBimestre(p.ctx);
    QList<int> listados;
    QStringList textos;
    for (const auto& l : linhas) {
        listados << l.slot;
        textos << l.titulo + '|' + l.obrigatoriedade + '|' + l.alteracoes;
    }
    EXPECT_EQ(listados, QList<int>({1, 3, 9, 13, 22, 44})); // 44 forced for kind A
    EXPECT_EQ(textos.mid(0, 5), QStringList({QStringLiteral("Balanço|Obrigatório|"), QStringLiteral("RCL|Obrigatório|"),
                                             QStringLiteral("Projeção|Obrigatório (se ocorreu no período)|Nova coluna"),
                                             QStringLiteral("Licitações|Obrigatório (se ocorreu no período)|"),
                                             QStringLiteral("RREO|Obrigatório|")}));
    EXPECT_TRUE(linhas[1].preenchido);   // Anexo 03 kept by month: June is in the third bimester
    EXPECT_FALSE(linhas[0].preenchido);  // no Anexo I line in the period
    EXPECT_TRUE(p.ui.mensagens.isEmpty());

    // A key row of another body: the program tells, and still lists.
    p.ctx.BancoOrgao.executa("UPDATE tabChave SET Codigo_tabOrgaos = 'C001'");
    EXPECT_EQ(AnexosDoBimestre(p.ctx).size(), linhas.size());
    ASSERT_EQ(p.ui.mensagens.size(), 1);
    EXPECT_TRUE(p.ui.ultimo().startsWith("Ha incompatibilida dos dados do orgão, pois o mesmo esta sendo gerado para "));
    EXPECT_TRUE(p.ui.ultimo().endsWith(" entre em contato com Vantor para maiores informações."));

    EXPECT_EQ(TituloJanela(p.ctx), "Lumo Coleta 2012 - Versão : " + VersaoPrograma() + " - " + p.ctx.NomeOrgao + " - 03/2012");
    EXPECT_EQ(TituloJanela(Contexto()), "Lumo Coleta 2012 - Versão : " + VersaoPrograma());   // before a body is chosen
}

// (That every menu fits a 768 px screen is measured on the drawn menus, in teste_atualizacao_ui.)
TEST(Menu, ArvoreSemPerderEntradas)
{
    QSet<QString> ids;
    QMap<QString, QList<int>> indices;   // annex index by menu, import number
    for (const ItemMenu& i : ArvoreMenus()) {
        EXPECT_FALSE(ids.contains(i.id)) << i.id.toStdString();
        // A menu is built before its entries.
        EXPECT_TRUE(i.pai.isEmpty() || ids.contains(i.pai)) << i.id.toStdString();
        ids.insert(i.id);
        if (i.indiceAnexo >= 0)
            indices[i.id.section('.', 0, 0)] << i.indiceAnexo;
        if (i.numeroImportacao >= 0)
            indices["numeroImportacao"] << i.numeroImportacao;
    }

    // Each index the due flags address is on exactly one entry of its menu.
    const auto de = [](int a, int b) {
        QList<int> r;
        for (int i = a; i <= b; ++i)
            r << i;
        return r;
    };
    for (auto* l : {&indices["registrar"], &indices["relatorios"], &indices["numeroImportacao"]})
        std::sort(l->begin(), l->end());
    EXPECT_EQ(indices["registrar"], de(0, 32) << 34);
    EXPECT_EQ(indices["relatorios"], de(0, 32));
    EXPECT_EQ(indices["numeroImportacao"], de(1, 21) + de(23, 39) << 42 << 97);
    EXPECT_EQ(ItemDoMenu("registrar.14")->legenda, AnexoDoSlot(14)->titulo);
    EXPECT_EQ(ItemDoMenu("importacao.38")->legenda, AnexoDoSlot(39)->titulo + "...");
}
