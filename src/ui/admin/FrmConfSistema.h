#pragma once
#include "admin/Configuracao.h"

#include <QDialog>
#include <QHash>
#include <array>

class Formulario;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class SeletorComprovante;
struct Contexto;

// The configuration screen: the body's data, its three responsible persons of the open period
// and the proof files, each tab built from its form definition.
class FrmConfSistema : public QDialog {
    Q_OBJECT
public:
    FrmConfSistema(Contexto& ctx, QWidget* pai = nullptr);

    QTabWidget* abas() const { return abas_; }
    // The field of a column on a tab (0 the body, 1-3 the persons).
    QLineEdit* campo(int aba, const QString& coluna) const;
    QCheckBox* backup() const { return backup_; }
    QCheckBox* integradoSet() const { return integrado_; }
    SeletorComprovante* rreo() const { return rreo_; }
    SeletorComprovante* rgf() const { return rgf_; }
    // True when closing removed the body configured for the first time.
    bool orgaoExcluido() const { return excluido_; }
    // The user accepted the import of the previous exercise after the first saving.
    bool querImportarAnterior() const { return importar_; }

public Q_SLOTS:
    void grava();
    void importaConfiguracao();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

private:
    QWidget* montaAba(int aba, const Ficha& ficha);
    QWidget* montaAbaComprovantes();
    void mostra();
    void recolhe();

    Contexto& ctx_;
    Configuracao cfg_;
    QTabWidget* abas_;
    std::array<Formulario*, 4> fichas_{};
    QLabel* codigo_;
    QLabel* descricao_;
    QCheckBox* backup_;
    QCheckBox* integrado_;
    QLabel* avisoComprovantes_;
    SeletorComprovante* rreo_;
    SeletorComprovante* rgf_;
    bool excluido_ = false;
    bool importar_ = false;
};
