#pragma once
#include "core/Usuarios.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
struct Contexto;

// The groups editor: the list of groups, the selected group's description and the
// permissions it grants (several may be selected). The predefined group is shown read-only.
class FrmGrupos : public QWidget {
    Q_OBJECT
public:
    explicit FrmGrupos(Contexto& ctx, QWidget* pai = nullptr);

public Q_SLOTS:
    void novo();
    void grava();
    void exclui();
    void fecha();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void carregaGrupos(const QString& selecionar = {});
    void mostraGrupo(int linha);
    void listaPermissoes(const QList<int>& selecionadas);
    void habilita(bool editavel, bool existente);

    Contexto& ctx_;
    QList<Grupo> grupos_;
    QList<Permissao> permissoes_;
    QString codigo_;
    QTableWidget* grade_;
    QLineEdit* descricao_;
    QListWidget* lista_;
    QPushButton* gravar_;
    QPushButton* excluir_;
};
