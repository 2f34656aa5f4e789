#include "admin/Atualizacao.h"
#include "comum/InteracaoRoteiro.h"
#include "comum/ServidorHttpFalso.h"
#include "core/Inicio.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// The download server.
class ServidorFalso : public ServidorHttpFalso {
public:
    QString base() const { return QStringLiteral("http://127.0.0.1:%1/2009/download/Lumo2012").arg(porta()); }
};

struct Atualizacao : ::testing::Test {
    InteracaoRoteiro ui;
    ServidorFalso servidor;
    QStringList abertos;
    AbreEndereco abre = [this](const QString& e) { abertos << e; };

    void SetUp() override
    {
        // The fake server is local: no proxy of the machine may stand between.
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }
    AposVerificacao verifica(const QString& instalada, std::chrono::milliseconds limite = 3s)
    {
        return VerificaVersaoWeb(ui, instalada, servidor.base(), abre, limite);
    }
};

} // namespace

TEST_F(Atualizacao, VersaoNovaOfereceOInstalador)
{
    // The same version: nothing asked. The comparison is exact: case and a trailing line
    // break count.
    const struct { QByteArray publicada; QString instalada; bool pergunta; } casos[] = {
        {"1.02.0003", "1.02.0003", false}, {"1.02.0003\r\n", "1.02.0003", true}, {"1.02.000A", "1.02.000a", true}};
    for (const auto& c : casos) {
        ui.limpa();
        servidor.corpo = c.publicada;
        EXPECT_EQ(verifica(c.instalada), AposVerificacao::Continua);   // answered No
        EXPECT_EQ(ui.perguntas.size(), c.pergunta ? 1 : 0) << c.publicada.constData();
        EXPECT_TRUE(ui.mensagens.isEmpty());
    }
    EXPECT_EQ(servidor.caminhos().first(), "/2009/download/Lumo2012/version.txt");
    // Yes: the browser gets the installer's address and the program ends.
    ui.limpa();
    servidor.corpo = "1.02.0004";
    ui.respostas = {true};
    EXPECT_EQ(verifica("1.02.0003"), AposVerificacao::Encerra);
    ASSERT_EQ(ui.perguntas.size(), 1);
    EXPECT_EQ(ui.perguntas[0].titulo + ": " + ui.perguntas[0].texto, "Lumo 2012: Existe uma nova versão do Lumo 2012 disponivel na WEB.\rDeseja baixa-la?!");
    EXPECT_EQ(abertos, QStringList({servidor.base() + "/Atualiza1.02.0004.exe"}));
}

TEST_F(Atualizacao, FalhaDoPedidoESilenciosa)
{
    // An HTTP error: its page is no version.
    servidor.corpo = "1.02.0004";
    for (int status : {404, 500}) {
        servidor.status = status;
        EXPECT_EQ(verifica("1.02.0003"), AposVerificacao::Continua);
    }
    // A server that accepts and never answers: the check gives up after its limit.
    servidor.mudo = true;
    EXPECT_EQ(verifica("1.02.0003", 300ms), AposVerificacao::Continua);
    EXPECT_EQ(servidor.caminhos().size(), 3);
    // Nobody listening on the port; an address that is no address; the check switched off.
    quint16 porta = 0;
    {
        QTcpServer fechado;
        ASSERT_TRUE(fechado.listen(QHostAddress::LocalHost, 0));
        porta = fechado.serverPort();
    }
    for (const QString& endereco : {QStringLiteral("http://127.0.0.1:%1/download").arg(porta), QStringLiteral("não é um endereço"), QString()})
        EXPECT_EQ(VerificaVersaoWeb(ui, "1.02.0003", endereco, abre, 3s), AposVerificacao::Continua) << endereco.toStdString();
    EXPECT_EQ(servidor.caminhos().size(), 3);
    EXPECT_TRUE(ui.perguntas.isEmpty() && ui.mensagens.isEmpty() && abertos.isEmpty());
}

#ifndef Q_OS_WIN
// Elsewhere than on Windows the settings come from the program folder's file, whatever the case of its name.
TEST(ConfiguracaoInstalacao, VersaoEEnderecoDeDownload)
{
    QTemporaryDir pasta;
    // (file text, version, download address); no Version: no check; an empty address
    // switches the check off, an empty version is still a version.
    const struct { QByteArray texto; std::optional<QString> versao; QString endereco; } casos[] = {
        {"", std::nullopt, EnderecoDownloadPadrao()},
        {"Version=1.02.0003\n", "1.02.0003", EnderecoDownloadPadrao()},
        {"EnderecoDownload=http://servidor/download/\n", std::nullopt, "http://servidor/download"},
        {"Version=\nEnderecoDownload=\n", QString(""), ""},
    };
    for (const auto& c : casos) {
        QFile f(QDir(pasta.path()).filePath("VERSAO.INI"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.texto);
        f.close();
        const auto s = ConfiguracaoInstalacao(pasta.path());
        EXPECT_EQ(LeVersaoInstalada(*s), c.versao) << c.texto.constData();
        EXPECT_EQ(LeEnderecoDownload(*s), c.endereco) << c.texto.constData();
    }
}
#endif

// Missing, not executable and started are the menu test's (teste_atualizacao_ui): here the name in
// any case, the error text and the folder it runs in.
TEST(Atualizador, IniciaUpdateExeDaPastaDoPrograma)
{
    QTemporaryDir pasta;
    InteracaoRoteiro ui;
    QStringList iniciados;
    const QString atualizador = QDir(pasta.path()).filePath("Update.EXE");
    QFile f(atualizador);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(IniciaAtualizador(pasta.path(), ui, [&](const QString& p) { iniciados << p; return true; }), Atualizador::Iniciado);
    EXPECT_EQ(iniciados, QStringList({atualizador}));
    EXPECT_EQ(IniciaAtualizador(pasta.path(), ui, [](const QString&) { return false; }), Atualizador::Falhou);
    ASSERT_EQ(ui.mensagens.size(), 1);
    EXPECT_EQ(ui.mensagens[0].icone, Interacao::Icone::Critico);
    EXPECT_EQ(ui.mensagens[0].titulo, "Mensagem do Sistema");
    EXPECT_EQ(ui.ultimo(), "Erro ao tentar Executar o programa de atualização.\rOrigem.: IniciaAtualizador\r"
                           "Número.: 53\rDescrição.: Não foi possível iniciar " + QDir::toNativeSeparators(atualizador));
}

#ifndef Q_OS_WIN
TEST(Atualizador, ProgramaSeparadoRodaNaSuaPasta)
{
    QTemporaryDir pasta;
    const QString atualizador = QDir(pasta.path()).filePath("update.exe");
    const QString marca = QDir(pasta.path()).filePath("rodou.txt");
    QFile f(atualizador);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\npwd > rodou.txt.tmp && mv rodou.txt.tmp rodou.txt\n");
    f.close();
    f.setPermissions(f.permissions() | QFile::ExeOwner);
    ASSERT_TRUE(IniciaProgramaSeparado(atualizador));
    for (int i = 0; i < 200 && !QFile::exists(marca); ++i)
        QThread::msleep(25);
    QFile saida(marca);
    ASSERT_TRUE(saida.open(QIODevice::ReadOnly));
    EXPECT_EQ(QDir(QString::fromLocal8Bit(saida.readAll().trimmed())).canonicalPath(), QDir(pasta.path()).canonicalPath());
}
#endif
