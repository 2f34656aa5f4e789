#pragma once
#include "core/TiposCampo.h"

#include <QHash>
#include <QWidget>
#include <vector>

class Interacao;
class QFormLayout;
class QLineEdit;

// A form built from field definitions: one labelled editor per field (from NovoEditorCampo),
// in order; a required field's label ends " *:" and a note closes the form. It fills the
// fields from stored values and gives back the stored values of what was typed.
class Formulario : public QWidget {
    Q_OBJECT
public:
    Formulario(Interacao* ui, std::vector<DefinicaoCampo> campos, QWidget* pai = nullptr);

    const std::vector<DefinicaoCampo>& campos() const { return campos_; }
    QFormLayout* grade() const { return layout_; }
    QWidget* campo(const QString& coluna) const { return editores_.value(coluna.toLower()); }
    QLineEdit* campoTexto(const QString& coluna) const;

    // Stored values by column; a column missing from `valores` shows empty.
    void preenche(const QHash<QString, QString>& valores);
    void preenche(const QVariantHash& valores);
    // The stored value of each field (an empty text for nothing typed).
    QHash<QString, QString> le() const;
    QVariantHash leValores() const;
    // Focuses the field of a column; false when the form has none.
    bool foca(const QString& coluna);

Q_SIGNALS:
    // The user finished typing into a field (left it, chose an option, ticked a box).
    void campoAlterado(const QString& coluna);

private:
    Interacao* ui_;
    std::vector<DefinicaoCampo> campos_;
    QHash<QString, QWidget*> editores_;
    QFormLayout* layout_;
};
