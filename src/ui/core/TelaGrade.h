#pragma once
#include "core/Grade.h"
#include "ui/Telas.h"
#include "ui/core/Campos.h"

#include <QWidget>
#include <functional>

class GradeRegistro;

// The editor of one register or statement: a title, its grid and the buttons row (Novo, Gravar,
// Excluir, the copy button when the register offers it, Fechar). Closing stores the pending row
// (or, for a statement, saves the period); a refusal keeps the screen open.
class TelaGrade : public QWidget {
    Q_OBJECT
public:
    TelaGrade(Contexto& ctx, DefinicaoGrade definicao, const QString& titulo, QWidget* pai = nullptr);

    GradeRegistro* grade() const { return grade_; }
    const BotoesEditor& botoes() const { return botoes_; }

public Q_SLOTS:
    bool grava();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    GradeRegistro* grade_;
    BotoesEditor botoes_;
};

// The definition is made when the screen opens, from the context where it depends on the body
// (a statement's lines by sphere) or from nothing.
using FabricaDefinicaoGrade = std::function<DefinicaoGrade(const Contexto&)>;
using FabricaDefinicaoFixa = std::function<DefinicaoGrade()>;
// The screen factory of a generic grid editor, and its registration under a menu entry:
//     RegistraTelaGrade("registrar.26", [] { return DefinicaoContas(); }, "Anexo 26 - ...");
FabricaTela FabricaTelaGrade(FabricaDefinicaoGrade definicao, const QString& titulo);
FabricaTela FabricaTelaGrade(FabricaDefinicaoFixa definicao, const QString& titulo);
void RegistraTelaGrade(const QString& idMenu, FabricaDefinicaoGrade definicao, const QString& titulo);
void RegistraTelaGrade(const QString& idMenu, FabricaDefinicaoFixa definicao, const QString& titulo);
