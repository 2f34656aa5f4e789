#pragma once
#include <QChar>
#include <QString>

// Key filters of the data-entry fields. Each takes the typed character and returns the one to
// keep; a null character discards the key. They hold no widget: the fields call them from their
// key handlers, the tests call them directly.

namespace tecla {
inline constexpr char16_t Retrocesso = 8;
inline constexpr char16_t Enter = 13;
inline constexpr char16_t Delete = 127;
} // namespace tecla

// What the field looks like when the key arrives: its text, the caret, and the selection
// (start and length; length 0 when nothing is selected).
struct EstadoCampo {
    QString texto;
    int cursor = 0;
    int inicioSelecao = 0;
    int tamanhoSelecao = 0;

    static EstadoCampo noFim(const QString& texto)
    {
        return {texto, int(texto.size()), int(texto.size()), 0};
    }
};

// Some keys change the field before they are typed (a comma first turns the field into "0").
// When novoTexto is set, the field takes that text with the caret at novoCursor (no selection)
// and then the kept key, if any, is typed at the caret.
struct ResultadoTecla {
    QChar tecla;
    bool trocaTexto = false;
    QString novoTexto;
    int novoCursor = 0;

    bool aceita() const { return !tecla.isNull(); }
};

// Money: digits, one comma with at most `decimais` digits after it, backspace.
ResultadoTecla FiltraTeclaValor(QChar tecla, const EstadoCampo& campo, int decimais = 2);
// Numbers with decimals: a typed point becomes a comma.
QChar FiltraTeclaDecimal(QChar tecla);
QChar FiltraTeclaInteiro(QChar tecla);
// Dates and codes typed together (personnel): digits, "-", ".", "/".
QChar FiltraTeclaDataCodigo(QChar tecla);
// Telephones: digits, "(", ")", "-", "+" and the space.
QChar FiltraTeclaTelefone(QChar tecla);
// Free text: every key but the single quote.
QChar BloqueiaAspas(QChar tecla);
// "/" when the date being typed holds 2 or 5 characters, so that "dd/mm/yyyy" forms itself.
QString CompletaBarraData(const QString& texto);
