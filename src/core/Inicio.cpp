#include "core/Inicio.h"
#include "core/Contexto.h"
#include "core/Trava.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

bool FormatoDataValido(const QString& s)
{
    if (s.trimmed().size() < 10)
        return false;
    bool ok1 = false, ok2 = false;
    const int dia = s.mid(0, 2).toInt(&ok1);
    const int mes = s.mid(3, 2).toInt(&ok2);
    // A part that is no number reads as 0, as the original's conversion did.
    return !((ok1 && dia > 31) || (ok2 && mes > 12));
}

QString MensagemFormatoData(const QString& s)
{
    return QStringLiteral("Formato de Data Inválido, ") + s
        + QStringLiteral(", Utilize o painel de Controle para alterar para dd/mm/yyyy");
}

Atualizador IniciaAtualizador(const QString& pastaPrograma, Interacao& ui,
                              const std::function<bool(const QString&)>& inicia)
{
    const QString atualizador = ArquivoNaPasta(pastaPrograma, QStringLiteral("update.exe"));
    if (!QFileInfo(atualizador).isFile())
        return Atualizador::Ausente;
    if (inicia(atualizador))
        return Atualizador::Iniciado;
    MostraErro(ui, QStringLiteral("Erro ao tentar Executar o programa de atualização."),
               {QStringLiteral("IniciaAtualizador"), 53,
                QStringLiteral("Não foi possível iniciar ") + QDir::toNativeSeparators(atualizador)});
    return Atualizador::Falhou;
}

bool IniciaProgramaSeparado(const QString& programa)
{
    return QProcess::startDetached(programa, {}, QFileInfo(programa).absolutePath());
}

void RecuperaPastaDoOrgao(const QString& pastaDoOrgao, const QString& nomeBanco)
{
    const QString banco = ArquivoNaPasta(pastaDoOrgao, nomeBanco);
    const QString original = ArquivoNaPasta(pastaDoOrgao, QStringLiteral("lumoOri.mdb"));
    if (!QFileInfo::exists(banco) && QFileInfo(original).isFile())
        QFile::rename(original, banco);
    // Without CaseSensitive the name filters ignore case, as the file names do elsewhere.
    const QDir pasta(pastaDoOrgao);
    const QStringList sobras = pasta.entryList({QStringLiteral("lumo2.mdb*"), QStringLiteral("lumoRestauracao.mdb*"),
                                                QStringLiteral("BackupLumo.lrf.tmp*")},
                                               QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& nome : sobras)
        QFile::remove(pasta.filePath(nome));
}

Banco AbreBancoOrgao(Contexto& ctx)
{
    RecuperaPastaDoOrgao(ctx.pastaDoOrgao(), ctx.NomeBanco);
    return Banco::abre(ctx.caminhoBancoOrgao());
}

Abertura AbreBancos(Contexto& ctx, const std::function<void(Contexto&)>& escolheOrgao)
{
    try {
        ctx.NomeBanco = QStringLiteral("Lumo.mdb");
        ctx.BancoConfig = Banco::abre(ArquivoNaPasta(ctx.pastaPrograma, QStringLiteral("data.mdb")));
        QSqlQuery q = ctx.BancoConfig.executa(QStringLiteral("select codigo_lrf, pasta_dados from OrgaosCad"));
        int linhas = 0;
        QString codigo, pasta;
        while (q.next()) {
            if (++linhas == 1) {
                codigo = q.value(0).toString();
                pasta = q.value(1).toString();
            }
        }
        q = QSqlQuery();
        ctx.semOrgao = linhas == 0;
        if (linhas == 1) {
            ctx.PastaDados = u'\\' + pasta.trimmed() + u'\\';
            ctx.CodigoOrgao = codigo;
        } else {
            escolheOrgao(ctx);
        }
        if (ctx.PastaDados.trimmed().isEmpty())
            return Abertura::Abandonada;
        try {
            SeguraOrgao(ctx.pastaDoOrgao());
        } catch (const ErroBanco& e) {
            MostraAviso(ctx.interacao(), e.falha().descricao);
            return Abertura::Abandonada;
        }
        ctx.BancoOrgao = AbreBancoOrgao(ctx); // under the lock: no restore is half-way
        return Abertura::Aberta;
    } catch (const ErroBanco&) {
        return Abertura::Falhou;
    }
}

Revisao VerificaRevisao(Contexto& ctx, const std::function<bool(const QString&)>& iniciaAtualizador)
{
    const QString r = RevisaoPrograma();
    auto rodaAtualizador = [&] {
        switch (IniciaAtualizador(ctx.pastaPrograma, ctx.interacao(), iniciaAtualizador)) {
        case Atualizador::Ausente:
            return Revisao::Continua;
        case Atualizador::Iniciado:
            return Revisao::AtualizadorIniciado;
        case Atualizador::Falhou:
            break;
        }
        return Revisao::Encerra;
    };
    try {
        QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT RevisaoAtual FROM tabChave"));
        if (!q.next()) {
            q = QSqlQuery();
            ctx.BancoOrgao.executa(QStringLiteral("INSERT INTO tabChave (Codigo_tabOrgaos, VersaoAtualAplicativo, RevisaoAtual) "
                                                  "VALUES (?, '6.0', ?)"),
                                   {ctx.CodigoOrgao, r});
            return Revisao::Continua;
        }
        const QVariant atual = q.value(0);
        q = QSqlQuery();
        if (atual.isNull() || atual.toString().trimmed().isEmpty()) {
            ctx.BancoOrgao.executa(QStringLiteral("UPDATE tabChave SET RevisaoAtual = ?"), {r});
            return rodaAtualizador();
        }
        // The package generation stamps the whole version (" 7.2.0"): the same program.
        if (atual.toString() == r || atual.toString().trimmed() == VersaoPrograma())
            return Revisao::Continua;
        // Every configured body is stamped before the updater runs, so it runs once per
        // revision. The active body stays the one that was opened.
        QSqlQuery orgaos = ctx.BancoConfig.executa(QStringLiteral("select pasta_dados from OrgaosCad"));
        while (orgaos.next()) {
            const QString caminho = ArquivoNaPasta(QDir(ctx.pastaPrograma).filePath(orgaos.value(0).toString().trimmed()),
                                                   QStringLiteral("lumo.mdb"));
            if (QFileInfo(caminho).canonicalFilePath() == QFileInfo(ctx.BancoOrgao.caminho()).canonicalFilePath()) {
                ctx.BancoOrgao.executa(QStringLiteral("UPDATE tabChave SET RevisaoAtual = ?"), {r});
            } else {
                Banco outro = Banco::abre(caminho);
                outro.executa(QStringLiteral("UPDATE tabChave SET RevisaoAtual = ?"), {r});
            }
        }
        return rodaAtualizador();
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar Verificar Versão."), e.falha());
        return Revisao::Continua;
    }
}

void CarregaPeriodoAberto(Contexto& ctx)
{
    QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral(
        "SELECT BimReferencia FROM tabControleMovimento WHERE Situacao <> 'FECHADO' ORDER BY BimReferencia ASC"));
    if (!q.next()) {
        ctx.BimReferencia.clear();
        ctx.BimestreAberto.clear();
        return;
    }
    ctx.BimReferencia = q.value(0).toString().trimmed();
    ctx.BimestreAberto = ctx.BimReferencia.mid(4, 2);
}

bool QuerBackup(Contexto& ctx)
{
    QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT backup FROM tabChave"));
    if (!q.next() || q.value(0).isNull())
        return true;
    return q.value(0).toInt() != 0;
}
