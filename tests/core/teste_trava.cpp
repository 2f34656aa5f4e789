#include "comum/InteracaoRoteiro.h"
#include "core/Banco.h"
#include "core/Trava.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// Another program on the same body: its own descriptor of the lock file.
struct OutroPrograma {
    int fd;
    explicit OutroPrograma(const QString& pasta)
        : fd(::open(QFile::encodeName(QDir(pasta).filePath("lumo.trava")).constData(), O_RDWR | O_CREAT, 0666)) {}
    ~OutroPrograma() { ::close(fd); }
    bool toma(int modo) { return ::flock(fd, modo | LOCK_NB) == 0; }
    void solta() { ::flock(fd, LOCK_UN); }
};
constexpr int Espera = 300;
} // namespace

// What each side may do while the other holds the body's lock, and the message of a refusal.
TEST(Trava, ComOutroPrograma)
{
    QTemporaryDir dir;
    const QString pasta = dir.path();
    OutroPrograma outro(pasta);
    struct Caso {
        int outroTem;               // 0: nothing, LOCK_SH or LOCK_EX
        bool compartilha;           // this program may hold it shared
        QString recusaExclusiva;    // empty: the exclusive lock is taken
    } casos[] = {
        {0, true, ""},
        {LOCK_SH, true, MensagemOrgaoAberto},
        {LOCK_EX, false, MensagemOrgaoEmUso},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.outroTem);
        SoltaOrgao();
        outro.solta();
        if (c.outroTem)
            ASSERT_TRUE(outro.toma(c.outroTem));
        QElapsedTimer relogio;
        relogio.start();
        if (c.compartilha) {
            EXPECT_NO_THROW(SeguraOrgao(pasta, Espera));
        } else {
            try {
                SeguraOrgao(pasta, Espera);
                ADD_FAILURE() << "tomada";
            } catch (const ErroBanco& e) {
                EXPECT_EQ(e.falha().descricao, MensagemOrgaoEmUso);
                EXPECT_GE(relogio.elapsed(), Espera); // it waited before refusing
            }
        }
        InteracaoRoteiro ui;
        const TravaExclusiva trava(pasta, Espera);
        EXPECT_EQ(trava.tomada(ui), c.recusaExclusiva.isEmpty());
        EXPECT_EQ(trava.motivo(), c.recusaExclusiva);
        EXPECT_EQ(ui.ultimo(), c.recusaExclusiva);
    }
    EXPECT_EQ(MensagemOrgaoEmUso,
              "O órgão está em uso por outro programa (backup, restauração ou geração do arquivo). Tente novamente em instantes.");
    EXPECT_EQ(MensagemOrgaoAberto, "O órgão está aberto em outro programa do Lumo. Feche-o antes de fazer o backup/restauração.");
}

// The program that holds the body shared may take it exclusive itself; meanwhile nobody else
// can hold it at all, and afterwards it holds it shared again.
TEST(Trava, ExclusivaDeQuemJaCompartilha)
{
    QTemporaryDir dir;
    OutroPrograma outro(dir.path());
    SeguraOrgao(dir.path(), Espera);
    EXPECT_EQ(QDir(OrgaoSeguro()), QDir(dir.path()));
    {
        const TravaExclusiva trava(dir.path(), Espera);
        ASSERT_TRUE(trava.tomada());
        EXPECT_FALSE(outro.toma(LOCK_SH));
    }
    EXPECT_TRUE(outro.toma(LOCK_SH));
    outro.solta();
    EXPECT_FALSE(outro.toma(LOCK_EX)); // shared again
    SoltaOrgao();
    EXPECT_TRUE(outro.toma(LOCK_EX));
    EXPECT_TRUE(OrgaoSeguro().isEmpty());
}

// A file refused when it is opened leaves no connection behind that Qt would call still in use.
TEST(Trava, BancoRecusadoSemAvisoDoQt)
{
    static QStringList avisos;
    avisos.clear();
    const QtMessageHandler anterior = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& t) { avisos << t; });
    QTemporaryDir dir;
    for (const QByteArray& conteudo : {QByteArray("isto não é um banco de dados, mas é longo o bastante para o cabeçalho"),
                                       QByteArray(4096, '\0')}) {
        QFile f(dir.filePath("x.mdb"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(conteudo);
        f.close();
        EXPECT_THROW(Banco::abre(f.fileName()), ErroBanco);
    }
    qInstallMessageHandler(anterior);
    EXPECT_FALSE(avisos.join('\n').contains("still in use")) << avisos.join('\n').toStdString();
}
