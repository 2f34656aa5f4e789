#include "admin/Configuracao.h"
#include "comum/BancoTeste.h"
#include "comum/Tela.h"
#include "ui/admin/FrmBackup.h"
#include "ui/admin/FrmControleMovimento.h"
#include "ui/admin/FrmOrgaos.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {
// Shows a screen as the user meets it. A label with an accelerator needs its buddy, or it
// shows the "&" instead of underlining the letter.
void mostra(QWidget& tela, const char* captura)
{
    Mostra(tela, QString::fromLatin1(captura));
    for (const QLabel* rotulo : tela.findChildren<QLabel*>())
        EXPECT_TRUE(!rotulo->text().contains(u'&') || rotulo->buddy()) << rotulo->text().toStdString();
}
} // namespace

TEST(ControleMovimento, TelaFechaEReabre)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    FrmControleMovimento tela(p.ctx);
    mostra(tela, "controle_movimento");
    QTableWidget* grade = tela.grade();
    ASSERT_EQ(grade->rowCount(), 1);
    EXPECT_EQ(grade->item(0, 0)->text(), "01/2012");
    EXPECT_EQ(grade->item(0, 3)->text(), "__/__/____");
    p.ui.respostas = {true, true, true, true};
    Clica(tela, "cmdFecharBimestre");
    EXPECT_EQ(p.ui.ultimo(), "Fechamento efetuado com sucesso.");
    EXPECT_EQ(grade->item(0, 2)->text(), "FECHADO");
    Clica(tela, "cmdNovo");
    ASSERT_EQ(grade->rowCount(), 2);
    EXPECT_EQ(grade->item(0, 0)->text(), "02/2012");
    Clica(tela, "cmdFecharBimestre");
    grade->selectRow(1);
    QTest::keyClicks(tela.motivo(), "Ajuste d'anexo");
    EXPECT_EQ(tela.motivo()->text(), "Ajuste danexo"); // the quote key is refused
    Clica(tela, "cmdReabrir");
    EXPECT_EQ(grade->item(1, 2)->text(), "REABERTO");
    EXPECT_EQ(p.ctx.BimReferencia, "201201");

    // Every heading and date is seen whole, even at the screen's smallest size.
    tela.resize(1, 1);
    QApplication::processEvents();
    for (int c = 0; c < grade->columnCount(); ++c) {
        EXPECT_GE(grade->columnWidth(c), grade->horizontalHeader()->sectionSizeHint(c)) << c;
        EXPECT_GE(grade->columnWidth(c), static_cast<QAbstractItemView*>(grade)->sizeHintForColumn(c)) << c;
    }
    EXPECT_LE(grade->horizontalHeader()->length(), grade->viewport()->width());
    Captura(&tela, "controle_movimento_reaberto");
}

// The backup proposes its file name in an existing folder; the restore starts in the body's
// folder. Then both start in the folder last chosen, while it exists.
TEST(Backup, DialogosComecamNumaPastaQueExiste)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    InteracaoRoteiro& ui = p.ui;
    FrmBackup backup(p.ctx, false);
    mostra(backup, "backup");
    FrmRestauracao restauracao(p.ctx);
    mostra(restauracao, "restauracao");
    Clica(backup, "cmdDestino");
    Clica(restauracao, "cmdArquivo");
    ASSERT_EQ(ui.inicios.size(), 2);
    EXPECT_EQ(QFileInfo(ui.inicios[0]).fileName(), "BackupLumo.lrf");
    EXPECT_TRUE(QFileInfo(QFileInfo(ui.inicios[0]).absolutePath()).isDir());
    EXPECT_EQ(ui.inicios[1], QDir::cleanPath(p.ctx.pastaDoOrgao()));
    EXPECT_EQ(ui.filtros, QStringList(2, "Backup do Lumo (*.lrf)|*.lrf|"));

    auto pasta = std::make_unique<QTemporaryDir>();
    ui.arquivos << QDir(pasta->path()).filePath("BackupLumo.lrf");
    Clica(restauracao, "cmdArquivo");
    EXPECT_EQ(ui.ultimo(), "Arquivo Inválido.");
    Clica(backup, "cmdDestino");
    Clica(restauracao, "cmdArquivo");
    EXPECT_EQ(ui.inicios.mid(3), QStringList({QDir(pasta->path()).filePath("BackupLumo.lrf"), pasta->path()}));
    pasta.reset();
    Clica(restauracao, "cmdArquivo");
    EXPECT_EQ(ui.inicios.back(), QDir::cleanPath(p.ctx.pastaDoOrgao()));

    // A backup is never saved where the restore started, the body's folder.
    const QString naPastaDoOrgao = QDir(p.ctx.pastaDoOrgao()).filePath("BackupLumo.lrf");
    ui.arquivos << naPastaDoOrgao;
    Clica(backup, "cmdDestino");
    EXPECT_EQ(ui.ultimo(), "O backup não pode ser gravado na pasta de dados do órgão.\r"
                           "Escolha outra pasta, de preferência em outro disco ou pen drive.");
    EXPECT_FALSE(QFile::exists(naPastaDoOrgao));
    Clica(backup, "cmdDestino");
    EXPECT_NE(QFileInfo(ui.inicios.back()).absolutePath(), QDir::cleanPath(p.ctx.pastaDoOrgao()));
}

TEST(Orgaos, EscolhaBuscaPeloNomeERemocaoComNaoPadrao)
{
    ProgramaTeste p;
    {
        FrmOrgaos vazia(p.ctx);
        EXPECT_EQ(vazia.windowTitle(), QStringLiteral("Órgãos Cadastrados no Lumo Coleta 2012"));
        EXPECT_EQ(vazia.lista()->count(), 0);
        Clica(vazia, "cmdOk");
        EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Selecione o órgão a ser mostrado no sistema."));
    }
    p.configuraOrgao("P001");
    FrmOrgaos orgaos(p.ctx);
    mostra(orgaos, "orgaos");
    EscolhaOrgao escolha(p.ctx);
    FrmBuscaOrgao busca(escolha);
    mostra(busca, "busca_orgao");
    QTest::keyClicks(busca.filtro(), "C001");
    EXPECT_EQ(busca.lista()->count(), 1);
    busca.lista()->setFocus();
    QTest::keyClick(&busca, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(busca.filtro()->hasFocus());

    // Leaving a new body's configuration unfinished: removing the body is never the default.
    p.ui.limpa();
    p.ui.padroes.clear();
    EXPECT_EQ(FechaConfiguracao(p.ctx, LeConfiguracao(p.ctx)), Fechamento::Fecha);
    ASSERT_EQ(p.ui.perguntas.size(), 2);
    EXPECT_TRUE(p.ui.perguntas[1].texto.startsWith("Você optou por não digitar os dados agora. Deseja excluir o órgão"));
    EXPECT_EQ(p.ui.padroes[1], Interacao::Padrao::Nao);
}
