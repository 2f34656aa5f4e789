#pragma once
#include <QList>
#include <QString>

class Banco;

// The look-ups the editors open to fill a coded cell: any two-column code table, and the
// city table. Both throw ErroBanco when the query fails.

struct ItemConsulta {
    QString codigo;
    QString descricao;
};

// What a look-up hands back: code + "-" + description, the code, the description. All three
// are empty when the dialog was closed without a choice.
struct ResultadoConsulta {
    QString escolha;
    QString codigo;
    QString descricao;
    bool vazio() const { return escolha.isEmpty(); }
    static ResultadoConsulta de(const ItemConsulta& item);
};

// Filter kinds of the legal bases: bidding processes keep the codes up to "55" and "76",
// contract amendments the codes from "56".
inline const QString FiltroBaseLegalProcesso = QStringLiteral("13A");
inline const QString FiltroBaseLegalAditivo = QStringLiteral("13B");

// The first two columns of every row of the table, in the query's order. The table name comes
// from the program; any other filter kind lists the whole table.
QList<ItemConsulta> ConsultaGeral(const Banco& banco, const QString& tabela, const QString& filtro = {});

struct Cidade {
    int id = 0;
    QString nome;
};

// The LIKE pattern of "contains the text", with the user's "%" and "_" matched literally
// (the condition says ESCAPE '\\').
QString PadraoContem(const QString& texto);

// Cities whose name contains the text (all of them for a blank text), ordered by name.
QList<Cidade> LocalizaCidades(const Banco& banco, const QString& nome);
