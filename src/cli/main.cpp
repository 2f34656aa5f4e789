#include "Cli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <QDir>
#include "core/Log.h"

using namespace cli;

namespace {
void ajuda()
{
    EscreveErro(QStringLiteral("uso: lumo-cli [--programa PASTA] [--orgao CODIGO] [--usuario NOME] [--sim|--nao] [--json] COMANDO ...\n"
                               "A senha vem da variável LUMO_SENHA ou é pedida no terminal.\nComandos:"));
    for (const Comando& c : Comandos())
        EscreveErro(QStringLiteral("  ") + c.uso);
}
} // namespace

static int executa(int argc, char** argv)
{
    DesviaAvisosQt({});
    // Reports lay text out with fonts, which need the GUI application; without a display it
    // draws off screen.
    bool relatorio = false;
    for (int i = 1; i < argc; ++i)
        relatorio = relatorio || std::strcmp(argv[i], "relatorio") == 0;
    if (relatorio && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> aplicacao(relatorio ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    QCoreApplication& app = *aplicacao;
    QStringList args = app.arguments().mid(1);
    Opcoes o;
    o.programa = QDir::currentPath();
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        auto valor = [&](QString& destino) {
            if (args.isEmpty() || args.front().startsWith(QStringLiteral("--")))
                return false;
            destino = args.takeFirst();
            return true;
        };
        bool ok = true;
        if (a == QStringLiteral("--programa"))
            ok = valor(o.programa);
        else if (a == QStringLiteral("--orgao"))
            ok = valor(o.orgao);
        else if (a == QStringLiteral("--usuario"))
            ok = valor(o.usuario);
        else if (a == QStringLiteral("--sim"))
            o.resposta = 1;
        else if (a == QStringLiteral("--nao"))
            o.resposta = -1;
        else if (a == QStringLiteral("--json"))
            o.json = true;
        else if (a == QStringLiteral("--help") || a == QStringLiteral("-h") || a == QStringLiteral("ajuda")) {
            ajuda();
            return Ok;
        } else if (a.startsWith(QStringLiteral("--")) && o.comando.isEmpty()) {
            EscreveErro(QStringLiteral("Opção desconhecida: ") + a);
            ajuda();
            return ErroUso;
        } else if (o.comando.isEmpty())
            o.comando = a;
        else
            o.argumentos << a;
        if (!ok) {
            EscreveErro(QStringLiteral("A opção ") + a + QStringLiteral(" precisa de um valor."));
            return ErroUso;
        }
    }
    if (o.comando.isEmpty()) {
        ajuda();
        return ErroUso;
    }
    o.programa = QDir(o.programa).absolutePath();
    DesviaAvisosQt(QDir(o.programa).filePath(NomeLogPrograma));
    for (const Comando& c : Comandos())
        if (c.nome == o.comando) {
            Sessao s(o);
            const int r = c.executa(s);
            // A rule that met a database failure showed its error box and said no: exit 2.
            return r == Recusado && s.ui.houveFalha ? ErroUso : r;
        }
    EscreveErro(QStringLiteral("Comando desconhecido: ") + o.comando);
    ajuda();
    return ErroUso;
}

// No exception leaves the program: it is reported as a file or database error.
int main(int argc, char** argv)
{
    try {
        return executa(argc, argv);
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    } catch (const std::exception&) {
        EscreveErro(QStringLiteral("Ocorreu um erro inesperado; nada foi gravado pela operação interrompida."));
        return ErroUso;
    }
}
