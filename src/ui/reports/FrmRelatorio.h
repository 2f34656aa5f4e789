#pragma once
#include <QWidget>

class QLineEdit;
class QRadioButton;
class QSpinBox;
struct Contexto;
struct EntradaRelatorio;

// The report screen of one entry of the report menu, "Relatório - " + the entry: the period
// (bimester/year, the open period to start with), the destination (Tela, Impressora, a PDF file
// or a spreadsheet), the copies for the printer, and for the revenue its model (Analítico or
// Sintético). Ok prepares the entry's data and hands the report over; the rules are in
// reports/Relatorios.h.
class FrmRelatorio : public QWidget {
    Q_OBJECT
public:
    FrmRelatorio(Contexto& ctx, const EntradaRelatorio& entrada, QWidget* pai = nullptr);

    // The entry: the caption without "Relatório - ".
    QString entrada() const;

public Q_SLOTS:
    void ok();

private:
    Contexto& ctx_;
    const EntradaRelatorio& entrada_;
    QLineEdit* periodo_;
    QRadioButton* tela_;
    QRadioButton* impressora_;
    QRadioButton* pdf_;
    QRadioButton* planilha_;
    QSpinBox* copias_;
    QRadioButton* sintetico_ = nullptr;
};
