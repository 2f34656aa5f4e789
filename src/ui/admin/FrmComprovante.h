#pragma once
#include "admin/Configuracao.h"

#include <QDialog>

class QLineEdit;
class QToolButton;
struct Contexto;

// One proof file of publication: the path it was chosen from and a button that chooses
// another, accepted only with the extensions given.
class SeletorComprovante : public QWidget {
    Q_OBJECT
public:
    SeletorComprovante(Contexto& ctx, const QString& nome, const QStringList& extensoes, QWidget* pai = nullptr);
    void define(const Comprovante& c);
    const Comprovante& comprovante() const { return comprovante_; }
    QLineEdit* caminho() const { return caminho_; }
    QToolButton* botao() const { return botao_; }

public Q_SLOTS:
    void escolhe();

Q_SIGNALS:
    void escolhido();

private:
    Contexto& ctx_;
    QStringList extensoes_;
    Comprovante comprovante_;
    QLineEdit* caminho_;
    QToolButton* botao_;
};

// "Envio do comprovante do envio de RREO E RGF": the proofs of the open period, stored whole
// with the person responsible for filling in.
class FrmComprovante : public QDialog {
    Q_OBJECT
public:
    FrmComprovante(Contexto& ctx, QWidget* pai = nullptr);
    SeletorComprovante* rreo() const { return rreo_; }
    SeletorComprovante* rgf() const { return rgf_; }

public Q_SLOTS:
    void grava();

private:
    Contexto& ctx_;
    Comprovantes comprovantes_;
    SeletorComprovante* rreo_;
    SeletorComprovante* rgf_;
};
