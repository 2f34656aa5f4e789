#pragma once
#include "admin/EscolhaOrgao.h"
#include <QDialog>

class QListWidget;
class QLineEdit;
struct Contexto;

// The body-choice screen: the configured bodies by name; Add searches Orgaos; choosing a
// new body configures it. Accepted once a body is chosen (the context then points to it).
class FrmOrgaos : public QDialog {
    Q_OBJECT
public:
    FrmOrgaos(Contexto& ctx, QWidget* pai = nullptr);
    QListWidget* lista() const { return lista_; }

public Q_SLOTS:
    void seleciona();
    void adiciona();
    void remove();

private:
    void recarrega(int selecionar = -1);
    EscolhaOrgao escolha_;
    QListWidget* lista_;
};

// The body search opened by Add: a filter box and the bodies not yet listed.
class FrmBuscaOrgao : public QDialog {
    Q_OBJECT
public:
    FrmBuscaOrgao(const EscolhaOrgao& escolha, QWidget* pai = nullptr);
    QString siglaEscolhida() const { return sigla_; }
    QLineEdit* filtro() const { return filtro_; }
    QListWidget* lista() const { return lista_; }

private:
    void pesquisa();
    const EscolhaOrgao& escolha_;
    QLineEdit* filtro_;
    QListWidget* lista_;
    QString sigla_;
};
