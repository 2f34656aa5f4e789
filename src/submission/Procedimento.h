#pragma once
// The frame every check procedure works in: its own problem counter, the common patterns
// (movement present, invalid statement line, movement present with confirmation) and one
// set-based query per check. Internal to the checks.
#include "core/Contexto.h"
#include "core/Problema.h"

#include <QSqlQuery>
#include <functional>

namespace criticas {

class Procedimento {
public:
    // prefixo names the procedure in the checks' ids ("01", "22b", "resp").
    Procedimento(Contexto& ctx, Problemas& lista, QString prefixo);

    Contexto& ctx;
    const QString& periodo() const { return ctx.BimReferencia; }
    int contador() const { return contador_; }

    // Appends one problem; verificacao is prefixo + "." + id.
    void adiciona(const QString& anexo, const QString& item, const QString& mensagem, const QString& solucao,
                  const QString& id, const QString& tabela = {}, const QVariant& linha = {});

    // Runs one check's query (bound values) and calls porLinha for every row it returns.
    void paraCada(const QString& sql, const QVariantList& valores, const std::function<void(const QSqlQuery&)>& porLinha) const;
    // Whether the table holds a row of the open period.
    bool temMovimento(const QString& tabela) const;

    // Pattern A: no row of the period gives (titulo | "" | mensagem | solucao).
    void movimentoPresente(const QString& titulo, const QString& tabela,
                           const QString& mensagem = MensagemSemMovimento, const QString& solucao = SolucaoSemMovimento);
    // Pattern B: every row of the period on a line its catalogue lacks; then pattern A when
    // nothing was found.
    void linhasInvalidas(const QString& titulo, const QString& movimento, const QString& campos, bool depoisMovimento = true);
    // Pattern C: no row of the period asks whether to go on; No gives the problem.
    void movimentoConfirmado(const QString& titulo, const QString& tabela, const QString& numeroAnexo,
                             const QString& mensagem = MensagemSemMovimento, const QString& solucao = SolucaoSemMovimento);

    static inline const QString MensagemSemMovimento = QStringLiteral("Movimento do Anexo não informado.");
    static inline const QString SolucaoSemMovimento = QStringLiteral("Digitar informações do Anexo.");

private:
    Problemas& lista_;
    QString prefixo_;
    int contador_ = 0;
};

// The question of pattern C for annex NN ("09").
QString PerguntaSemMovimento(const QString& numeroAnexo);
// A column's text as the list shows it (null: empty).
QString Texto(const QSqlQuery& q, int coluna);

// The register checks.
void CriticaAnexo13(Procedimento& p);
void CriticaAnexo14(Procedimento& p);
void CriticaAnexo26(Procedimento& p);

} // namespace criticas
