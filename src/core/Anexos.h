#pragma once
#include <QString>
#include <QStringList>
#include <vector>

class Banco;

// The annexes by slot. Slots 1 to 21 are Anexos 01 to 21, slot 22 Anexo 22A, slot 23
// Anexo 22B, slot k from 24 to 43 Anexo k - 1; slot 44 is the register of managing units
// that some kinds of body owe every bimester.
struct DefinicaoAnexo {
    int slot = 0;
    QString numero;         // "01", "22A", "42"
    QString titulo;         // as the summary and the menus show it
    QStringList tabelas;    // the annex's tables; the first is the one that tells whether it was filled
};

const std::vector<DefinicaoAnexo>& CatalogoAnexos();
const DefinicaoAnexo* AnexoDoSlot(int slot);
// Key of the slot in tabMenu/tabIndice: "01".."44", "22A" for slot 22.
QString ChaveDoSlot(int slot);
// Whether the annex's main table holds a row of the period (Anexo 03 by month).
bool AnexoPreenchido(const Banco& banco, const DefinicaoAnexo& anexo, const QString& periodo);
