#pragma once
#include "core/Moeda.h"
#include "core/Teclas.h"
#include "core/TiposCampo.h"

#include <QComboBox>
#include <QLineEdit>
#include <functional>

class Interacao;
class QTableView;

// The data-entry fields every editor uses. Each one filters the keys the way its kind of
// value asks, selects its whole text when it gains the focus (typing replaces it), moves to
// the next field on Enter and puts its text in shape when it loses the focus.

// Free text: every key but the single quote.
class CampoTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit CampoTexto(QWidget* pai = nullptr);

    // The leave-focus rule, also called by a grid when it takes the text of a cell editor.
    virtual void normaliza() {}
    // Cell editors of a grid: the grid puts the text in shape and opens them with the text
    // already replaced by the first key, so neither happens in the field itself.
    void defineComoEditorDeGrade();

protected:
    virtual ResultadoTecla filtra(QChar tecla);
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

    EstadoCampo estado() const;

private:
    bool editorDeGrade_ = false;
    bool normalizando_ = false;
};

// Money with two decimals; leaves the focus shown "#,##0.00" (or empty when no number).
class CampoValor : public CampoTexto {
    Q_OBJECT
public:
    explicit CampoValor(QWidget* pai = nullptr, int decimais = 2);
    void normaliza() override;
    Moeda valor() const;
    void defineValor(Moeda v);

protected:
    ResultadoTecla filtra(QChar tecla) override;

private:
    int decimais_;
};

class CampoInteiro : public CampoTexto {
    Q_OBJECT
public:
    explicit CampoInteiro(QWidget* pai = nullptr);

protected:
    ResultadoTecla filtra(QChar tecla) override;
};

// Numbers with decimals; a typed point becomes a comma.
class CampoDecimal : public CampoTexto {
    Q_OBJECT
public:
    explicit CampoDecimal(QWidget* pai = nullptr);

protected:
    ResultadoTecla filtra(QChar tecla) override;
};

// "dd/mm/yyyy": the slashes come by themselves while typing; on leaving the date is checked
// and normalised, its messages going through the given interaction.
class CampoData : public CampoTexto {
    Q_OBJECT
public:
    explicit CampoData(Interacao* ui, QWidget* pai = nullptr);
    void normaliza() override;

protected:
    ResultadoTecla filtra(QChar tecla) override;

private:
    Interacao* ui_;
};

// Dates and codes of the personnel editor: digits, "-", "." and "/".
class CampoDataCodigo : public CampoTexto {
    Q_OBJECT
public:
    explicit CampoDataCodigo(QWidget* pai = nullptr);

protected:
    ResultadoTecla filtra(QChar tecla) override;
};

// CPF, CNPJ or either: digits and punctuation; on leaving it is shown punctuated, and a CPF
// whose check digits fail is refused with its message.
class CampoDocumento : public CampoDataCodigo {
    Q_OBJECT
public:
    CampoDocumento(Interacao* ui, TipoCampo tipo, QWidget* pai = nullptr);
    void normaliza() override;

private:
    Interacao* ui_;
    TipoCampo tipo_;
};

class CampoTelefone : public CampoTexto {
    Q_OBJECT
public:
    explicit CampoTelefone(QWidget* pai = nullptr);

protected:
    ResultadoTecla filtra(QChar tecla) override;
};

// One of a list of values (also Sim/Não in a grid cell); shows the texts, keeps the values.
class CampoLista : public QComboBox {
    Q_OBJECT
public:
    CampoLista(const std::vector<OpcaoLista>& opcoes, bool vazia, QWidget* pai = nullptr);
};

// The one factory of editors: the widget for a field of a form (emGrade false) or for a cell of
// a grid (emGrade true: no frame, the grid puts the text in shape). Named "txt" + column.
QWidget* NovoEditorCampo(const DefinicaoCampo& campo, Interacao* ui, QWidget* pai, bool emGrade = false);
// The shown text of any editor the factory makes, and its setting.
QString TextoDoEditor(const QWidget* editor);
void DefineTextoDoEditor(QWidget* editor, const QString& texto);

// The common look of every grid: headers shown, Arial (or the nearest sans-serif) in the
// header and the body, one line per row.
void PadraoGrade(QTableView* grade);

class QKeyEvent;
class QPushButton;
class QTableWidget;

// A read-only list of rows to pick from: whole-row single selection, no row numbers, every
// column fitted to its contents but `elastica`, which takes the rest of the width.
QTableWidget* NovaGradeLista(QWidget* pai, const QStringList& cabecalhos, int elastica);
// Puts the rows in the list grid (its signals held) and makes current the row whose first
// column is `codigo`; returns that row, or -1.
int PreencheGradeLista(QTableWidget* grade, const QList<QStringList>& linhas, const QString& codigo = {});
// The OK and Fechar buttons of a look-up: OK (the default, so Enter on the grid takes the
// selected row) runs `confirma`, Fechar rejects the dialog.
class QDialog;
class QDialogButtonBox;
QDialogButtonBox* BotoesConsulta(QDialog* consulta, const std::function<void()>& confirma);
// The buttons of a register editor in one row: Novo, Gravar, Excluir, then Fechar at the right
// (a screen's own buttons go in at position 3).
class QHBoxLayout;
struct BotoesEditor {
    QPushButton* novo;
    QPushButton* gravar;
    QPushButton* excluir;
    QPushButton* fechar;
    QHBoxLayout* linha;
};
BotoesEditor NovosBotoesEditor(QWidget* tela);
// Closes a screen: the child window that holds it inside the main window, or the screen itself.
void FechaTela(QWidget* tela);
// Enter moves to the next field as Tab does; true when the key was taken.
bool EnterAvancaCampo(QWidget* tela, QKeyEvent* evento);

// A free-text field of a screen: named, with its maximum length.
CampoTexto* NovoCampoTexto(QWidget* pai, const QString& nome, int tamanho);
// A push button of a screen, named, that never takes Enter as its default.
QPushButton* NovoBotao(QWidget* pai, const QString& nome, const QString& texto);
