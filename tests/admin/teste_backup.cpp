#include "admin/Backup.h"
#include "comum/BancoTeste.h"
#include "core/Arquivos.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
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
    QByteArray resumoDoBanco()
    {
        p.ctx.BancoOrgao.fecha();
        const QByteArray r = resumo(p.ctx.caminhoBancoOrgao());
        p.ctx.BancoOrgao = Banco::abre(p.ctx.caminhoBancoOrgao());
        return r;
    }
    // A backup of a copy of the active body's database, changed by `altera`.
    void backupAlterado(const std::function<void(Banco&)>& altera, const std::function<void(const QString&)>& estraga = {})
    {
        const QString copia = destino.filePath("copia.mdb");
        QFile::remove(copia);
        p.ctx.BancoOrgao.executa("VACUUM INTO ?", {copia});
        {
            Banco b = Banco::abre(copia);
            altera(b);
        }
        if (estraga)
            estraga(copia);
        ASSERT_TRUE(CompactaArquivo(copia, backup(), "Lumo.mdb").isEmpty());
    }
    // Restores `arquivo` and checks that nothing of the current database changed.
    void recusaSemPerder(const QString& arquivo, const QString& mensagemEsperada, qint64 limite = LimiteDescompactacao)
    {
        const QByteArray antes = resumoDoBanco();
        EXPECT_FALSE(RestauraBackup(p.ctx, arquivo, {}, limite));
        if (mensagemEsperada.endsWith(' ')) // only the beginning is fixed
            EXPECT_TRUE(p.ui.ultimo().startsWith(mensagemEsperada)) << p.ui.ultimo().toStdString();
        else
            EXPECT_EQ(p.ui.ultimo().toStdString(), mensagemEsperada.toStdString());
        EXPECT_EQ(resumoDoBanco(), antes);
        EXPECT_EQ(QDir(p.ctx.pastaDoOrgao()).entryList({"lumoOri.mdb", "lumoRestauracao*"}, QDir::Files), QStringList());
        EXPECT_TRUE(p.ctx.BancoOrgao.existe("SELECT 1 FROM tabMensagem WHERE codigo = 9001"));
    }
};

void escreve(const QString& caminho, const QByteArray& conteudo, qint64 posicao = 0)
{
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(posicao);
    f.write(conteudo);
}
} // namespace

TEST_F(Backup, NomeErradoOuPastaDoOrgaoNadaGrava)
{
    p.ctx.BancoOrgao.executa("UPDATE tabChave SET backup = 0");
    const QByteArray antes = resumoDoBanco();
    EXPECT_FALSE(FazBackup(p.ctx, destino.filePath("copia.lrf")));
    EXPECT_EQ(p.ui.ultimo(), "Nome do Arquivo inválido.\rNão altere o nome do arquivo, deixe-o como BackupLUMO.LRF.");
    EXPECT_FALSE(FazBackup(p.ctx, destino.filePath("backuplumo.lrf")));
    EXPECT_TRUE(QDir(destino.path()).isEmpty() && !QFile::exists(QDir(p.ctx.pastaDoOrgao()).filePath(NomeArquivoBackup)));
    // The body's own folder: the backup would be lost with the database.
    EXPECT_FALSE(FazBackup(p.ctx, QDir(p.ctx.pastaDoOrgao()).filePath(NomeArquivoBackup)));
    EXPECT_EQ(p.ui.ultimo(), "O backup não pode ser gravado na pasta de dados do órgão.\r"
                             "Escolha outra pasta, de preferência em outro disco ou pen drive.");
    EXPECT_FALSE(QFile::exists(QDir(p.ctx.pastaDoOrgao()).filePath(NomeArquivoBackup)));
    EXPECT_EQ(resumoDoBanco(), antes);
}

TEST_F(Backup, IdaEVoltaEmOutraPastaDePrograma)
{
    p.ctx.BancoOrgao.executa("UPDATE tabChave SET backup = 0");
    // A link named as the backup: replaced by the file, its target never written.
    const QString alvo = destino.filePath("alvo.txt");
    escreve(alvo, "intocado");
    ASSERT_TRUE(QFile::link(alvo, backup()));
    QStringList situacoes;
    ASSERT_TRUE(FazBackup(p.ctx, backup(), [&](const QString& t) { situacoes << t; }));
    EXPECT_EQ(situacoes, QStringList({"Início do Processo de Backup...", "Compactando banco de dados...",
                                      "Copiando para " + QDir::toNativeSeparators(destino.path()), "Backup realizado com sucesso."}));
    EXPECT_EQ(p.ui.ultimo(), "Backup Realizado com Sucesso!");
    EXPECT_FALSE(QFileInfo(backup()).isSymLink());
    EXPECT_EQ(resumo(alvo), QCryptographicHash::hash("intocado", QCryptographicHash::Sha256));
    // no working copies left in the body's folder
    EXPECT_EQ(QDir(p.ctx.pastaDoOrgao()).entryList({NomeArquivoBackup + "*", "lumo2.mdb*"}, QDir::Files), QStringList());
    ASSERT_TRUE(QFile::exists(backup()) && p.ctx.BancoOrgao.aberto());
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT backup FROM tabChave").toInt(), 1); // asked again on exit

    // Changes after the backup are undone by the restore.
    p.ctx.BancoOrgao.executa("DELETE FROM tabMensagem WHERE codigo = 9001");
    ASSERT_TRUE(RestauraBackup(p.ctx, backup()));
    EXPECT_EQ(p.ui.ultimo(), "Banco de Dados restaurado com Sucesso !");
    EXPECT_TRUE(p.ctx.BancoOrgao.existe("SELECT 1 FROM tabMensagem WHERE codigo = 9001"));
    EXPECT_TRUE(!QFile::exists(QDir(p.ctx.pastaDoOrgao()).filePath("lumoOri.mdb")) && p.ctx.BimReferencia == "201201");
    EXPECT_TRUE(p.ui.perguntas.isEmpty());

    // The same file restored into another program folder.
    ProgramaTeste outro;
    outro.configuraOrgao("P001");
    ASSERT_TRUE(RestauraBackup(outro.ctx, backup()));
    EXPECT_TRUE(outro.ctx.BancoOrgao.existe("SELECT 1 FROM tabMensagem WHERE codigo = 9001"));
}

TEST_F(Backup, BackupDeOutroOrgaoSoComSim)
{
    ProgramaTeste outro;
    outro.configuraOrgao("P002");
    ASSERT_TRUE(FazBackup(outro.ctx, backup()));
    const QByteArray antes = resumoDoBanco();
    p.ui.respostas << false;
    EXPECT_FALSE(RestauraBackup(p.ctx, backup()));
    ASSERT_EQ(p.ui.perguntas.size(), 1);
    EXPECT_EQ(p.ui.perguntas[0].texto, "Este backup é do órgão PREFEITURA MUNICIPAL DE SERENÓPOLIS (P002) e não do órgão "
                                       "PREFEITURA MUNICIPAL DE RIO CELESTE (P001); deseja restaurar assim mesmo?");
    EXPECT_EQ(p.ui.padroes.back(), Interacao::Padrao::Nao);
    EXPECT_EQ(resumoDoBanco(), antes);
    EXPECT_EQ(QDir(p.ctx.pastaDoOrgao()).entryList({"lumoRestauracao*"}, QDir::Files), QStringList());
    p.ui.respostas << true;
    ASSERT_TRUE(RestauraBackup(p.ctx, backup()));
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT Codigo_tabOrgaos FROM tabChave").toString(), "P002");
}

TEST_F(Backup, RestauracaoRecusadaDeixaOBancoIntacto)
{
    const QString naoRealizada = "A restauração não foi realizada: ";
    const QString incompleto = naoRealizada + "o arquivo não é um banco de dados completo do Lumo (";
    const struct {
        const char* caso;
        std::function<void()> cria;
        QString mensagem;
        qint64 limite = LimiteDescompactacao;
    } casos[] = {
        {"backup de 2011",
         [&] { backupAlterado([](Banco& b) { b.executa("UPDATE tabControleMovimento SET BimReferencia = '201106'"); }); },
         "A restauração não foi realizada (Backups de anos anteriores não podem ser restaurados no ano atual!!)"},
        {"sem bimestre", [&] { backupAlterado([](Banco& b) { b.executa("DELETE FROM tabControleMovimento"); }); },
         naoRealizada + "o banco de dados não tem nenhum bimestre cadastrado."},
        {"sem linha de chave", [&] { backupAlterado([](Banco& b) { b.executa("DELETE FROM tabChave"); }); },
         naoRealizada + "o banco de dados não tem o registro de identificação do órgão (tabChave)."},
        {"tabela sem uma coluna",
         [&] { backupAlterado([](Banco& b) { b.executa("ALTER TABLE tabMensagem DROP COLUMN descricao"); }); },
         incompleto + "falta a coluna descricao da tabela tabMensagem)."},
        {"só tabChave e tabControleMovimento",
         [&] {
             const QString so = destino.filePath("so.mdb");
             {
                 Banco b = Banco::cria(so);
                 b.executa("CREATE TABLE tabChave (Codigo_tabOrgaos TEXT)");
                 b.executa("CREATE TABLE tabControleMovimento (BimReferencia TEXT, Situacao TEXT)");
                 b.executa("INSERT INTO tabChave VALUES ('P001')");
                 b.executa("INSERT INTO tabControleMovimento VALUES ('201201', 'ABERTO')");
             }
             ASSERT_TRUE(CompactaArquivo(so, backup(), "Lumo.mdb").isEmpty());
         },
         incompleto + "falta a tabela "},
        {"danificado",
         [&] { backupAlterado([](Banco&) {}, [](const QString& c) { escreve(c, QByteArray(4096, '\xff'), 4096 * 4); }); },
         naoRealizada + "o banco de dados está danificado."},
        {"grande demais", [&] { backupAlterado([](Banco&) {}); },
         naoRealizada + "o conteúdo do arquivo compactado é grande demais.", 100000},
        {"não é zip", [&] { QFile::remove(backup()); escreve(backup(), "isto não é um backup"); },
         naoRealizada + "o arquivo não é um arquivo compactado válido."},
        {"zip sem banco", [&] { criaZip(backup(), {{"Lumo.mdb", QByteArray(8192, 'x')}}); },
         naoRealizada + "o arquivo não é um banco de dados legível."},
        {"outra entrada", [&] { criaZip(backup(), {{"../../etc/Lumo.mdb", QByteArray("x")}}); },
         naoRealizada + "o arquivo compactado não contém Lumo.mdb."},
        {"duas entradas", [&] { criaZip(backup(), {{"Lumo.mdb", QByteArray("x")}, {"outro.txt", QByteArray("y")}}); },
         naoRealizada + "o arquivo compactado deve conter apenas Lumo.mdb."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        c.cria();
        recusaSemPerder(backup(), c.mensagem, c.limite);
    }
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
