#include "admin/Periodos.h"
#include "admin/Configuracao.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "core/Inicio.h"

namespace {

const QString Erro = QStringLiteral("Erro");

QDate dataIso(const QVariant& v) { return v.isNull() ? QDate() : QDate::fromString(v.toString(), Qt::ISODate); }

// When the period has no responsible persons yet, the latest earlier period's are copied.
void copiaResponsaveis(const Banco& b, const QString& periodo)
{
    for (const Ficha& f : FichasResponsaveis()) {
        const QString& t = f.tabela;
        if (b.existe(QStringLiteral("SELECT 1 FROM %1 WHERE BimReferencia = ?").arg(t), {periodo}))
            continue;
        b.executa(QStringLiteral("INSERT INTO %1 (bimreferencia,%2) SELECT ?,%2 FROM %1 WHERE BimReferencia IN "
                                 "(SELECT max(BimReferencia) FROM %1 WHERE BimReferencia < ?)")
                      .arg(t, ColunasDaFicha(f)),
                  {periodo, periodo});
    }
}

bool existeAberto(const Banco& b)
{
    return b.existe(QStringLiteral("SELECT 1 FROM tabControleMovimento WHERE NOT Situacao = 'FECHADO'"));
}

// The period after the latest one of the exercise; empty when the six are there.
QString proximoPeriodo(const Banco& b)
{
    QString maior = b.valor(QStringLiteral("SELECT MAX(BimReferencia) AS Bimestre FROM tabControleMovimento")).toString();
    if (maior.isEmpty() || maior.left(4) != AnoExercicio)
        maior = AnoExercicio + QStringLiteral("00");
    const int bimestre = maior.mid(4, 2).toInt();
    return bimestre >= 6 ? QString() : AnoExercicio + QStringLiteral("%1").arg(bimestre + 1, 2, 10, QLatin1Char('0'));
}

const QString SeisBimestres = QStringLiteral("Impossível abrir novo bimestre, já existem 6 (seis) bimestres cadastrados");

// A refusal found inside the write transaction, shown once the transaction is over so that no
// message box keeps the database locked.
struct Recusa {
    QString titulo;
    QString texto;
    explicit operator bool() const { return !texto.isEmpty(); }
};

} // namespace

QString PeriodoAberto(const Banco& b)
{
    return b.valor(QStringLiteral("SELECT bimreferencia FROM tabControleMovimento where situacao = 'ABERTO' or situacao = 'REABERTO'"))
        .toString()
        .trimmed();
}

QString DataParaTela(const QDate& data)
{
    return data.isValid() ? data.toString(QStringLiteral("dd/MM/yyyy")) : QStringLiteral("__/__/____");
}

std::vector<Periodo> ListaPeriodos(Contexto& ctx)
{
    QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral(
        "SELECT BimReferencia, DataAbertura, Situacao, DataFechamento, DataReabertura, MotivoReabertura "
        "FROM tabControleMovimento ORDER BY BimReferencia DESC"));
    std::vector<Periodo> r;
    while (q.next())
        r.push_back({q.value(0).toString().trimmed(), dataIso(q.value(1)), dataIso(q.value(3)), dataIso(q.value(4)),
                     q.value(2).toString(), q.value(5).toString()});
    return r;
}

bool AbreNovoPeriodo(Contexto& ctx, const QDate& hoje)
{
    Interacao& ui = ctx.interacao();
    try {
        const Banco& b = ctx.BancoOrgao;
        QString periodo = proximoPeriodo(b);
        if (periodo.isEmpty()) {
            Avisa(ui, Interacao::Icone::Aviso, TituloMensagem, SeisBimestres);
            return false;
        }
        if (!ui.pergunta(QStringLiteral("Novo Movimento"),
                         QStringLiteral("Confirma abertura do novo movimento (") + PeriodoFormatado(periodo) + QStringLiteral(") ?")))
            return false;
        // The checks are made again inside the write transaction: another program may have
        // opened a period since the question.
        Recusa recusa;
        {
            Transacao t(b);
            periodo = proximoPeriodo(b);
            if (periodo.isEmpty())
                recusa = {TituloMensagem, SeisBimestres};
            else if (existeAberto(b))
                recusa = {Erro, QStringLiteral("Impossível abrir novo movimento: \rExiste bimestre em Aberto. Após a confirmação dos dados, "
                                               "feche-o, e então abra o novo movimento.")};
            else {
                b.executa(QStringLiteral("INSERT INTO tabControleMovimento (BimReferencia, DataAbertura, Situacao) VALUES (?, ?, 'ABERTO')"),
                          {periodo, hoje.toString(Qt::ISODate)});
                copiaResponsaveis(b, periodo);
                t.confirma();
            }
        }
        if (recusa) {
            Avisa(ui, Interacao::Icone::Aviso, recusa.titulo, recusa.texto);
            return false;
        }
        CarregaPeriodoAberto(ctx);
        Avisa(ui, Interacao::Icone::Informacao, TituloPrograma,
              QStringLiteral("O novo bimestre ") + PeriodoFormatado(periodo) + QStringLiteral(" foi aberto com sucesso."));
        return true;
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Erro ao tentar abrir o novo bimestre."), e.falha());
        return false;
    }
}

bool FechaPeriodo(Contexto& ctx, const QString& periodo, const QDate& hoje)
{
    Interacao& ui = ctx.interacao();
    try {
        const Banco& b = ctx.BancoOrgao;
        if (!ui.pergunta(QStringLiteral("Fechar Movimento"),
                         QStringLiteral("Confirma fechamento do bimestre ") + PeriodoFormatado(periodo) + QStringLiteral(" ?")))
            return false;
        Recusa recusa;
        {
            Transacao t(b);
            const QVariant situacao = b.valor(QStringLiteral("SELECT Situacao FROM tabControleMovimento WHERE BimReferencia = ?"), {periodo});
            if (!situacao.isValid())
                return false;
            if (situacao.toString() == QStringLiteral("FECHADO"))
                recusa = {Erro, QStringLiteral("Impossível fechar: O movimento já se encontra fechado.")};
            else {
                b.executa(QStringLiteral("UPDATE tabControleMovimento SET Situacao = 'FECHADO', DataFechamento = ? WHERE BimReferencia = ?"),
                          {hoje.toString(Qt::ISODate), periodo});
                t.confirma();
            }
        }
        if (recusa) {
            Avisa(ui, Interacao::Icone::Aviso, recusa.titulo, recusa.texto);
            return false;
        }
        CarregaPeriodoAberto(ctx);
        Avisa(ui, Interacao::Icone::Informacao, TituloPrograma, QStringLiteral("Fechamento efetuado com sucesso."));
        return true;
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Erro ao tentar fechar o bimestre."), e.falha());
        return false;
    }
}

bool ReabrePeriodo(Contexto& ctx, const QString& periodo, const QString& motivo, const QDate& hoje)
{
    Interacao& ui = ctx.interacao();
    try {
        const Banco& b = ctx.BancoOrgao;
        if (!ui.pergunta(QStringLiteral("Reabrir Movimento"),
                         QStringLiteral("Confirma reabertura do bimestre ") + PeriodoFormatado(periodo) + QStringLiteral(" ?")))
            return false;
        Recusa recusa;
        {
            Transacao t(b);
            const QVariant situacao = b.valor(QStringLiteral("SELECT Situacao FROM tabControleMovimento WHERE BimReferencia = ?"), {periodo});
            if (!situacao.isValid())
                return false;
            if (situacao.toString() != QStringLiteral("FECHADO"))
                recusa = {Erro, QStringLiteral("Impossível reabrir: O movimento já se encontra aberto.")};
            else if (motivo.trimmed().isEmpty())
                recusa = {Erro, QStringLiteral("Impossível reabrir: O motivo de reabertura deve ser informado.")};
            else if (existeAberto(b))
                recusa = {Erro, QStringLiteral("Impossível reabrir: Já existe movimento em aberto.")};
            else {
                b.executa(QStringLiteral("UPDATE tabControleMovimento SET Situacao = 'REABERTO', DataReabertura = ?, "
                                         "DataFechamento = NULL, MotivoReabertura = ? WHERE BimReferencia = ?"),
                          {hoje.toString(Qt::ISODate), motivo, periodo});
                copiaResponsaveis(b, periodo);
                t.confirma();
            }
        }
        if (recusa) {
            Avisa(ui, Interacao::Icone::Aviso, recusa.titulo, recusa.texto);
            return false;
        }
        CarregaPeriodoAberto(ctx);
        Avisa(ui, Interacao::Icone::Informacao, TituloPrograma,
              QStringLiteral("Reabertura efetuada com sucesso.\rApós correção dos dados, faça nova geração do disquete para o Vantor."));
        return true;
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Erro ao tentar reabrir o bimestre."), e.falha());
        return false;
    }
}
