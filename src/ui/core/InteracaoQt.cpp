#include "ui/core/InteracaoQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
// "Texto (*.txt)|*.txt|" -> "Texto (*.txt)"
QString filtroQt(const QString& filtro)
{
    const QStringList partes = filtro.split(u'|', Qt::SkipEmptyParts);
    QStringList r;
    for (qsizetype i = 0; i < partes.size(); i += 2)
        r << partes[i];
    return r.join(QStringLiteral(";;"));
}
} // namespace

void InteracaoQt::mensagem(Icone icone, const QString& titulo, const QString& texto)
{
    QMessageBox::Icon i = QMessageBox::Information;
    if (icone == Icone::Aviso)
        i = QMessageBox::Warning;
    else if (icone == Icone::Critico)
        i = QMessageBox::Critical;
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox caixa(i, titulo, t, QMessageBox::Ok, pai_ ? pai_->window() : nullptr);
    caixa.exec();
}

bool InteracaoQt::pergunta(const QString& titulo, const QString& texto)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox caixa(QMessageBox::Question, titulo, t, QMessageBox::Yes | QMessageBox::No, pai_ ? pai_->window() : nullptr);
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    return caixa.exec() == QMessageBox::Yes;
}

QString InteracaoQt::escolheArquivo(const QString& titulo, const QString& filtro, const QString& inicio, bool salvar)
{
    return salvar ? QFileDialog::getSaveFileName(pai_, titulo, inicio, filtroQt(filtro))
                  : QFileDialog::getOpenFileName(pai_, titulo, inicio, filtroQt(filtro));
}

void InteracaoQt::cursorOcupado()
{
    if (!QApplication::overrideCursor())
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

void InteracaoQt::cursorNormal()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
