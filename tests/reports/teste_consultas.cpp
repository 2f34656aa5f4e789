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
        banco = ProgramaTeste::bancoOrgao(dir.filePath(QStringLiteral("Lumo.mdb")));
        banco.executa(QStringLiteral("DELETE FROM tabAnexo13BaseLegal"));
        banco.executa(QStringLiteral("DELETE FROM Cidades"));
        // Codes 01 to 80, inserted out of order so the query's order is what the test sees.
        for (int i = 80; i >= 1; --i)
            banco.executa(QStringLiteral("INSERT INTO tabAnexo13BaseLegal (Codigo, Descricao) VALUES (?, ?)"),
                          {QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Base %1").arg(i)});
        const QStringList cidades = {QStringLiteral("NOVA VENÉCIA"), QStringLiteral("VITÓRIA"),
                                     QStringLiteral("BARRA DE SÃO FRANCISCO"), QStringLiteral("VILA NOVA"),
                                     QStringLiteral("NOVA ALMEIDA"), QStringLiteral("SERRA"),
                                     QStringLiteral("TERRANOVA")};
        int id = 1;
        for (const QString& c : cidades)
            banco.executa(QStringLiteral("INSERT INTO Cidades (IdCidade, Nome, UF) VALUES (?, ?, 'ES')"), {id++, c});
    }

    static QStringList codigos(const QList<ItemConsulta>& itens)
    {
        QStringList r;
        for (const auto& i : itens)
            r << i.codigo;
        return r;
    }
    static QStringList nomes(const QList<Cidade>& cidades)
    {
        QStringList r;
        for (const auto& c : cidades)
            r << c.nome;
        return r;
    }

    QTemporaryDir dir;
    Banco banco;
};
} // namespace

TEST_F(Consultas, BaseLegalDeProcessoEDeAditivo)
{
    const QStringList processo = codigos(ConsultaGeral(banco, QStringLiteral("tabAnexo13BaseLegal"), QStringLiteral("13A")));
    EXPECT_EQ(processo.size(), 56);
    EXPECT_TRUE(processo.contains(QStringLiteral("76")));
    for (int i = 1; i <= 55; ++i)
        EXPECT_TRUE(processo.contains(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')))) << i;
    for (int i = 56; i <= 75; ++i)
        EXPECT_FALSE(processo.contains(QString::number(i))) << i;

    const QStringList aditivo = codigos(ConsultaGeral(banco, QStringLiteral("tabAnexo13BaseLegal"), QStringLiteral("13B")));
    EXPECT_EQ(aditivo.size(), 25);
    EXPECT_TRUE(aditivo.contains(QStringLiteral("76")));
    for (const QString& c : aditivo)
        EXPECT_GE(c, QStringLiteral("56"));

    // Any other kind lists the whole table.
    EXPECT_EQ(ConsultaGeral(banco, QStringLiteral("tabAnexo13BaseLegal"), QStringLiteral("XX")).size(), 80);
    const auto todos = ConsultaGeral(banco, QStringLiteral("tabAnexo13BaseLegal"));
    ASSERT_EQ(todos.size(), 80);
    EXPECT_EQ(todos[0].descricao, QStringLiteral("Base 1"));
    EXPECT_EQ(codigos(todos).mid(0, 3), QStringList({QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")}));
    EXPECT_EQ(processo.first(), QStringLiteral("01"));
    EXPECT_EQ(processo.last(), QStringLiteral("76"));
}

TEST_F(Consultas, ResultadosDaEscolha)
{
    const ResultadoConsulta r = ResultadoConsulta::de({QStringLiteral("07"), QStringLiteral("Pregão")});
    EXPECT_EQ(r.escolha, QStringLiteral("07-Pregão"));
    EXPECT_EQ(r.codigo, QStringLiteral("07"));
    EXPECT_EQ(r.descricao, QStringLiteral("Pregão"));
    EXPECT_FALSE(r.vazio());
    const ResultadoConsulta nada;
    EXPECT_TRUE(nada.vazio());
    EXPECT_TRUE(nada.codigo.isEmpty());
    EXPECT_TRUE(nada.descricao.isEmpty());
}

TEST_F(Consultas, TabelaQualquerDeDuasColunas)
{
    banco.executa(QStringLiteral("DELETE FROM tabAnexo27GrauInstrucao"));
    banco.executa(QStringLiteral("INSERT INTO tabAnexo27GrauInstrucao (codigo, descricao) VALUES ('2', 'Médio'), ('1', 'Fundamental')"));
    const auto itens = ConsultaGeral(banco, QStringLiteral("tabAnexo27GrauInstrucao"), {});
    ASSERT_EQ(itens.size(), 2);
    EXPECT_EQ(itens[0].codigo, QStringLiteral("1"));
    EXPECT_EQ(itens[0].descricao, QStringLiteral("Fundamental"));
    EXPECT_THROW(ConsultaGeral(banco, QStringLiteral("Cidades; DROP TABLE Cidades"), {}), ErroBanco);
    EXPECT_THROW(ConsultaGeral(banco, QStringLiteral("tabQueNaoExiste"), {}), ErroBanco);
}

TEST_F(Consultas, LocalizaCidades)
{
    EXPECT_EQ(nomes(LocalizaCidades(banco, QStringLiteral("NOVA"))),
              QStringList({QStringLiteral("NOVA ALMEIDA"), QStringLiteral("NOVA VENÉCIA"), QStringLiteral("TERRANOVA"),
                           QStringLiteral("VILA NOVA")}));
    EXPECT_EQ(nomes(LocalizaCidades(banco, QStringLiteral("nova"))).size(), 4);
    EXPECT_EQ(nomes(LocalizaCidades(banco, QStringLiteral("são"))), QStringList({QStringLiteral("BARRA DE SÃO FRANCISCO")}));
    const auto todas = LocalizaCidades(banco, QString());
    ASSERT_EQ(todas.size(), 7);
    EXPECT_EQ(todas[0].nome, QStringLiteral("BARRA DE SÃO FRANCISCO"));
    EXPECT_EQ(todas[0].id, 3);
    EXPECT_EQ(todas[6].nome, QStringLiteral("VITÓRIA"));
    // Wildcards typed by the user are plain characters.
    EXPECT_TRUE(LocalizaCidades(banco, QStringLiteral("%")).isEmpty());
    EXPECT_TRUE(LocalizaCidades(banco, QStringLiteral("N_VA")).isEmpty());
}
