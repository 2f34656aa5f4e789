#pragma once
#include <QString>

// Document numbers of people (CPF, 11 digits) and companies (CNPJ, 14 digits).

// 11 digits, not all zero, both check digits right.
bool ValidaCPF(const QString& cpf);
// 14 digits, not all zero, both check digits right.
bool ValidaCNPJ(const QString& cnpj);
// pontua: 11 digits -> "000.000.000-00", 14 digits -> "00.000.000/0000-00".
// Otherwise the punctuated forms (14 or 18 characters) give back their digits.
// Any other length gives an empty text.
QString FormataDocumento(const QString& documento, bool pontua);

class Interacao;
// Leaving a CPF field: an empty field passes; a number whose digits fail ValidaCPF is refused
// with "O número de CPF é inválido." titled "Erro".
bool ConfereCPF(Interacao& ui, const QString& texto);
