// lumo-cli criticar: the checks of the open bimester as lines or JSON, the questions answered by
// --sim/--nao, exit 1 with problems and 0 without.
#include "Processo.h"
#include "core/Banco.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
Saida executa(const QStringList& args) { return ExecutaCli(args, QStringLiteral("admin")); }

// The body's database of a new program folder with P001.
QString instala(const QString& prog)
{
    const QString orgao = InstalaComP001(prog);
    return orgao.isEmpty() ? QString() : orgao + "/Lumo.mdb";
}
} // namespace

TEST(CliCriticar, JsonLinhasESaida)
{
    QTemporaryDir dir;
    const QString prog = dir.filePath("programa");
    const QString banco = instala(prog);
    ASSERT_FALSE(banco.isEmpty());
    const QStringList base{"--programa", prog, "--orgao", "P001", "--usuario", "ADMIN"};

    // A new body owes the first bimester's annexes: problems, and the question of Anexo XIV.
    Saida r = executa(base + QStringList{"--nao", "--json", "criticar"});
    ASSERT_EQ(r.codigo, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Movimento não encontrado para o Anexo 14.\nDeseja prosseguir com a geração dos dados ?"));
    QJsonParseError erro{};
    const QJsonArray lista = QJsonDocument::fromJson(r.out.toUtf8(), &erro).array();
    ASSERT_EQ(erro.error, QJsonParseError::NoError) << r.out.toStdString();
    ASSERT_FALSE(lista.isEmpty());
    QStringList ids;
    for (const QJsonValue& v : lista) {
        const QJsonObject o = v.toObject();
        for (const char* chave : {"id", "anexo", "item", "mensagem", "solucao", "tabela", "registro"})
            EXPECT_TRUE(o.contains(chave)) << chave;
        ids << o["id"].toString();
    }
    EXPECT_EQ(ids.first(), "01.receita-sem-movimento");
    EXPECT_TRUE(ids.contains("14.sem-movimento"));
    EXPECT_EQ(ids.last(), "resp.cgc-invalido");
    const QJsonObject primeiro = lista.first().toObject();
    EXPECT_EQ(primeiro["anexo"].toString(), "I - Receita");
    EXPECT_EQ(primeiro["mensagem"].toString(), "Movimento de Receita não informado.");
    EXPECT_EQ(primeiro["tabela"].toString(), "tabReceitaMovimento");
    EXPECT_TRUE(primeiro["registro"].isNull());

    r = executa(base + QStringList{"--sim", "criticar"});
    ASSERT_EQ(r.codigo, 1);
    const QStringList linhas = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(linhas.size(), lista.size() - 1) << "Yes to the question of Anexo XIV";
    EXPECT_EQ(linhas.first(), "I - Receita\tMovimento de Receita não informado.\tDigitar informações de Receita do Anexo I.");
    for (const QString& l : linhas)
        EXPECT_EQ(l.split('\t').size(), 3) << l.toStdString();

    // Nothing due and the responsible persons in order: no problem.
    {
        Banco b = Banco::abre(banco);
        b.executa("DELETE FROM tabMenu");
        b.executa("UPDATE tabChave SET CGC = '11.222.333/0001-81'");
        const QString periodo = b.valor("SELECT min(BimReferencia) FROM tabControleMovimento").toString();
        b.executa("INSERT INTO tabResponsavelInformacao (bimreferencia, funcao) VALUES (?, 'PREFEITO')", {periodo});
        b.executa("INSERT INTO tabResponsavelPreenchimento (bimreferencia) VALUES (?)", {periodo});
        b.executa("INSERT INTO tabResponsavelContabilidade (bimreferencia) VALUES (?)", {periodo});
    }
    r = executa(base + QStringList{"--json", "criticar"});
    EXPECT_EQ(r.codigo, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), "[\n]");
    EXPECT_EQ(executa(base + QStringList{"criticar", "demais"}).codigo, 2);
}
