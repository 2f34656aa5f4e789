#include "ui/core/DelegadoCampo.h"
#include "ui/core/Campos.h"

#include <QKeyEvent>

DelegadoCampo::DelegadoCampo(CampoDaCelula campo, Interacao* ui, QObject* pai)
    : QStyledItemDelegate(pai), campo_(std::move(campo)), ui_(ui)
{
}

QWidget* DelegadoCampo::createEditor(QWidget* pai, const QStyleOptionViewItem&, const QModelIndex& i) const
{
    editor_ = NovoEditorCampo(campo_(i), ui_, pai, true);
    return editor_;
}

void DelegadoCampo::setEditorData(QWidget* editor, const QModelIndex& i) const
{
    DefineTextoDoEditor(editor, i.data(Qt::EditRole).toString());
}

void DelegadoCampo::setModelData(QWidget* editor, QAbstractItemModel* m, const QModelIndex& i) const
{
    m->setData(i, TextoDoEditor(editor), Qt::EditRole);
}

bool DelegadoCampo::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            auto* editor = static_cast<QWidget*>(objeto);
            Q_EMIT commitData(editor);
            Q_EMIT closeEditor(editor, QAbstractItemDelegate::EditNextItem);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(objeto, e);
}
