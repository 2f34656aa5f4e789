// The desktop program: start-up in the order the program has always followed, then the main
// window's event loop.
#include "admin/Atualizacao.h"
#include "core/Contexto.h"
#include "core/Inicio.h"
#include "core/Log.h"
#include "ui/core/Aplicacao.h"
#include "ui/admin/FrmOrgaos.h"
#include "ui/core/InteracaoQt.h"
#include "ui/core/JanelaPrincipal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QScreen>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <QDesktopServices>
#include <QDir>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QSplashScreen>
#include <QUrl>

namespace {

// The update check runs before the splash; true when the user accepted the download and the
// browser took the installer's address: the program ends.
bool VerificaAtualizacao(Contexto& ctx)
{
    const std::unique_ptr<QSettings> configuracao = ConfiguracaoInstalacao(ctx.pastaPrograma);
    const std::optional<QString> instalada = LeVersaoInstalada(*configuracao);
    if (!instalada)
        return false;
    return VerificaVersaoWeb(ctx.interacao(), *instalada, LeEnderecoDownload(*configuracao),
                             [](const QString& endereco) { QDesktopServices::openUrl(QUrl(endereco)); })
        == AposVerificacao::Encerra;
}

QPixmap figuraAbertura()
{
    QPixmap p(460, 220);
    p.fill(QColor(32, 74, 110));
    QPainter g(&p);
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setPointSize(26);
    f.setBold(true);
    g.setFont(f);
    g.drawText(QRect(0, 40, 460, 60), Qt::AlignCenter, QStringLiteral("Lumo Coleta 2012"));
    f.setPointSize(11);
    f.setBold(false);
    g.setFont(f);
    g.drawText(QRect(0, 110, 460, 30), Qt::AlignCenter, QStringLiteral("Versão ") + VersaoPrograma());
    g.drawText(QRect(0, 160, 460, 30), Qt::AlignCenter, QStringLiteral("Abrindo os bancos de dados..."));
    return p;
}

// Benchmarks time the start-up to the login window: when it shows, the time is printed and the
// login is cancelled, which ends the program as a user's Cancel would.
void MedeInicio(const QElapsedTimer& relogio)
{
    auto* observador = new QObject(qApp);
    QObject::connect(qApp, &QApplication::focusChanged, observador, [observador, relogio](QWidget*, QWidget* novo) {
        QWidget* janela = novo ? novo->window() : nullptr;
        if (!janela || janela->objectName() != QStringLiteral("Identify"))
            return;
        std::fprintf(stderr, "inicio-login-ms %lld\n", static_cast<long long>(relogio.elapsed()));
        std::fflush(stderr);
        observador->deleteLater();
        QTimer::singleShot(0, janela, &QWidget::close);
    });
}

int executa(int argc, char** argv)
{
    QElapsedTimer relogio;
    relogio.start();
    DesviaAvisosQt({}); // until the program folder is known, Qt's notices are dropped
    QApplication app(argc, argv);
    PreparaAplicacao(app);

    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(QStringLiteral("Lumo Coleta 2012"));
    opcoes.addOption({QStringLiteral("programa"), QStringLiteral("Pasta do programa."), QStringLiteral("PASTA")});
    const QCommandLineOption ajuda({QStringLiteral("h"), QStringLiteral("ajuda")}, QStringLiteral("Mostra estas opções."));
    opcoes.addOption(ajuda);
    if (!opcoes.parse(app.arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(opcoes.errorText()));
        return 2;
    }
    if (opcoes.isSet(ajuda)) {
        std::fputs(qPrintable(opcoes.helpText()), stdout);
        return 0;
    }

    InteracaoQt interacao;
    Contexto ctx;
    ctx.ui = &interacao;
    ctx.pastaPrograma = opcoes.isSet(QStringLiteral("programa")) ? QDir(opcoes.value(QStringLiteral("programa"))).absolutePath()
                                                                 : QApplication::applicationDirPath();
    DesviaAvisosQt(QDir(ctx.pastaPrograma).filePath(NomeLogPrograma));

    // 1. A second instance on the same program folder ends silently.
    QLockFile trava(QDir(ctx.pastaPrograma).filePath(QStringLiteral("lumo.lck")));
    if (!trava.tryLock(0))
        return 0;

    // 2. The machine's short date must read day/month/four-digit year.
    const QString dataCurta = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (!FormatoDataValido(dataCurta)) {
        MostraAviso(interacao, MensagemFormatoData(dataCurta));
        return 0;
    }

    // 3. Update check.
    if (VerificaAtualizacao(ctx))
        return 0;

    // 4. Splash while the databases open.
    QSplashScreen abertura(figuraAbertura());
    abertura.show();
    app.processEvents();

    // 5. Databases.
    const Abertura aberta = AbreBancos(ctx, [&](Contexto& c) {
        abertura.hide();
        FrmOrgaos escolha(c);
        if (escolha.exec() != QDialog::Accepted)
            c.PastaDados.clear();
    });
    if (aberta == Abertura::Abandonada)
        return 0;
    if (aberta == Abertura::Falhou) {
        abertura.hide();
        QMessageBox::information(nullptr, TituloPrograma,
                                 QStringLiteral("Ocorreu um erro na abertura do banco de dados.\n\nO sistema será fechado."));
        return 0;
    }

    // 6. Revision of the databases; a new revision hands over to the updater.
    const Revisao revisao = VerificaRevisao(ctx, IniciaProgramaSeparado);
    if (revisao != Revisao::Continua)
        return 0;

    // 7-8. Main window; its loading signs the user in.
    JanelaPrincipal janela(ctx);
    interacao.defineJanela(&janela);
    // Maximised; where no window manager honours that, the whole screen all the same.
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        janela.setGeometry(tela->availableGeometry());
    janela.showMaximized();
    abertura.close();
    if (qEnvironmentVariableIsSet("LUMO_MEDE_INICIO"))
        MedeInicio(relogio);
    if (!janela.inicia()) {
        janela.defineConfirmaSaida(false);
        return 0;
    }
    return app.exec();
}

} // namespace

// No exception leaves the program: a failure nobody caught is shown and the program ends.
int main(int argc, char** argv)
{
    try {
        return executa(argc, argv);
    } catch (const std::exception& e) {
        qCritical("%s", e.what());
        if (qApp)
            QMessageBox::critical(nullptr, TituloPrograma, QStringLiteral("Ocorreu um erro inesperado e o sistema será fechado."));
        return 1;
    } catch (...) {
        return 1;
    }
}
