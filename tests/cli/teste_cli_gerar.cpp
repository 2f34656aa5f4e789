// lumo-cli gerar and envios on a program folder made by lumo-cli.
#include "Processo.h"
#include "core/Banco.h"

#include <QCryptographicHash>
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

QString sha256(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex());
}

struct CliGerar : ::testing::Test {
    QTemporaryDir dir;
    QString prog, orgao, destino;
    void SetUp() override
    {
        prog = dir.filePath("programa");
        destino = dir.filePath("destino");
        QDir().mkpath(destino);
        orgao = InstalaComP001(prog);
        ASSERT_FALSE(orgao.isEmpty());
        Banco b = Banco::abre(orgao + "/Lumo.mdb");
        b.executa("INSERT INTO tabReceitaMovimento (bimreferencia, Codigo_tabReceitaCodigo, FonteRecursos, ValorRealizadoBimestre) "
                  "VALUES ('201201', '11120200', '001', 12345000)");
    }
    Saida cli(const QStringList& comando) { return executa(QStringList{"--programa", prog, "--orgao", "P001", "--usuario", "ADMIN"} + comando); }
};

} // namespace

TEST_F(CliGerar, UsoErrado)
{
    EXPECT_EQ(cli({"gerar"}).codigo, 2);
    const Saida r = cli({"gerar", "--destino", dir.filePath("nao-existe")});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.err.contains("A pasta de destino não existe: ")) << r.err.toStdString();
    EXPECT_EQ(cli({"envios", "demais"}).codigo, 2);
    const Saida senha = executa({"--programa", prog, "--orgao", "P001", "--usuario", "NINGUEM", "gerar", "--destino", destino});
    EXPECT_EQ(senha.codigo, 1);
    EXPECT_TRUE(QDir(destino).isEmpty());
}

// A problem blocks the package: exit 1, one problem a line, nothing in the folder nor in the
// history.
TEST_F(CliGerar, ProblemaImpedeOPacote)
{
    const Saida r = cli({"gerar", "--destino", destino});
    EXPECT_EQ(r.codigo, 1) << r.err.toStdString();
    const QStringList linhas = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(linhas.isEmpty()) << r.err.toStdString();
    for (const QString& l : linhas)
        EXPECT_EQ(l.split('\t').size(), 3) << l.toStdString();
    EXPECT_TRUE(QDir(destino).isEmpty());
    EXPECT_EQ(cli({"envios"}).out, "");
}

// The package, its SHA-256 and the summary on stdout; the history lists it with the same
// hash. The body passes the checks: only the bank accounts are due, one complete account, the
// responsible persons and the tax number in order.
TEST_F(CliGerar, GeraEListaOsEnvios)
{
    {
        Banco b = Banco::abre(orgao + "/Lumo.mdb");
        b.executa("DELETE FROM tabMenu WHERE Anexo <> '27'");
        b.executa("INSERT INTO tabAnexo26Extratos VALUES (1, '201201', '001', '1234', '5678-9', 'Movimento', 'Prefeitura')");
        b.executa("INSERT INTO tabResponsavelInformacao (bimreferencia, cpf, nome, funcao) VALUES ('201201', '52998224725', 'Ana', 'PREFEITO')");
        b.executa("INSERT INTO tabResponsavelPreenchimento (bimreferencia, nome) VALUES ('201201', 'Beto')");
        b.executa("INSERT INTO tabResponsavelContabilidade (bimreferencia, nome) VALUES ('201201', 'Caio')");
        b.executa("UPDATE tabChave SET CGC = '11.222.333/0001-81'");
    }
    const Saida r = cli({"gerar", "--destino", destino});
    const QString arquivo = QDir(destino).filePath("data0112.lrf");
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Compactando banco de dados...")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("O sistema agora vai fazer a cópia do banco de dados de exportação. Clique em OK"));
    const QStringList linhas = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(linhas.size(), 3) << r.out.toStdString();
    EXPECT_EQ(linhas[0], "Arquivo: " + QDir::toNativeSeparators(arquivo));
    EXPECT_EQ(linhas[1], "SHA-256: " + sha256(arquivo));
    EXPECT_TRUE(linhas.contains("Anexo 26 - Cadastro de Contas Correntes\t1,00")) << r.out.toStdString();

    const Saida e = cli({"envios"});
    ASSERT_EQ(e.codigo, 0) << e.err.toStdString();
    const QStringList envio = e.out.trimmed().split('\t');
    ASSERT_EQ(envio.size(), 6) << e.out.toStdString();
    EXPECT_EQ(envio[1], "01/2012");
    EXPECT_EQ(envio[2], "ADMIN");
    EXPECT_EQ(envio[3], QDir::toNativeSeparators(arquivo));
    EXPECT_EQ(envio[4].toLongLong(), QFileInfo(arquivo).size());
    EXPECT_EQ(envio[5], sha256(arquivo));

    const Saida j = cli({"--json", "envios"});
    const QJsonArray lista = QJsonDocument::fromJson(j.out.toUtf8()).array();
    ASSERT_EQ(lista.size(), 1);
    const QJsonObject o = lista[0].toObject();
    EXPECT_EQ(o["sha256"].toString(), sha256(arquivo));
    bool achou = false;
    for (const QJsonValue& v : o["resumo"].toArray())
        achou = achou || (v["anexo"].toString() == "Anexo 26 - Cadastro de Contas Correntes" && v["valor"].toString() == "1.00");
    EXPECT_TRUE(achou) << j.out.toStdString();
}
