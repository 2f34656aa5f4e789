#pragma once
#include "core/Moeda.h"
#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

class Interacao;

// The value conversions every screen shares: money, dates, periods, documents as text.

// "#,##0.00" when the trimmed text is a number, otherwise an empty text.
QString FormataValor(const QString& texto);
// 0 for a blank text; keeps digits, commas and points, reads them with the Brazilian
// separators, and negates when a "-" stands anywhere. Text that still is no number gives 0.
Moeda ValorDeTexto(const QString& texto);
// Blank stays blank; a valid date from 01/01/1900 on comes back "dd/mm/yyyy"; otherwise a
// message and today's date.
QString FormataData(Interacao& ui, const QString& texto, const QDate& hoje = QDate::currentDate());
// Reads "dd/mm/yyyy" and the other forms people type (d/m/yy, d-m-yyyy, yyyy-mm-dd).
std::optional<QDate> DataDeTexto(const QString& texto);
QString SomenteDigitos(const QString& texto);
// "201203" -> "032012" and back.
QString PeriodoParaTela(const QString& periodo);
QString PeriodoDeTela(const QString& tela);
// "201203" -> "03/2012".
QString PeriodoFormatado(const QString& periodo);
QString TextoOuPadrao(const QVariant& texto, const QString& padrao);
QString TextoDoCampo(const QVariant& campo);
// A single quote becomes an acute accent, so that a typed name never breaks a text.
QString TrocaAspas(const QString& texto);
