#pragma once
#include "core/Contexto.h"
#include "core/TiposCampo.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

// The registers edited row by row in a grid (sources of funds, banks, classification registers,
// registers of acts, Anexo I lines) and the fixed-line statements saved period by period: a
// definition says what the grid shows and where it is stored; Grade keeps the rows of the open
// period and applies the row rules (required cells, duplicate key, code look-ups, callbacks,
// INSERT/UPDATE/DELETE or the whole period's save, copy from an earlier period). The widget only
// shows it.

class Grade;

enum class TipoColuna {
    Entrada,     // typed by the user
    Descricao,   // looked up from a code: grey, read-only
    Calculada,   // filled by the rules: read-only
    Obrigatoria, // typed, and a row is not stored without it: yellow
};

// Cell kinds are the field kinds of the forms.
using FormatoColuna = TipoCampo;

// One column of the table that a composite cell is made of: `tamanho` characters from
// `inicio` (0-based) of the cell; tamanho -1 takes the rest.
struct ParteColuna {
    QString campo;
    int inicio = 0;
    int tamanho = -1;
};

struct ColunaGrade {
    QString campo;  // column of the table (or name given to `expressao`)
    QString titulo;
    TipoColuna tipo = TipoColuna::Entrada;
    FormatoColuna formato = FormatoColuna::Texto;
    int largura = 100;
    int tamanhoMaximo = 0; // 0: no limit
    bool oculta = false;
    // SQL read in place of the column, e.g. a description looked up by code; the register's
    // table is "t" in it.
    QString expressao;
    // Written by INSERT and UPDATE. Looked-up descriptions are not.
    bool gravada = true;
    // What is stored from what is shown ("001-Banco do Brasil" is stored "001").
    std::function<QVariant(const QVariant&)> paraGravar;
    // The rest of the cell kind (see DefinicaoCampo).
    int decimais = 2;
    bool dataIso = false;
    std::vector<OpcaoLista> opcoes;
    // A code column: its description is read into `consulta.destino` with the listing and again
    // when the user changes the code.
    ConsultaCodigo consulta;
    // A cell stored in several columns of the table (function + sub-function in "Código
    // Funcional"): read as their concatenation, each part written from its characters. `campo`
    // then names the cell only.
    std::vector<ParteColuna> partes;
    // The picker that fills this cell (and others of the row): its id among the screens'
    // pickers (F4 in the cell). Empty: none.
    QString seletor;
    // Typed on a new row only: once stored it is never rewritten (a number other registers name).
    bool soNaInclusao = false;
    // What a new row shows in the cell before anything is typed ("0,00" for a value); a row
    // holding only such values still counts as empty.
    QVariant inicial;

    bool somenteLeitura() const { return tipo == TipoColuna::Descricao || tipo == TipoColuna::Calculada; }
    DefinicaoCampo comoCampo() const;
};

// A detail grid follows one row of its master grid: `coluna` of the detail takes the master
// row's `colunaMestre`. Filtering links select the detail rows (and the duplicate test stays
// within them); the others are only written into new rows (a number copied from the master).
struct VinculoMestre {
    QString coluna;
    QString colunaMestre;
    bool filtra = true;
};

inline const QString TituloAtencao = QStringLiteral("Atenção");
inline const QString PerguntaExclusaoLinha = QStringLiteral("Confirma a Exclusão da Linha ?");
inline const QString MensagemPreenchaTodos = QStringLiteral("Preencha Todos os Campos.");

// A refusal by a callback: the text is shown with MostraAviso; an empty text refuses without a
// message (the callback showed its own). std::nullopt lets the row through.
using Recusa = std::optional<QString>;
// Shows a refusal (when it has a text) and tells whether there was one.
bool Recusou(Interacao& ui, const Recusa& recusa);

struct DefinicaoGrade {
    enum class Copia {
        Substitui, // the open period's rows are replaced by the earlier period's
        Completa,  // only the keys missing in the open period are added
    };

    QString tabela;
    QStringList chave;                                   // identify a row within its period
    QString colunaPeriodo = QStringLiteral("BimReferencia"); // empty: a register without period
    QString ordem;                                       // ORDER BY of the listing
    // A further condition of the listing on "t" (the revenue lines of the body's sphere), with
    // its bound values.
    QString condicao;
    QVariantList valoresCondicao;
    std::vector<ColunaGrade> colunas;
    QString identificador;          // column given the next code (ProximoCodigo) on INSERT
    bool listaAnteriores = false;   // also lists earlier periods (grey, read-only)
    QString mensagemDuplicada;      // refusal of a new row whose key exists; empty: no check
    // The duplicate key is also told as soon as the last key cell of a new row is typed; the key
    // cells are then emptied.
    bool duplicadaAoDigitar = false;
    // Told when a required cell is empty. Empty: the required cells are only drawn yellow, and
    // the register tests them itself (antesGravar), each with its own text, in its own order.
    QString mensagemObrigatorio = MensagemPreenchaTodos;

    bool ofereceCopia = false;
    Copia modoCopia = Copia::Substitui;
    bool copiaUltimoAnterior = false; // the latest earlier period with rows, not only the previous one
    QString perguntaCopia = QStringLiteral("Todos os atuais Cadastros serão substituidas pelos do Bimestre Anterior.")
        + u'\n' + QStringLiteral("Deseja Continuar ?");
    QString mensagemSemAnterior;   // shown when the earlier period has nothing to copy
    QString mensagemCopiaFeita;    // shown after a copy
    QStringList periodosSemCopia;  // open periods in which the copy is not offered
    // Tables of the same period copied along with this one (a programme's projects), in the
    // same transaction and the same way.
    QStringList copiaTambem;

    // Before a typed text goes into a cell, with the cell still holding its previous value: a
    // refusal shows its text (none when empty) and leaves the cell as it was, unless the
    // callback changed it.
    std::function<Recusa(Grade&, int linha, int coluna, const QString& texto)> antesAlterar;
    // After the user changed a cell (it may fill or empty other cells of the row).
    std::function<void(Grade&, int linha, int coluna)> aposAlterar;
    // Before a row is stored, after the required cells and the duplicate key. It runs inside the
    // row's write transaction: it returns its refusal text rather than showing a box itself.
    std::function<Recusa(Grade&, int linha)> antesGravar;
    // After a row was stored and its transaction ended (nova: it was inserted); it may tell
    // the user something, the row stays stored.
    std::function<void(Grade&, int linha, bool nova)> aposGravar;
    // Before the deletion question, and again inside the deletion's write transaction.
    std::function<Recusa(Grade&, int linha)> antesExcluir;
    // The deletion question (title, text) when the register asks its own; otherwise
    // "Confirma a Exclusão da Linha ?" titled "Atenção".
    std::function<std::pair<QString, QString>(const Grade&, int linha)> perguntaExclusao;

    // Detail grids: the master's columns that select and fill their rows. Without a master row
    // the detail is empty and takes no row.
    std::vector<VinculoMestre> mestre;
    QString mensagemSemMestre;     // told when a new row is asked for without a master row
    // The origin the error box names when the database fails to insert a row (empty: the
    // database's own).
    QString origemErroInclusao;
    // Rows that are shown but never changed nor deleted, besides those of other periods: a row
    // whose `colunaSomenteLeitura` holds a true value (non-blank, not 0), or for which the
    // predicate says so.
    QString colunaSomenteLeitura;
    std::function<bool(const Grade&, int linha)> linhaSomenteLeitura;
    bool permiteIncluir = true;
    bool permiteExcluir = true;
    // Money cells left empty are stored as 0 (the Anexo I amounts are never null).
    bool valoresVaziosSaoZero = false;

    // Whole-period save (the fixed-line statements): leaving a row stores nothing; gravaPeriodo()
    // deletes the period's rows and inserts every line in one transaction, then shows
    // `mensagemGravado` when set. The grid shows every line of `consultaCatalogo` in its order
    // (result columns named as the grid's), the stored row where there is one, else a line whose
    // money cells start at 0; `valoresCatalogo` are bound to its "?" (the body's sphere, say).
    bool gravaPeriodoInteiro = false;
    QString mensagemGravado;
    QString consultaCatalogo;
    QVariantList valoresCatalogo;

    // Work that belongs to opening and to closing the editor (the carry-over of the previous
    // bimester, the rebuild of a derived table): run by the screen before the first listing and
    // after the last row is stored. Each is one rule of the library, tested without a screen.
    std::function<void(Contexto&)> aoAbrir;
    std::function<void(Contexto&)> aoFechar;
};

// Told of the changes of the rows, so that a view can follow them.
class ObservadorGrade {
public:
    virtual ~ObservadorGrade() = default;
    virtual void inicioRecarga() {}
    virtual void fimRecarga() {}
    virtual void inicioInclusao(int /*linha*/) {}
    virtual void fimInclusao() {}
    virtual void inicioRemocao(int /*linha*/) {}
    virtual void fimRemocao() {}
    virtual void linhaMudou(int /*linha*/) {}
};

class Grade {
public:
    enum class Estado { Gravada, Alterada, Nova };
    struct Linha {
        QVariantList valores;   // stored form: money in ten-thousandths, dates "dd/mm/yyyy"
        QVariantList originais; // as last read or stored (Esc, and the key of UPDATE/DELETE)
        QString periodo;
        Estado estado = Estado::Nova;
    };

    Grade(Contexto& ctx, DefinicaoGrade definicao);

    const DefinicaoGrade& definicao() const { return def_; }
    Contexto& contexto() const { return ctx_; }
    void defineObservador(ObservadorGrade* o) { obs_ = o; }

    // Reloads the rows of the open period (and earlier ones when the register lists them).
    // With no open period the grid stays empty. False when the database failed (reported).
    bool PreencheGrid();
    // Whether earlier periods are listed too (an option of the screen); takes effect on the next
    // PreencheGrid.
    void defineListaAnteriores(bool sim) { def_.listaAnteriores = sim; }

    int linhas() const { return int(linhas_.size()); }
    int colunas() const { return int(def_.colunas.size()); }
    const ColunaGrade& coluna(int c) const { return def_.colunas[c]; }
    // Index of a column by its field name, or -1.
    int indice(const QString& campo) const;
    const Linha& linha(int l) const { return linhas_[l]; }

    QVariant valor(int linha, int coluna) const;
    QVariant valor(int linha, const QString& campo) const;
    Moeda moeda(int linha, const QString& campo) const;
    void defineMoeda(int linha, const QString& campo, Moeda v);
    // The field definition of a column, for its cell editor.
    const DefinicaoCampo& campoDaColuna(int coluna) const { return campos_[size_t(coluna)]; }
    // The text shown in the cell ("#,##0.00" for money).
    QString texto(int linha, int coluna) const;

    // A row of another period: shown grey, never changed.
    bool outroPeriodo(int linha) const;
    // Another period's row, or one the definition's rule keeps read-only.
    bool somenteLeitura(int linha) const;
    bool editavel(int linha, int coluna) const;
    // Typed by the user on a new row (not read-only, not the period, not the identifier).
    bool colunaDigitavel(int coluna) const;
    // New rows need an open period (and the master row of a detail grid).
    bool podeIncluir() const;
    bool podeExcluir(int linha) const;

    // A detail grid: the master row's values of the links, in their order (empty: no master
    // row), then the rows are reloaded.
    void defineMestre(const QVariantList& valores);
    const QVariantList& valoresMestre() const { return mestre_; }
    bool pendente(int linha) const { return linhas_[linha].estado != Estado::Gravada; }
    int linhaPendente() const;

    // Appends an empty new row; -1 when no period is open.
    int novaLinha();
    // The user typed into a cell: the text is read by the column's format (a bad date shows
    // its message), then the register's callback runs. False for a read-only cell.
    bool defineTexto(int linha, int coluna, const QString& texto);
    // Rules fill cells with stored-form values; no callback runs.
    void defineValor(int linha, int coluna, const QVariant& valor);
    void defineValor(int linha, const QString& campo, const QVariant& valor);

    // Row commit: a new row is inserted with the open period, a changed row updated. A refusal
    // shows its message and keeps the row as the user left it. An untouched new row goes away.
    bool gravaLinha(int linha);
    // Esc: a new row goes away, a changed row gets its stored values back.
    void cancelaLinha(int linha);
    // Asks and deletes; true when the row is gone.
    bool excluiLinha(int linha);
    // Whole-period save: every row of the grid replaces the period's rows, in one transaction.
    // A required cell left empty or a refusal of antesGravar stops it before any write.
    bool gravaPeriodo(bool avisa = true);
    bool podeGravarPeriodo() const { return def_.colunaPeriodo.isEmpty() || !ctx_.BimReferencia.isEmpty(); }
    // Some row differs from what is stored.
    bool alterada() const { return linhaPendente() >= 0; }
    // Replaces (or completes) the open period's rows with the earlier period's, in one
    // set-based statement within one transaction, then reloads.
    bool copiaBimestreAnterior();
    // The copy is offered in the open period.
    bool podeCopiar() const;
    // The open period read as a number minus one.
    QString periodoAnterior() const;

private:
    bool vazia(const Linha& l) const;
    bool faltaObrigatorio(const Linha& l) const;
    void consultaCodigo(int linha, int coluna);
    // WHERE of the rows this grid lists: period and master links; `t` prefixes the columns.
    QString filtro(const QString& t, bool anteriores, QVariantList& valores) const;
    void preparaDoCatalogo();
    QVariant valorGravado(int coluna, const QVariant& v) const;
    QVariant deTexto(int coluna, const QString& texto) const;
    bool ehPeriodo(int coluna) const;
    bool ehChave(int coluna) const;
    // WHERE of one row: its period and key as stored.
    QString ondeLinha(const Linha& l, QVariantList& valores) const;
    // "col = ?" for each column of the table that a cell is stored in, with the stored values.
    void condicoesDaColuna(int coluna, const QVariant& v, const QString& prefixo, QStringList& condicoes,
                           QVariantList& valores) const;
    // The table's columns and values a cell is written to.
    void camposDaColuna(int coluna, const QVariant& v, QStringList& campos, QVariantList& valores) const;
    // A new row's key (without the identifier) exists in the rows this grid lists. Nothing to
    // test when a key cell is blank.
    bool chaveExiste(const Linha& l) const;
    void insere(Linha& l);
    void atualiza(const Linha& l);
    void remove(int linha);
    bool copia(const QString& anterior);

    Contexto& ctx_;
    DefinicaoGrade def_;
    std::vector<DefinicaoCampo> campos_;
    std::vector<Linha> linhas_;
    QVariantList mestre_;
    ObservadorGrade* obs_ = nullptr;
    ObservadorGrade nenhum_;
};
