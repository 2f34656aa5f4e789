#pragma once
#include "core/Moeda.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class Interacao;

// The invoice of a payment as the user typed it, and what can be said of its authentication
// code without asking anybody: for the 44-digit key of an electronic invoice (model 55), its
// check digit, that its state code exists and that the issuer's CNPJ, the year and month of
// issue, the model, the series and the number inside the key agree with the typed invoice; for
// other invoices, the typed fields that can be checked (the issuer's document, the date, the
// value). What could not be checked is said, never taken as valid or invalid.
struct NotaFiscal {
    QString numero;
    QString serie;
    QString emissao;   // "dd/mm/yyyy"
    Moeda valor;
    QString emitente;  // the issuer's CNPJ (or CPF), digits or punctuated
    QString codigo;    // the authentication code, or the 44-digit key
};

struct ResultadoNotaFiscal {
    bool valida = true;
    QStringList motivos;        // why it is not valid, one text each, in the order checked
    QStringList naoVerificados; // what could not be checked offline
};

// Checks an invoice; it never asks the network. The payment editor of Anexo XIV and the
// stand-alone screen call it the same way.
class ValidadorNotaFiscal {
public:
    virtual ~ValidadorNotaFiscal() = default;
    virtual ResultadoNotaFiscal valida(const NotaFiscal& nota) const;
};

// The check digit of the first 43 digits of an electronic-invoice key (modulo 11, weights 2 to
// 9 from the right; a remainder of 0 or 1 gives 0).
int DigitoChaveNFe(const QString& chave43);

// The series text that stands for "no series chosen yet" and the empty issue date as the
// masked field shows it.
inline const QString SerieAVer = QStringLiteral("(Ver Serie)");
inline const QString DataEmissaoVazia = QStringLiteral("__/__/____");

// The invoice's messages are plain boxes: the program's title, no warning sign.
void AvisaNotaFiscal(Interacao& ui, const QString& texto);

// The checks made as each field is left; each shows its message and answers false on failure.
// An empty CNPJ, an empty date and any series but "(Ver Serie)" pass.
bool ConfereCnpjEmitente(Interacao& ui, const QString& cnpj);
bool ConfereDataEmissao(Interacao& ui, const QString& data);
bool ConfereSerieNotaFiscal(Interacao& ui, const QString& serie);

// The message of the first field missing for a validation, in the order they are asked
// (number, series, issue date, value, issuer CNPJ, code); empty when none is missing. A date
// empty or "__/__/____" and a value of zero are missing.
QString FaltaNaNotaFiscal(const NotaFiscal& nota);

// "Validar": the first missing field is told and nothing is checked (nothing comes back);
// otherwise the validator's answer.
std::optional<ResultadoNotaFiscal> ValidaNotaFiscal(Interacao& ui, const ValidadorNotaFiscal& validador,
                                                    const NotaFiscal& nota);
