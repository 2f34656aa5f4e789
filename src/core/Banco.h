#pragma once
#include "core/Interacao.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <stdexcept>

// A database failure carried up to the screen that reports it with MostraErro.
class ErroBanco : public std::runtime_error {
public:
    explicit ErroBanco(Falha f);
    const Falha& falha() const { return falha_; }

private:
    Falha falha_;
};

// One open database file (body, configuration or package). Owns its Qt SQL connection and
// removes it when destroyed. Text columns compare case-insensitively, as the schema says.
class Banco {
public:
    Banco() = default;
    // Opens an existing file; throws ErroBanco when it is missing or is no database.
    static Banco abre(const QString& caminho);
    // Creates (or opens) the file, for the template builder and the tests.
    static Banco cria(const QString& caminho);
    Banco(Banco&& o) noexcept;
    Banco& operator=(Banco&& o) noexcept;
    Banco(const Banco&) = delete;
    Banco& operator=(const Banco&) = delete;
    ~Banco();

    bool aberto() const { return !conexao_.isEmpty(); }
    QSqlDatabase db() const;
    QString caminho() const { return caminho_; }
    void fecha();

    // Runs a statement with bound values ("?" placeholders); throws ErroBanco on failure.
    QSqlQuery executa(const QString& sql, const QVariantList& valores = {}) const;
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant valor(const QString& sql, const QVariantList& valores = {}) const;
    bool existe(const QString& sql, const QVariantList& valores = {}) const;
    bool tabelaExiste(const QString& tabela) const;

private:
    friend class Transacao;
    static Banco conecta(const QString& caminho, bool criar);
    QString conexao_;
    QString caminho_;
    mutable int profundidade_ = 0; // open Transacao guards on this connection
};

// Writes that belong together: commits when told, rolls back if left without a commit.
// Transactions nest: the outermost one is a write transaction (BEGIN IMMEDIATE, so a rule that
// checks and then writes never races another process); an inner one is a savepoint that joins
// it. Only the outermost commits to the file; an inner one left without confirma() undoes its
// own writes and the exception that left it normally undoes the outer one too.
class Transacao {
public:
    explicit Transacao(const Banco& banco);
    ~Transacao();
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;
    void confirma();
    bool externa() const { return nivel_ == 1; }

private:
    const Banco& banco_;
    int nivel_ = 0;
    bool ativa_ = false;
};

// The largest value of the column plus one; 1 on an empty table; 0 when the query fails.
int ProximoCodigo(const Banco& banco, const QString& tabela, const QString& coluna);
// The text of a numbered message; "Erro não cadastrado" when there is none.
QString ObtemMensagem(const Banco& banco, int codigo);
// Finds a file in a folder whatever the case of its name ("lumo.mdb" is "Lumo.mdb").
QString ArquivoNaPasta(const QString& pasta, const QString& nome);
bool ArquivoExiste(const QString& caminho);
