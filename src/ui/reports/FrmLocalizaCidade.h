#pragma once
#include "reports/Consultas.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QTableWidget;
struct Contexto;

// The city look-up of the works editor: searches Cidades by part of the name.
//
//   if (const auto c = FrmLocalizaCidade::localiza(ctx, this)) { idCidade = c->id; nome = c->nome; }
//
// Closing without a choice gives nothing, and the caller's cells stay as they were.
class FrmLocalizaCidade : public QDialog {
    Q_OBJECT
public:
    explicit FrmLocalizaCidade(Contexto& ctx, QWidget* pai = nullptr);
    const std::optional<Cidade>& cidade() const { return cidade_; }

    static std::optional<Cidade> localiza(Contexto& ctx, QWidget* pai = nullptr);

public Q_SLOTS:
    void pesquisa();
    void novaPesquisa();
    void confirma();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    Contexto& ctx_;
    QList<Cidade> cidades_;
    std::optional<Cidade> cidade_;
    QLineEdit* nome_;
    QTableWidget* grade_;
};
