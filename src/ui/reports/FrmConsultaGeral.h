#pragma once
#include "reports/Consultas.h"

#include <QDialog>

class QTableWidget;
struct Contexto;

// The general code look-up: lists a two-column code table and hands the chosen row back.
//
//   const ResultadoConsulta r = FrmConsultaGeral::consulta(ctx, "tabAnexo27GrauInstrucao", {},
//                                                          "Consulta - Grau de Instrução", this);
//   if (!r.vazio()) celula = r.escolha;   // or r.codigo / r.descricao
//
// Closing without a choice leaves the three results empty.
class FrmConsultaGeral : public QDialog {
    Q_OBJECT
public:
    FrmConsultaGeral(Contexto& ctx, const QString& tabela, const QString& filtro, const QString& titulo,
                     QWidget* pai = nullptr);
    const ResultadoConsulta& resultado() const { return resultado_; }

    // Shows the dialog modally and returns what was chosen.
    static ResultadoConsulta consulta(Contexto& ctx, const QString& tabela, const QString& filtro,
                                      const QString& titulo, QWidget* pai = nullptr);

public Q_SLOTS:
    void confirma();

private:
    void carrega(const QString& tabela, const QString& filtro);

    Contexto& ctx_;
    QList<ItemConsulta> itens_;
    ResultadoConsulta resultado_;
    QTableWidget* grade_;
};
