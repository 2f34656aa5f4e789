#include "comum/BancoTeste.h"
#include "reports/Consultas.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
class Consultas : public ::testing::Test {
protected:
    void SetUp() override
    {
        banco = ProgramaTeste::bancoOrgao(dir.filePath("Lumo.mdb"));
        banco.executa("DELETE FROM tabAnexo13BaseLegal");
        banco.executa("DELETE FROM Cidades");
        // Codes 01 to 80, inserted out of order so the query's order is what the test sees.
        for (int i = 80; i >= 1; --i)
            banco.executa("INSERT INTO tabAnexo13BaseLegal (Codigo, Descricao) VALUES (?, ?)",
                          {QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Base %1").arg(i)});
        int id = 1;
        for (const char* c : {"NOVA VENÉCIA", "VITÓRIA", "BARRA DE SÃO FRANCISCO", "VILA NOVA", "NOVA ALMEIDA", "SERRA", "TERRANOVA"})
            banco.executa("INSERT INTO Cidades (IdCidade, Nome, UF) VALUES (?, ?, 'ES')", {id++, QString::fromUtf8(c)});
    }

    template <typename T>
    static QStringList lista(const QList<T>& itens, QString T::*campo)
    {
        QStringList r;
        for (const auto& i : itens)
            r << i.*campo;
        return r;
    }
    static QStringList codigos(const QList<ItemConsulta>& itens) { return lista(itens, &ItemConsulta::codigo); }
    static QStringList nomes(const QList<Cidade>& cidades) { return lista(cidades, &Cidade::nome); }

    QTemporaryDir dir;
    Banco banco;
};
} // namespace

// A bidding process lists the legal bases up to "55" and "76", an amendment those from "56";
// any other kind, and any other table, lists the whole table, by code.
TEST_F(Consultas, BaseLegalETabelaQualquer)
{
    const auto faixa = [](int de, int ate, QStringList mais = {}) {
        QStringList r;
        for (int i = de; i <= ate; ++i)
            r << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        return r + mais;
    };
    const QString tabela = "tabAnexo13BaseLegal";
    EXPECT_EQ(codigos(ConsultaGeral(banco, tabela, "13A")), faixa(1, 55, {"76"}));
    EXPECT_EQ(codigos(ConsultaGeral(banco, tabela, "13B")), faixa(56, 80));
    EXPECT_EQ(codigos(ConsultaGeral(banco, tabela, "XX")), faixa(1, 80));
    const auto todos = ConsultaGeral(banco, tabela);
    ASSERT_EQ(codigos(todos), faixa(1, 80));
    EXPECT_EQ(todos[0].descricao, "Base 1");

    // Any two-column table, by code; a table name is never SQL.
    banco.executa("DELETE FROM tabAnexo27GrauInstrucao");
    banco.executa("INSERT INTO tabAnexo27GrauInstrucao (codigo, descricao) VALUES ('2', 'Médio'), ('1', 'Fundamental')");
    const auto itens = ConsultaGeral(banco, "tabAnexo27GrauInstrucao", {});
    ASSERT_EQ(itens.size(), 2);
    EXPECT_EQ(itens[0].codigo + itens[0].descricao, "1Fundamental");
    EXPECT_THROW(ConsultaGeral(banco, "Cidades; DROP TABLE Cidades", {}), ErroBanco);
}

TEST_F(Consultas, LocalizaCidades)
{
    EXPECT_EQ(nomes(LocalizaCidades(banco, "NOVA")), QStringList({"NOVA ALMEIDA", "NOVA VENÉCIA", "TERRANOVA", "VILA NOVA"}));
    EXPECT_EQ(nomes(LocalizaCidades(banco, "nova")).size(), 4);
    EXPECT_EQ(nomes(LocalizaCidades(banco, "são")), QStringList({"BARRA DE SÃO FRANCISCO"}));
    const auto todas = LocalizaCidades(banco, QString());
    ASSERT_EQ(todas.size(), 7);
    EXPECT_EQ(todas[0].nome, QStringLiteral("BARRA DE SÃO FRANCISCO"));   // Qt 6.4 misreads some UTF-8 in ==
    EXPECT_EQ(todas[0].id, 3);
    EXPECT_EQ(todas[6].nome, QStringLiteral("VITÓRIA"));
    // Wildcards typed by the user are plain characters.
    EXPECT_TRUE(LocalizaCidades(banco, "%").isEmpty());
    EXPECT_TRUE(LocalizaCidades(banco, "N_VA").isEmpty());
}
