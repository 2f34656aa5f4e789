#include "ui/core/InteracaoQt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <limits>

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

bool InteracaoQt::pergunta(const QString& titulo, const QString& texto, Padrao padrao)
{
    QString t = texto;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox caixa(QMessageBox::Question, titulo, t, QMessageBox::Yes | QMessageBox::No, pai_ ? pai_->window() : nullptr);
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("&Sim"));
    caixa.button(QMessageBox::No)->setText(QStringLiteral("&Não"));
    caixa.setDefaultButton(padrao == Padrao::Nao ? QMessageBox::No : QMessageBox::Yes);
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

void InteracaoQt::progressoInicia(const QString& texto, qint64 total)
{
    progressoTermina();
    escala_ = 1;
    while (total / escala_ > std::numeric_limits<int>::max())
        escala_ *= 2;
    progresso_ = new QProgressDialog(texto, QStringLiteral("Cancelar"), 0, int(total / escala_), pai_ ? pai_->window() : nullptr);
    progresso_->setWindowTitle(TituloPrograma);
    progresso_->setWindowModality(Qt::WindowModal);
    progresso_->setMinimumDuration(300);
    progresso_->setAutoClose(false);
    progresso_->setAutoReset(false);
    progresso_->setValue(0);
}

bool InteracaoQt::progressoAvanca(qint64 feito)
{
    if (!progresso_)
        return true;
    // setValue lets the window repaint and the Cancelar button be pressed.
    progresso_->setValue(int(feito / escala_));
    return !progresso_->wasCanceled();
}

void InteracaoQt::progressoTermina()
{
    delete progresso_.data();
}
