#pragma once
#include "core/Grade.h"
#include "ui/Telas.h"
#include "ui/core/Campos.h"

#include <QWidget>
#include <functional>
#include <vector>

class Formulario;
class GradeRegistro;
class QCheckBox;
class QLabel;
class QTabWidget;
class TelaMestreDetalhe;

// A tab of detail rows that follow the selected row of the master (mestre 0) or of an earlier
// detail (mestre k: the k-th detail), through the links of the detail's definition.
struct AbaDetalhe {
    QString titulo;
    DefinicaoGrade definicao;
    int mestre = 0;
    // Told on "Novo" instead of the grid's own mensagemSemMestre when no stored row of the first
    // tab is selected either (the chain is broken at its top).
    QString mensagemSemPrimeiro;
    // The caption line above the tabs while this tab is shown (the rows it follows).
    std::function<QString(const TelaMestreDetalhe&)> legenda;
};

struct DefinicaoMestreDetalhe {
    QString titulo;        // window title
    QString tituloMestre;  // caption of the master's tab
    DefinicaoGrade mestre;
    std::vector<AbaDetalhe> detalhes;
    // Below the master grid, a form of the selected row's typed columns: a long record is
    // typed there, the grid lists the records.
    bool fichaDoMestre = false;
    // Caption of a check box above the tabs: ticked, the grids whose definition lists only the
    // open period list the earlier periods too (grey). Empty: no box.
    QString legendaAnteriores;
};

// A register of acts: the master grid on the first tab, one tab per detail grid. Leaving a tab
// stores its pending row; Gravar stores every pending row in one transaction; closing does
// the same and stays open when a row is refused.
class TelaMestreDetalhe : public QWidget {
    Q_OBJECT
public:
    TelaMestreDetalhe(Contexto& ctx, DefinicaoMestreDetalhe definicao, QWidget* pai = nullptr);

    QTabWidget* abas() const { return abas_; }
    GradeRegistro* mestre() const { return grades_.front(); }
    // The k-th detail, from 1.
    GradeRegistro* detalhe(int k) const { return grades_[size_t(k)]; }
    Formulario* ficha() const { return ficha_; }
    QCheckBox* caixaAnteriores() const { return anteriores_; }
    QLabel* legenda() const { return legenda_; }
    // The value of the selected stored row of grid k (0 the master); null when none is.
    QVariant valorSelecionado(int k, const QString& campo) const;
    const BotoesEditor& botoes() const { return botoes_; }

public Q_SLOTS:
    bool grava();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void segue(int fonte);
    void trocaAba(int aba);
    void mostraFicha(int linha);
    int linhaSelecionada(int k) const;
    void listaAnteriores(bool sim);
    void novo();
    void mostraLegenda();
    GradeRegistro* gradeAtual() const { return grades_[size_t(abaAtual_)]; }

    Contexto& ctx_;
    std::vector<int> mestres_; // per grid: the grid it follows (-1 for the master)
    std::vector<GradeRegistro*> grades_;
    std::vector<bool> sempreAnteriores_; // per grid: its definition lists earlier periods anyway
    std::vector<QString> semPrimeiro_; // per grid: AbaDetalhe::mensagemSemPrimeiro
    std::vector<std::function<QString(const TelaMestreDetalhe&)>> legendas_;
    QCheckBox* anteriores_ = nullptr;
    QLabel* legenda_ = nullptr;
    QTabWidget* abas_;
    Formulario* ficha_ = nullptr;
    int linhaFicha_ = -1;
    int abaAtual_ = 0;
    bool voltandoAba_ = false;
    BotoesEditor botoes_;
};

using FabricaDefinicaoMestreDetalhe = std::function<DefinicaoMestreDetalhe(const Contexto&)>;
//     RegistraTelaMestreDetalhe("registrar.14", [](const Contexto&) { return DefinicaoAnexo14(); });
FabricaTela FabricaTelaMestreDetalhe(FabricaDefinicaoMestreDetalhe definicao);
void RegistraTelaMestreDetalhe(const QString& idMenu, FabricaDefinicaoMestreDetalhe definicao);
