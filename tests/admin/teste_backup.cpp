#include "admin/Backup.h"
#include "comum/BancoTeste.h"
#include "core/Arquivos.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zip.h>

namespace {
QByteArray resumo(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A zip archive with the given entries (name, content).
void criaZip(const QString& caminho, const QList<QPair<QString, QByteArray>>& entradas)
{
    int erro = 0;
    zip_t* z = zip_open(QFile::encodeName(caminho).constData(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
    ASSERT_NE(z, nullptr);
    std::vector<QByteArray> guarda;
    for (const auto& [nome, conteudo] : entradas) {
        guarda.push_back(conteudo);
        zip_source_t* s = zip_source_buffer(z, guarda.back().constData(), zip_uint64_t(guarda.back().size()), 0);
        zip_file_add(z, nome.toUtf8().constData(), s, ZIP_FL_OVERWRITE);
    }
    ASSERT_EQ(zip_close(z), 0);
}

struct Backup : ::testing::Test {
    ProgramaTeste p;
    QTemporaryDir destino;
    void SetUp() override
    {
        p.configuraOrgao("P001");
        p.ctx.BancoOrgao.executa("INSERT INTO tabMensagem (codigo, descricao) VALUES (9001, 'dado digitado')");
    }
    QString backup() { return destino.filePath(NomeArquivoBackup); }
    // Restores `arquivo` and checks that nothing of the current database changed.
    void recusaSemPerder(const QString& arquivo, const QString& mensagemEsperada)
    {
        p.ctx.BancoOrgao.fecha();
        const QByteArray antes = resumo(p.ctx.caminhoBancoOrgao());
        p.ctx.BancoOrgao = Banco::abre(p.ctx.caminhoBancoOrgao());
        EXPECT_FALSE(RestauraBackup(p.ctx, arquivo));
        EXPECT_EQ(p.ui.ultimo(), mensagemEsperada);
        p.ctx.BancoOrgao.fecha();
        EXPECT_EQ(resumo(p.ctx.caminhoBancoOrgao()), antes);
        EXPECT_FALSE(QFile::exists(QDir(p.ctx.pastaDoOrgao()).filePath("lumoOri.mdb")));
        p.ctx.BancoOrgao = Banco::abre(p.ctx.caminhoBancoOrgao());
        EXPECT_TRUE(p.ctx.BancoOrgao.existe("SELECT 1 FROM tabMensagem WHERE codigo = 9001"));
    }
};
} // namespace

TEST_F(Backup, NomeErradoNadaGrava)
{
    EXPECT_FALSE(FazBackup(p.ctx, destino.filePath("copia.lrf")));
    EXPECT_EQ(p.ui.ultimo(), "Nome do Arquivo inválido.\rNão altere o nome do arquivo, deixe-o como BackupLUMO.LRF.");
    EXPECT_FALSE(FazBackup(p.ctx, destino.filePath("backuplumo.lrf")));
    EXPECT_TRUE(QDir(destino.path()).isEmpty() && !QFile::exists(QDir(p.ctx.pastaDoOrgao()).filePath(NomeArquivoBackup)));
}

TEST_F(Backup, IdaEVoltaEmOutraPastaDePrograma)
{
    p.ctx.BancoOrgao.executa("UPDATE tabChave SET backup = 0");
    QStringList situacoes;
    ASSERT_TRUE(FazBackup(p.ctx, backup(), [&](const QString& t) { situacoes << t; }));
    EXPECT_EQ(situacoes, QStringList({"Início do Processo de Backup...", "Compactando banco de dados...",
                                      "Copiando para " + QDir::toNativeSeparators(destino.path()), "Backup realizado com sucesso."}));
    EXPECT_EQ(p.ui.ultimo(), "Backup Realizado com Sucesso!");
    // no working copies left in the body's folder
    EXPECT_EQ(QDir(p.ctx.pastaDoOrgao()).entryList({NomeArquivoBackup, "lumo2.mdb"}, QDir::Files), QStringList());
    ASSERT_TRUE(QFile::exists(backup()) && p.ctx.BancoOrgao.aberto());
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT backup FROM tabChave").toInt(), 1); // asked again on exit

    // Changes after the backup are undone by the restore.
    p.ctx.BancoOrgao.executa("DELETE FROM tabMensagem WHERE codigo = 9001");
    ASSERT_TRUE(RestauraBackup(p.ctx, backup()));
    EXPECT_EQ(p.ui.ultimo(), "Banco de Dados restaurado com Sucesso !");
    EXPECT_TRUE(p.ctx.BancoOrgao.existe("SELECT 1 FROM tabMensagem WHERE codigo = 9001"));
    EXPECT_TRUE(!QFile::exists(QDir(p.ctx.pastaDoOrgao()).filePath("lumoOri.mdb")) && p.ctx.BimReferencia == "201201");

    // The same file restored into another program folder.
    ProgramaTeste outro;
    outro.configuraOrgao("P001");
    ASSERT_TRUE(RestauraBackup(outro.ctx, backup()));
    EXPECT_TRUE(outro.ctx.BancoOrgao.existe("SELECT 1 FROM tabMensagem WHERE codigo = 9001"));
}

TEST_F(Backup, RestauracaoRecusadaDeixaOBancoIntacto)
{
    // A 2011 backup.
    QTemporaryDir antigo;
    {
        const QString velho = antigo.filePath("Lumo.mdb");
        Banco b = ProgramaTeste::bancoOrgao(velho);
        b.executa("INSERT INTO tabControleMovimento (BimReferencia, Situacao) VALUES ('201105', 'FECHADO'), ('201106', 'ABERTO')");
        b.fecha();
        ASSERT_TRUE(CompactaArquivo(velho, backup(), "Lumo.mdb").isEmpty());
    }
    recusaSemPerder(backup(), "A restauração não foi realizada (Backups de anos anteriores não podem ser restaurados no ano atual!!)");

    // A database of this program with no period.
    {
        const QString vazio = antigo.filePath("vazio.mdb");
        ProgramaTeste::bancoOrgao(vazio).fecha();
        ASSERT_TRUE(CompactaArquivo(vazio, backup(), "Lumo.mdb").isEmpty());
    }
    recusaSemPerder(backup(), "A restauração não foi realizada: o banco de dados não tem nenhum bimestre cadastrado.");

    // Not a zip; a zip of something that is no database; a zip with another entry or two entries.
    QFile lixo(backup());
    ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
    lixo.write("isto não é um backup");
    lixo.close();
    recusaSemPerder(backup(), "A restauração não foi realizada: o arquivo não é um arquivo compactado válido.");
    criaZip(backup(), {{"Lumo.mdb", QByteArray(8192, 'x')}});
    recusaSemPerder(backup(), "A restauração não foi realizada: o arquivo não é um banco de dados legível.");
    criaZip(backup(), {{"../../etc/Lumo.mdb", QByteArray("x")}});
    recusaSemPerder(backup(), "A restauração não foi realizada: o arquivo compactado não contém Lumo.mdb.");
    criaZip(backup(), {{"Lumo.mdb", QByteArray("x")}, {"outro.txt", QByteArray("y")}});
    recusaSemPerder(backup(), "A restauração não foi realizada: o arquivo compactado deve conter apenas Lumo.mdb.");

    // Another file name.
    recusaSemPerder(destino.filePath("outro.lrf"), "Arquivo Inválido.");
}

TEST(Compactacao, SoAEntradaEsperadaEDentroDoLimite)
{
    QTemporaryDir dir;
    const QString origem = dir.filePath("dados.mdb");
    QFile f(origem);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'a'));
    f.close();
    const QString zip = dir.filePath("pacote.lrf");
    ASSERT_TRUE(CompactaArquivo(origem, zip, "export.mdb").isEmpty());
    EXPECT_LT(QFile(zip).size(), 10000);
    EXPECT_TRUE(DescompactaArquivo(zip, "EXPORT.MDB", dir.filePath("volta.mdb")).isEmpty());
    EXPECT_EQ(resumo(dir.filePath("volta.mdb")), resumo(origem));
    // a bound smaller than the content: refused, nothing written
    EXPECT_EQ(DescompactaArquivo(zip, "export.mdb", dir.filePath("grande.mdb"), 50000),
              "o conteúdo do arquivo compactado é grande demais");
    EXPECT_FALSE(QFile::exists(dir.filePath("grande.mdb")));
}
