#include "ui/core/Aplicacao.h"
#include "core/Contexto.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <QPainter>
#include <QPixmap>

namespace {
QPixmap desenha(int lado)
{
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const qreal m = lado / 16.0;
    // A blue ledger with a yellow light: records that go out to be seen.
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(32, 74, 110));
    g.drawRoundedRect(QRectF(m, m, lado - 2 * m, lado - 2 * m), 3 * m, 3 * m);
    g.setBrush(QColor(255, 204, 51));
    g.drawEllipse(QRectF(lado * 0.52, lado * 0.14, lado * 0.32, lado * 0.32));
    g.setPen(QPen(Qt::white, qMax(1.0, lado / 16.0), Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = lado * (0.56 + 0.13 * i);
        g.drawLine(QPointF(lado * 0.2, y), QPointF(lado * 0.8, y));
    }
    g.drawLine(QPointF(lado * 0.2, lado * 0.3), QPointF(lado * 0.44, lado * 0.3));
    return p;
}
} // namespace

QIcon IconePrograma()
{
    QIcon icone;
    for (int lado : {16, 24, 32, 48, 64, 128, 256})
        icone.addPixmap(desenha(lado));
    return icone;
}

bool PreparaAplicacao(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Lumo"));
    QApplication::setOrganizationName(QStringLiteral("Lumo"));
    QApplication::setApplicationVersion(VersaoPrograma());
    QApplication::setWindowIcon(IconePrograma());
    auto* traducao = new QTranslator(&app);
    if (!traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QApplication::installTranslator(traducao);
}
