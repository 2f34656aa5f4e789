#include "ui/core/Formulario.h"
#include "ui/core/Campos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

Formulario::Formulario(Interacao* ui, std::vector<DefinicaoCampo> campos, QWidget* pai)
    : QWidget(pai), ui_(ui), campos_(std::move(campos)), layout_(new QFormLayout(this))
{
    bool temObrigatorio = false;
    for (const DefinicaoCampo& c : campos_) {
        QWidget* editor = NovoEditorCampo(c, ui_, this);
        editores_.insert(c.coluna.toLower(), editor);
        const QString coluna = c.coluna;
        const auto avisa = [this, coluna] { Q_EMIT campoAlterado(coluna); };
        if (auto* l = qobject_cast<QLineEdit*>(editor))
            connect(l, &QLineEdit::editingFinished, this, avisa);
        else if (auto* b = qobject_cast<QComboBox*>(editor))
            connect(b, &QComboBox::activated, this, avisa);
        else if (auto* x = qobject_cast<QCheckBox*>(editor))
            connect(x, &QCheckBox::toggled, this, avisa);
        QString rotulo = c.rotulo;
        if (c.obrigatorio) {
            temObrigatorio = true;
            rotulo = (rotulo.endsWith(u':') ? rotulo.chopped(1) : rotulo) + QStringLiteral(" *:");
        }
        layout_->addRow(rotulo, editor);
    }
    if (temObrigatorio)
        layout_->addRow(new QLabel(QStringLiteral("* campos obrigatórios"), this));
}

QLineEdit* Formulario::campoTexto(const QString& coluna) const { return qobject_cast<QLineEdit*>(campo(coluna)); }

void Formulario::preenche(const QVariantHash& valores)
{
    for (const DefinicaoCampo& c : campos_)
        DefineTextoDoEditor(campo(c.coluna), TextoDoValor(c, valores.value(c.coluna)));
}

void Formulario::preenche(const QHash<QString, QString>& valores)
{
    QVariantHash v;
    for (auto i = valores.cbegin(); i != valores.cend(); ++i)
        v.insert(i.key(), i.value());
    preenche(v);
}

QVariantHash Formulario::leValores() const
{
    QVariantHash r;
    for (const DefinicaoCampo& c : campos_)
        r.insert(c.coluna, ValorDoTexto(c, TextoDoEditor(campo(c.coluna))));
    return r;
}

QHash<QString, QString> Formulario::le() const
{
    QHash<QString, QString> r;
    for (const DefinicaoCampo& c : campos_)
        r.insert(c.coluna, ValorDoTexto(c, TextoDoEditor(campo(c.coluna))).toString());
    return r;
}

bool Formulario::foca(const QString& coluna)
{
    QWidget* w = campo(coluna);
    if (!w)
        return false;
    w->setFocus(Qt::OtherFocusReason);
    return true;
}
