#pragma once
#include "core/TiposCampo.h"

#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

class Interacao;

// The cell editors of the editing grids: each cell is typed in the field of its kind (made by
// NovoEditorCampo, so a cell filters keys as a field does), and Enter goes on to the next cell,
// as Tab does.
class DelegadoCampo : public QStyledItemDelegate {
public:
    using CampoDaCelula = std::function<DefinicaoCampo(const QModelIndex&)>;
    DelegadoCampo(CampoDaCelula campo, Interacao* ui, QObject* pai);

    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem&, const QModelIndex& i) const override;
    void setEditorData(QWidget* editor, const QModelIndex& i) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* m, const QModelIndex& i) const override;
    // The editor open now, if any.
    QWidget* editorAberto() const { return editor_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    CampoDaCelula campo_;
    Interacao* ui_;
    mutable QPointer<QWidget> editor_;
};
