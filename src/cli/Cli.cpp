#include "Cli.h"
#include "admin/Orgaos.h"
#include "core/Inicio.h"
#include "core/Seguranca.h"
#include "core/Trava.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace cli {

std::vector<Comando>& Comandos()
{
    static std::vector<Comando> comandos;
    return comandos;
}

void Escreve(const QString& texto)
{
    std::fputs(texto.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void EscreveErro(const QString& texto)
{
    std::fputs(texto.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

QString PastaDeDestino(const Sessao& s)
{
    const QStringList& a = s.opcoes.argumentos;
    if (a.size() != 2 || a[0] != QStringLiteral("--destino")) {
        Uso(s, QStringLiteral("Informe a pasta de destino com --destino PASTA."));
        return {};
    }
    const QString pasta = QDir(a[1]).absolutePath();
    if (!QFileInfo(pasta).isDir()) {
        EscreveErro(QStringLiteral("A pasta de destino não existe: ") + pasta);
        return {};
    }
    return pasta;
}

int Uso(const Sessao& s, const QString& texto)
{
    EscreveErro(texto);
    for (const Comando& c : Comandos())
        if (c.nome == s.opcoes.comando)
            EscreveErro(QStringLiteral("uso: lumo-cli [--programa PASTA] ") + c.uso);
    return ErroUso;
}

int FalhaBanco(const ErroBanco& e)
{
    EscreveErro(QStringLiteral("Erro de banco de dados: ") + e.falha().descricao);
    return ErroUso;
}

QString PastaModelo() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("modelo")); }

void InteracaoCli::mensagem(Icone icone, const QString&, const QString& texto)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (icone == Icone::Informacao) {
        Escreve(t);
    } else {
        houveErro = true;
        houveFalha = houveFalha || icone == Icone::Critico;
        EscreveErro(t);
    }
}

bool InteracaoCli::pergunta(const QString&, const QString& texto, Padrao)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const bool sim = resposta_ > 0;
    EscreveErro(t + (sim ? QStringLiteral(" [Sim]") : resposta_ < 0 ? QStringLiteral(" [Não]")
                                                                     : QStringLiteral(" [Não: use --sim para confirmar]")));
    return sim;
}

QString InteracaoCli::escolheArquivo(const QString&, const QString&, const QString&, bool) { return {}; }

// Progress goes to stderr as one line rewritten in place, every whole percent.
void InteracaoCli::progressoInicia(const QString& texto, qint64 total)
{
    textoProgresso_ = texto;
    totalProgresso_ = total;
    ultimoPercentual_ = -1;
}

bool InteracaoCli::progressoAvanca(qint64 feito)
{
    if (totalProgresso_ <= 0)
        return true;
    const int percentual = int(100 * qMin(feito, totalProgresso_) / totalProgresso_);
    if (percentual != ultimoPercentual_) {
        ultimoPercentual_ = percentual;
        std::fprintf(stderr, "\r%s %d%%", textoProgresso_.toUtf8().constData(), percentual);
        std::fflush(stderr);
    }
    return true;
}

void InteracaoCli::progressoTermina()
{
    if (ultimoPercentual_ >= 0)
        std::fputs("\n", stderr);
    ultimoPercentual_ = -1;
}

bool BancoDeConfiguracao(const QString& caminho)
{
    try {
        const Banco b = Banco::abre(caminho);
        return b.tabelaExiste(QStringLiteral("Orgaos")) && b.tabelaExiste(QStringLiteral("OrgaosCad"));
    } catch (const ErroBanco&) {
        return false;
    }
}

int Sessao::abreConfig()
{
    const QString config = ArquivoNaPasta(ctx.pastaPrograma, QStringLiteral("data.mdb"));
    // An empty file opens as an empty database: the tables tell a configuration database.
    if (BancoDeConfiguracao(config)) {
        try {
            ctx.BancoConfig = Banco::abre(config);
            return Ok;
        } catch (const ErroBanco&) {
        }
    }
    EscreveErro(QStringLiteral("Ocorreu um erro na abertura do banco de dados.\n") + config
                + QStringLiteral(" não é um banco de configuração (use 'instalar')."));
    return ErroUso;
}

namespace {
QString pedeSenha()
{
    if (const QByteArray s = qgetenv("LUMO_SENHA"); !s.isNull())
        return QString::fromUtf8(s);
    if (!isatty(STDIN_FILENO))
        return {};
    std::fputs("Senha: ", stderr);
    termios antes{};
    tcgetattr(STDIN_FILENO, &antes);
    termios sem = antes;
    sem.c_lflag &= ~tcflag_t(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &sem);
    QTextStream in(stdin);
    const QString senha = in.readLine();
    tcsetattr(STDIN_FILENO, TCSANOW, &antes);
    std::fputc('\n', stderr);
    return senha;
}
// A damaged body database is told before any command runs on it, not midway.
void verificaBancoOrgao(const Banco& b)
{
    if (b.valor(QStringLiteral("PRAGMA quick_check")).toString() != QStringLiteral("ok"))
        throw ErroBanco({QStringLiteral("Banco"), 11, QStringLiteral("O arquivo do banco de dados está danificado.")});
    for (const char* tabela : {"tabChave", "tabControleMovimento", "tabUsuarios", "tabGrupos"})
        if (!b.tabelaExiste(QString::fromLatin1(tabela)))
            throw ErroBanco({QStringLiteral("Banco"), 11,
                             QStringLiteral("O banco de dados do órgão está incompleto (falta a tabela %1).").arg(QString::fromLatin1(tabela))});
}
} // namespace

int Sessao::entra()
{
    if (int r = abreConfig(); r != Ok)
        return r;
    try {
        const auto configurados = OrgaosConfigurados(ctx.BancoConfig);
        const OrgaoConhecido* escolhido = nullptr;
        for (const auto& o : configurados)
            if (opcoes.orgao.isEmpty() ? configurados.size() == 1 : o.siglaLrf.compare(opcoes.orgao, Qt::CaseInsensitive) == 0)
                escolhido = &o;
        if (!escolhido) {
            if (configurados.empty())
                EscreveErro(QStringLiteral("Nenhum órgão configurado nesta pasta (use 'orgao adicionar')."));
            else if (opcoes.orgao.isEmpty())
                EscreveErro(QStringLiteral("Selecione o órgão a ser mostrado no sistema. (use --orgao)"));
            else
                EscreveErro(QStringLiteral("O órgão ") + opcoes.orgao + QStringLiteral(" não está configurado nesta pasta."));
            return ErroUso;
        }
        EscolheOrgao(ctx, *escolhido);
        if (configurados.size() == 1)
            ctx.PastaOrgao.clear(); // taken automatically, as at start-up
        try {
            SeguraOrgao(ctx.pastaDoOrgao());
        } catch (const ErroBanco& e) {
            EscreveErro(e.falha().descricao); // a backup or restore elsewhere: only the reason
            return ErroUso;
        }
        // Under the lock, so no restore elsewhere is half-way: the folder is put right first.
        ctx.BancoOrgao = AbreBancoOrgao(ctx);
        verificaBancoOrgao(ctx.BancoOrgao);
        CarregaPeriodoAberto(ctx);
        if (opcoes.usuario.isEmpty()) {
            EscreveErro(QStringLiteral("Por favor informe sua identificação de usuário. (use --usuario)"));
            return ErroUso;
        }
        const ResultadoLogin r = Identifica(ctx, opcoes.usuario.toUpper(), pedeSenha());
        // A sign-in that could not read the users is a database error, not a refusal.
        return r == ResultadoLogin::Aceito ? Ok : r == ResultadoLogin::Falhou ? ErroUso : Recusado;
    } catch (const ErroBanco& e) {
        EscreveErro(QStringLiteral("Ocorreu um erro na abertura do banco de dados."));
        return FalhaBanco(e);
    }
}

int Sessao::entraCom(const QStringList& permissoes)
{
    if (int r = entra(); r != Ok)
        return r;
    for (const QString& p : permissoes)
        if (!VerificaPermissao(ctx, p)) {
            EscreveErro(QStringLiteral("Acesso Negado"));
            return Recusado;
        }
    return Ok;
}

} // namespace cli
