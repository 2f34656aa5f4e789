#pragma once
#include <QDate>
#include <QString>
#include <vector>

struct Contexto;

// Reporting periods: the next bimester opened, the open one closed, a closed one reopened with
// a reason. At most one period is open ("ABERTO" or "REABERTO") at a time; the context's open
// period follows every change.
struct Periodo {
    QString BimReferencia;      // "201203"
    QDate DataAbertura, DataFechamento, DataReabertura;
    QString Situacao;
    QString MotivoReabertura;
    bool fechado() const { return Situacao.compare(QStringLiteral("FECHADO"), Qt::CaseInsensitive) == 0; }
};

class Banco;
// The period "ABERTO" or "REABERTO" of the database ("201203"); empty when there is none.
QString PeriodoAberto(const Banco& b);

// Most recent first.
std::vector<Periodo> ListaPeriodos(Contexto& ctx);
// "03/2012"; an empty date "__/__/____".
QString DataParaTela(const QDate& data);

// Each asks its question through the context's Interacao and tells the outcome; true when the
// change was made. Database failures are reported with MostraErro.
bool AbreNovoPeriodo(Contexto& ctx, const QDate& hoje = QDate::currentDate());
bool FechaPeriodo(Contexto& ctx, const QString& periodo, const QDate& hoje = QDate::currentDate());
bool ReabrePeriodo(Contexto& ctx, const QString& periodo, const QString& motivo, const QDate& hoje = QDate::currentDate());
