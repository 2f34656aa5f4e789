#pragma once
#include "core/Moeda.h"

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

class Banco;
class Interacao;

// The kinds of value a field or a grid cell holds. Forms and grids share them: one formatter
// here (stored value <-> shown text), one widget factory in the screens (NovoEditorCampo).
// A new kind is added to this enum, to the two functions below and to the factory.
enum class TipoCampo {
    Texto,      // free text, cut to `tamanho`
    Inteiro,
    Valor,      // money: Moeda stored as ten-thousandths, shown "#,##0.00"
    Decimal,    // quantities with decimals (REAL)
    Percentual, // stored as money is (ten-thousandths of a point), shown "25,00"
    Data,       // stored "dd/mm/yyyy", or "yyyy-MM-dd" when the column says dataIso
    Cpf,        // documents and CEP are stored as digits and shown punctuated
    Cnpj,
    CpfCnpj,
    Cep,
    Telefone,   // stored as typed
    Codigo,     // a code whose description is looked up (see ConsultaCodigo)
    Lista,      // one of a list of values: stored `valor`, shown `texto`
    SimNao,     // stored 1 / 0, shown "Sim" / "Não"
    Periodo,    // a reporting period: stored "201203", shown "03/2012"
};

struct OpcaoLista {
    QString valor;
    QString texto;
};

// Where the description of a code lives: "SELECT colunaDescricao FROM tabela WHERE
// colunaCodigo = code [AND colunaPeriodo = the row's period]".
struct ConsultaCodigo {
    QString tabela;
    QString colunaCodigo;
    QString colunaDescricao;
    QString colunaPeriodo;    // empty: the code table has no period
    QString destino;          // the grid column that shows the description
    QString mensagemInvalido; // an unknown code is refused with it (the cell is emptied); empty: accepted
    bool ativa() const { return !tabela.isEmpty(); }
    // The correlated sub-query that reads the description while a listing is read; `codigo`
    // and `periodo` are SQL expressions of the outer row.
    QString subconsulta(const QString& codigo, const QString& periodo) const;
    // The description of one code; nothing when the code is unknown. Throws ErroBanco.
    std::optional<QString> descricao(const Banco& banco, const QVariant& codigo, const QString& periodo) const;
};

// One field of a form or one cell kind of a grid.
struct DefinicaoCampo {
    QString coluna;
    QString rotulo;
    TipoCampo tipo = TipoCampo::Texto;
    int tamanho = 0; // maximum length of text; 0: no limit
    bool obrigatorio = false;
    int decimais = 2;
    bool dataIso = false;
    bool maiusculas = false;
    std::vector<OpcaoLista> opcoes;
    ConsultaCodigo consulta;
};

// The text shown for a stored value (empty for null).
QString TextoDoValor(const DefinicaoCampo& campo, const QVariant& valor);
// The value stored for a typed text; a null QVariant when the text is blank or no value of the
// kind. A date that does not read shows FormataData's message through `ui` and becomes today's
// date, as in a field; without `ui` it is null.
QVariant ValorDoTexto(const DefinicaoCampo& campo, const QString& texto, Interacao* ui = nullptr);
// Numbers are aligned to the right.
bool NumericoAhDireita(TipoCampo tipo);
// The stored value read as money (0 for null).
Moeda MoedaDoValor(const QVariant& valor);
