#include "Capturas.h"
#include "admin/Orgaos.h"
#include "comum/BancoTeste.h"
#include "ui/admin/FrmComprovante.h"
#include "ui/admin/FrmConfSistema.h"
#include "ui/core/JanelaPrincipal.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Types into a field as a user does: focus, the keys, then Tab away.
void digita(FrmConfSistema& tela, int aba, const QString& coluna, const QString& texto)
{
    tela.abas()->setCurrentIndex(aba);
    QLineEdit* c = tela.campo(aba, coluna);
    ASSERT_TRUE(c) << coluna.toStdString();
    c->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(c, texto);
    QTest::keyClick(c, Qt::Key_Tab);
}

QString arquivo(const QTemporaryDir& dir, const QString& nome, const QByteArray& conteudo)
{
    QFile f(dir.filePath(nome));
    f.open(QIODevice::WriteOnly);
    f.write(conteudo);
    return f.fileName();
}

} // namespace

TEST(ConfSistemaTela, NovoOrgaoDigitadoDoInicioAoFim)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    FrmConfSistema tela(p.ctx);
    Mostra(tela);
    EXPECT_EQ(tela.windowTitle(), "Configuração do Sistema 1º Bimestre");
    EXPECT_EQ(tela.findChild<QLabel*>("lblDescricao")->text(), "PREFEITURA MUNICIPAL DE RIO CELESTE");
    EXPECT_TRUE(tela.backup()->isChecked());
    // no person responsible for filling in yet: the proofs wait for it
    EXPECT_FALSE(tela.rreo()->isEnabled());
    EXPECT_EQ(tela.findChild<QLabel*>("lblAvisoComprovantes")->text(), AvisoComprovanteSemPreenchimento);

    // the CNPJ takes its mask on leaving
    digita(tela, 0, "CGC", "11222333000181");
    EXPECT_EQ(tela.campo(0, "CGC")->text(), "11.222.333/0001-81");
    digita(tela, 0, "cep", "79002000");

    // saving with the persons missing brings their tab to front, first missing field focused
    tela.findChild<QPushButton*>("cmdAplicar")->click();
    EXPECT_EQ(p.ui.ultimo(), "Impossível gravar: Campos Obrigatórios do responsável pelas informações devem ser informados.");
    EXPECT_EQ(p.ui.mensagens.back().titulo, "Erro");
    EXPECT_EQ(tela.abas()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), tela.campo(1, "nome"));

    for (int aba = 1; aba <= 3; ++aba) {
        digita(tela, aba, "nome", "Jose D'Avila");
        digita(tela, aba, "cpf", "52998224725");
        digita(tela, aba, "telefone", "(67) 3314-0000");
    }
    EXPECT_EQ(tela.campo(1, "nome")->text(), "Jose DAvila"); // the quote key is refused
    EXPECT_EQ(tela.campo(2, "cpf")->text(), "529.982.247-25");

    // an invalid CPF of the accounts person is refused on leaving and on saving
    p.ui.limpa();
    tela.campo(3, "cpf")->clear();
    digita(tela, 3, "cpf", "12345678900");
    EXPECT_EQ(p.ui.ultimo(), "O número de CPF é inválido.");
    tela.abas()->setCurrentIndex(0);
    tela.findChild<QPushButton*>("cmdAplicar")->click();
    EXPECT_EQ(p.ui.ultimo(), "Impossível gravar: O número de CPF é inválido.");
    EXPECT_EQ(tela.abas()->currentIndex(), 3);
    EXPECT_TRUE(p.ctx.BancoOrgao.valor("SELECT CGC FROM tabChave").isNull());

    tela.campo(3, "cpf")->clear();
    digita(tela, 3, "cpf", "529.982.247-25");
    digita(tela, 3, "data_nascimento", "05031970");
    tela.integradoSet()->setChecked(true);
    p.ui.limpa();
    tela.findChild<QPushButton*>("cmdAplicar")->click();
    EXPECT_EQ(p.ui.textos(), QStringList{"Configurações Salvas com Sucesso."});
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT CGC || ' ' || cep || ' ' || IntegradoSet FROM tabChave").toString(), "11222333000181 79002000 1");
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT data_nascimento FROM tabResponsavelContabilidade").toString(), "1970-03-05");
    // the proofs can now be chosen
    EXPECT_TRUE(tela.rreo()->isEnabled());
    Captura(&tela, "configuracao_sistema");

    // once saved, closing asks nothing
    p.ui.limpa();
    tela.close();
    EXPECT_TRUE(p.ui.perguntas.isEmpty() && !tela.orgaoExcluido());
}

TEST(ConfSistemaTela, FecharOrgaoNovoSemDadosExcluiOOrgao)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    const QString pasta = p.ctx.pastaDoOrgao();
    FrmConfSistema tela(p.ctx);
    Mostra(tela);
    // Yes to going on typing keeps the screen open
    p.ui.respostas = {true};
    tela.close();
    EXPECT_TRUE(tela.isVisible());
    EXPECT_EQ(p.ui.perguntas[0].texto,
              QStringLiteral("Foram encontrados erros na configuração do órgão.\rDeseja continuar com a digitação dos dados ?"));
    // No twice: the body stays
    p.ui.limpa();
    p.ui.respostas = {false, false};
    tela.close();
    EXPECT_FALSE(tela.isVisible());
    ASSERT_EQ(p.ui.perguntas.size(), 2);
    EXPECT_EQ(p.ui.perguntas[1].texto, QStringLiteral("Você optou por não digitar os dados agora. Deseja excluir o órgão cadastrado ?\r"
                                                      "Esta operação irá apagar qualquer informação que tenha sido cadastrada."));
    EXPECT_TRUE(p.ctx.BancoConfig.existe("SELECT 1 FROM OrgaosCad"));

    // No, then Yes (Esc closes too): the body and its folder's files are gone
    FrmConfSistema outra(p.ctx);
    Mostra(outra);
    p.ui.respostas = {false, true};
    QTest::keyClick(&outra, Qt::Key_Escape);
    EXPECT_FALSE(outra.isVisible());
    EXPECT_TRUE(outra.orgaoExcluido());
    EXPECT_FALSE(p.ctx.BancoConfig.existe("SELECT 1 FROM OrgaosCad"));
    EXPECT_TRUE(QDir(pasta).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(p.ctx.CodigoOrgao.isEmpty());
    // the body can be configured again from the template
    EXPECT_NO_THROW(ConfiguraOrgao(p.pasta(), p.ctx.BancoConfig, "P001"));
}

TEST(ComprovanteTela, EscolherEGravar)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    QTemporaryDir dir;
    FrmComprovante tela(p.ctx);
    Mostra(tela);

    // RREO only as PDF, RGF also as DOC or a picture; never an empty file.
    const struct { SeletorComprovante* seletor; const char* nome; QByteArray conteudo; QString recusa; } escolhas[] = {
        {tela.rreo(), "rreo.jpg", "imagem", QStringLiteral("O arquivo só é aceito no seguinte formato (PDF)")},
        {tela.rgf(), "notas.txt", "texto", QStringLiteral("O arquivo só é aceito nos seguintes formatos (DOC,PDF,JPG,JPEG)")},
        {tela.rgf(), "vazio.pdf", "", QStringLiteral("O arquivo que você está tentando inserir está vazio !!")},
        {tela.rgf(), "rgf.doc", "documento", ""},
        {tela.rreo(), "RREO.PDF", QByteArray("%PDF\x00\x01", 6), ""},
    };
    for (const auto& e : escolhas) {
        p.ui.limpa();
        p.ui.arquivos = {arquivo(dir, e.nome, e.conteudo)};
        e.seletor->botao()->click();
        EXPECT_EQ(p.ui.ultimo(), e.recusa);
        EXPECT_EQ(e.seletor->caminho()->text().endsWith(e.nome), e.recusa.isEmpty()) << e.nome;
    }
    // Stored with the person responsible for filling in, who must exist first.
    tela.findChild<QPushButton*>("cmdGravar")->click();
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Os dados do responsável pelo preenchimento deve estar informado antes de anexar o Rrel ou Rgf"));
    p.ctx.BancoOrgao.executa("INSERT INTO tabResponsavelPreenchimento (bimreferencia, nome) VALUES ('201201', 'Ana')");
    tela.findChild<QPushButton*>("cmdGravar")->click();
    EXPECT_EQ(p.ui.ultimo(), QStringLiteral("Gravação efetuada com sucesso"));
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT ArquivoComprovacaoRel FROM tabResponsavelPreenchimento").toByteArray(),
              QByteArray("%PDF\x00\x01", 6));
    EXPECT_EQ(p.ctx.BancoOrgao.valor("SELECT ArquivoComprovacaoRgf FROM tabResponsavelPreenchimento").toByteArray(), "documento");
    Captura(&tela, "comprovante");

    // opening again shows the stored path
    FrmComprovante outra(p.ctx);
    EXPECT_EQ(outra.rreo()->caminho()->text(), tela.rreo()->caminho()->text());
}

TEST(ConfSistemaTela, PeloMenuExcluirOOrgaoNovoEncerraOPrograma)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    JanelaPrincipal janela(p.ctx);
    janela.show();
    p.ui.respostas = {false, true};
    bool abriu = false;
    QTimer::singleShot(0, [&] {
        auto* tela = qobject_cast<FrmConfSistema*>(QApplication::activeModalWidget());
        ASSERT_NE(tela, nullptr);
        abriu = true;
        tela->close();
    });
    janela.executa("arquivo.configuracao");
    EXPECT_TRUE(abriu);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_FALSE(p.ctx.BancoConfig.existe("SELECT 1 FROM OrgaosCad"));
    // the program ends quietly: no exit question, no error about the removed database
    EXPECT_EQ(p.ui.perguntas.size(), 2);
    EXPECT_TRUE(p.ui.mensagens.isEmpty()) << p.ui.textos().join(" | ").toStdString();
}

TEST(ConfSistemaTela, PeloMenuFecharReaplicaOsMenus)
{
    ProgramaTeste p;
    p.configuraOrgao("P001");
    JanelaPrincipal janela(p.ctx);
    janela.defineConfirmaSaida(false);
    janela.show();
    // the body's kind changes while the screen is open; the menus follow on closing
    p.ctx.BancoOrgao.executa("UPDATE tabOrgaos SET esfera = 'E' WHERE Codigo = 'P001'");
    janela.reaplicaMenus();
    p.ctx.BancoOrgao.executa("UPDATE tabOrgaos SET esfera = 'M' WHERE Codigo = 'P001'");
    EXPECT_FALSE(janela.estadoMenus().anexo[31]);
    p.ui.respostas = {false, false};
    QTimer::singleShot(0, [&] { QApplication::activeModalWidget()->close(); });
    janela.executa("arquivo.configuracao");
    EXPECT_TRUE(janela.isVisible());
    EXPECT_TRUE(janela.estadoMenus().anexo[31]);
}
