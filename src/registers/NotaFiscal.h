#pragma once
#include "core/Moeda.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The invoice of a payment as the user typed it, and what can be said of its authentication
// code without asking anybody: for the 44-digit key of an electronic invoice (model 55), its
// check digit and that the issuer's CNPJ, the year and month of issue, the model, the series and
// the number inside the key agree with the typed invoice; for other invoices, the typed fields
// that can be checked (the issuer's document, the date, the value). What could not be checked is
// said, never taken as valid or invalid.
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

// Checks an invoice; it never asks the network.
class ValidadorNotaFiscal {
public:
    virtual ~ValidadorNotaFiscal() = default;
    virtual ResultadoNotaFiscal valida(const NotaFiscal& nota) const;
};

// The check digit of the first 43 digits of an electronic-invoice key (modulo 11, weights 2 to
// 9 from the right; a remainder of 0 or 1 gives 0).
int DigitoChaveNFe(const QString& chave43);
