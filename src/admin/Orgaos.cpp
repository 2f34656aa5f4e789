#include "admin/Orgaos.h"
#include "core/Trava.h"
#include "admin/Periodos.h"
#include "core/Contexto.h"
#include "core/Inicio.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
std::vector<OrgaoConhecido> lista(const Banco& config, bool soConfigurados)
{
    const QString sql = soConfigurados
        ? QStringLiteral("SELECT Orgaos.Codigo, Orgaos.nome, Orgaos.sigla_lrf, OrgaosCad.pasta_dados FROM Orgaos "
                         "INNER JOIN OrgaosCad ON Orgaos.sigla_lrf = OrgaosCad.Codigo_Lrf ORDER BY Orgaos.Codigo")
        : QStringLiteral("SELECT Orgaos.Codigo, Orgaos.nome, Orgaos.sigla_lrf, OrgaosCad.pasta_dados FROM Orgaos "
                         "LEFT JOIN OrgaosCad ON Orgaos.sigla_lrf = OrgaosCad.Codigo_Lrf ORDER BY Orgaos.Codigo");
    QSqlQuery q = config.executa(sql);
    std::vector<OrgaoConhecido> r;
    while (q.next())
        r.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), !q.value(3).isNull(),
                     q.value(3).toString()});
    return r;
}
} // namespace

std::vector<OrgaoConhecido> OrgaosConhecidos(const Banco& config) { return lista(config, false); }
std::vector<OrgaoConhecido> OrgaosConfigurados(const Banco& config) { return lista(config, true); }

bool CopiaArquivos(const QString& origem, const QString& destino)
{
    QDir dir(origem);
    if (!dir.exists() || !QDir().mkpath(destino))
        return false;
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files)) {
        const QString alvo = QDir(destino).filePath(f.fileName());
        if (QFileInfo::exists(alvo) && !QFile::remove(alvo))
            return false;
        if (!QFile::copy(f.filePath(), alvo))
            return false;
    }
    return true;
}

QString ConfiguraOrgao(const QString& pastaPrograma, const Banco& config, const QString& siglaLrf)
{
    // Checked and recorded in one write transaction: two programs adding the same body at once
    // cannot both pass the check.
    Transacao t(config);
    QSqlQuery q = config.executa(QStringLiteral("SELECT Codigo, nome FROM Orgaos WHERE sigla_lrf = ?"), {siglaLrf});
    if (!q.next())
        throw ErroBanco({QStringLiteral("ConfiguraOrgao"), 0, QStringLiteral("Órgão não encontrado: ") + siglaLrf});
    const QString pasta = q.value(0).toString().trimmed();
    q = QSqlQuery();
    if (config.existe(QStringLiteral("SELECT 1 FROM OrgaosCad WHERE Codigo_Lrf = ?"), {siglaLrf}))
        throw ErroBanco({QStringLiteral("ConfiguraOrgao"), 0, QStringLiteral("O órgão já está configurado: ") + siglaLrf});
    const QString destino = QDir(pastaPrograma).filePath(pasta);
    const QString modelo = ArquivoNaPasta(pastaPrograma, QStringLiteral("data"));
    // A folder that already holds a body database is never overwritten.
    if (QFileInfo::exists(ArquivoNaPasta(destino, QStringLiteral("Lumo.mdb"))))
        throw ErroBanco({QStringLiteral("ConfiguraOrgao"), 0,
                         QStringLiteral("A pasta do órgão já contém um banco de dados: ") + destino});
    if (!CopiaArquivos(modelo, destino))
        throw ErroBanco({QStringLiteral("CopiaArquivos"), 0, QStringLiteral("Operação de cópia falhou.")});
    config.executa(QStringLiteral("INSERT INTO OrgaosCad (Codigo_Lrf, Pasta_Dados) VALUES (?, ?)"), {siglaLrf, pasta});
    t.confirma();
    return pasta;
}

void EscolheOrgao(Contexto& ctx, const OrgaoConhecido& orgao)
{
    ctx.PastaOrgao = orgao.pastaDados;
    ctx.PastaDados = u'\\' + orgao.pastaDados.trimmed() + u'\\';
    ctx.CodigoOrgao = orgao.siglaLrf;
}

void AbreOrgaoNovo(Contexto& ctx, const OrgaoConhecido& orgao)
{
    EscolheOrgao(ctx, orgao);
    SeguraOrgao(ctx.pastaDoOrgao());
    ctx.BancoOrgao = AbreBancoOrgao(ctx);
    AplicaPadroesPrimeiraAbertura(ctx);
}

void AplicaPadroesPrimeiraAbertura(Contexto& ctx)
{
    Transacao t(ctx.BancoOrgao);
    if (!ctx.BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabChave")))
        ctx.BancoOrgao.executa(QStringLiteral("INSERT INTO tabChave (Codigo_tabOrgaos, VersaoAtualAplicativo, RevisaoAtual, backup) "
                                              "VALUES (?, '7.0', ?, 1)"),
                               {ctx.CodigoOrgao, RevisaoPrograma()});
    if (PeriodoAberto(ctx.BancoOrgao).isEmpty())
        ctx.BancoOrgao.executa(QStringLiteral("INSERT INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) "
                                              "VALUES (?, ?, 'ABERTO')"),
                               {AnoExercicio + QStringLiteral("01"), QDate::currentDate().toString(Qt::ISODate)});
    t.confirma();
}

QStringList InstalaPrograma(const QString& modelo, const QString& pastaPrograma)
{
    QStringList feito;
    if (!QDir().mkpath(pastaPrograma))
        throw ErroBanco({QStringLiteral("Instalar"), 0, QStringLiteral("Não foi possível criar a pasta ") + pastaPrograma});
    const QString config = ArquivoNaPasta(pastaPrograma, QStringLiteral("data.mdb"));
    if (!QFileInfo::exists(config)) {
        if (!QFile::copy(QDir(modelo).filePath(QStringLiteral("data.mdb")), config))
            throw ErroBanco({QStringLiteral("Instalar"), 0, QStringLiteral("Operação de cópia falhou.")});
        QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        feito << QStringLiteral("data.mdb");
    }
    const QString dados = ArquivoNaPasta(pastaPrograma, QStringLiteral("data"));
    QDir origem(QDir(modelo).filePath(QStringLiteral("data")));
    QDir().mkpath(dados);
    for (const QFileInfo& f : origem.entryInfoList(QDir::Files)) {
        const QString alvo = ArquivoNaPasta(dados, f.fileName());
        if (QFileInfo::exists(alvo))
            continue;
        if (!QFile::copy(f.filePath(), alvo))
            throw ErroBanco({QStringLiteral("Instalar"), 0, QStringLiteral("Operação de cópia falhou.")});
        QFile::setPermissions(alvo, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        feito << QStringLiteral("data/") + f.fileName();
    }
    return feito;
}

QString MensagemOrgaoCriado(const QString& nome)
{
    return QStringLiteral("O programa Lumo criou uma pasta para armazenar as informações do órgão ") + nome
        + QStringLiteral(". Para concluir a configuração, informe os dados referente ao responsável pelo órgão, "
                         "responsável pela contabilidade e responsável pelo preenchimento das informações.");
}
