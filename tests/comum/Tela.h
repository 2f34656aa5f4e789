#pragma once
// Helpers of the screen tests (header only: the other test programs do not link the widgets).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Saves a picture of a screen when LUMO_CAPTURAS names a folder (to look at the screens as a
// user would); does nothing otherwise.
inline void Captura(QWidget* tela, const QString& nome)
{
    const QString pasta = qEnvironmentVariable("LUMO_CAPTURAS");
    if (pasta.isEmpty())
        return;
    QDir().mkpath(pasta);
    tela->grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png")));
}

// Shows a screen and waits until it is the active window, as the user meets it.
inline void Mostra(QWidget& tela, const QString& captura = {})
{
    tela.show();
    QApplication::setActiveWindow(&tela);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&tela)) << tela.objectName().toStdString();
    if (!captura.isEmpty())
        Captura(&tela, captura);
}

template <typename T = QLineEdit>
T* Filho(QWidget& tela, const char* nome)
{
    T* c = tela.findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

// Presses a named button: with the mouse when it is on screen, so that focus leaves the field.
inline void Clica(QWidget& tela, const char* botao)
{
    if (auto* b = Filho<QPushButton>(tela, botao); b && b->isVisible())
        QTest::mouseClick(b, Qt::LeftButton);
    else if (b)
        b->click();
}

inline void Digita(QWidget& tela, const char* campo, const QString& texto, bool enter = true)
{
    QTest::keyClicks(Filho(tela, campo), texto);
    if (enter)
        QTest::keyClick(Filho(tela, campo), Qt::Key_Return);
}

// Runs `faz` on the modal window (of class T) that the next call opens; `viu` tells it opened.
// Work that shows its progress runs the event loop before its window opens: when the window
// is not there at the first look, it is looked for until it comes, for at most five seconds.
template <typename T = QWidget, typename F>
void NoModal(F faz, bool* viu = nullptr)
{
    const auto age = [=](T* m) {
        if (viu)
            *viu = true;
        faz(m);
    };
    QTimer::singleShot(0, [=] {
        if (auto* m = qobject_cast<T*>(QApplication::activeModalWidget())) {
            age(m);
            return;
        }
        auto* espera = new QTimer;
        auto tentativas = std::make_shared<int>(0);
        QObject::connect(espera, &QTimer::timeout, [=] {
            auto* m = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!m && ++*tentativas < 500)
                return;
            espera->stop();
            espera->deleteLater();
            ASSERT_NE(m, nullptr);
            age(m);
        });
        espera->start(10);
    });
}

// Types into whatever has the focus, key by key (in a grid the first key opens the cell's
// editor); "\t" is Tab, "\r" Enter, "\x1b" Esc, "\x7f" Delete.
inline void DigitaTeclas(const QString& texto)
{
    for (const QChar c : texto) {
        const Qt::Key k = c == u'\t' ? Qt::Key_Tab : c == u'\r' ? Qt::Key_Return : c == u'\x1b' ? Qt::Key_Escape
                        : c == u'\x7f' ? Qt::Key_Delete : Qt::Key(0);
        QWidget* foco = QApplication::focusWidget();
        ASSERT_NE(foco, nullptr) << "nothing has the focus to type " << texto.toStdString();
        if (k)
            QTest::keyClick(foco, k);
        else if (c.unicode() < 0x80)
            QTest::keyClick(foco, c.toLatin1());
        else // accented letters have no key of their own: the event carries the text
            QTest::sendKeyEvent(QTest::Click, foco, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QApplication::processEvents();
    }
}
