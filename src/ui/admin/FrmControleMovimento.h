#pragma once
#include <QWidget>

class QLineEdit;
class QTableWidget;
struct Contexto;

// "Controle de Movimento": every period of the exercise, with New, Close and Reopen.
class FrmControleMovimento : public QWidget {
    Q_OBJECT
public:
    explicit FrmControleMovimento(Contexto& ctx, QWidget* pai = nullptr);
    QTableWidget* grade() const { return grade_; }
    QLineEdit* motivo() const { return motivo_; }

public Q_SLOTS:
    void novo();
    void fecha();
    void reabre();
    void recarrega();

private:
    QString periodoSelecionado() const;
    Contexto& ctx_;
    QTableWidget* grade_;
    QLineEdit* motivo_;
};
