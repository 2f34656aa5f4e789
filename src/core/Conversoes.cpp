#include "core/Conversoes.h"
#include "core/Interacao.h"

#include <QRegularExpression>

QString FormataValor(const QString& texto)
{
    if (texto.trimmed().isEmpty())
        return {};
    const auto valor = Moeda::deTexto(texto);
    return valor ? valor->formata() : QString();
}

Moeda ValorDeTexto(const QString& texto)
{
    if (texto.trimmed().isEmpty())
        return {};
    QString numero;
    for (const QChar c : texto)
        if (c.isDigit() || c == u',' || c == u'.')
            numero += c;
    const auto valor = Moeda::deTexto(numero);
    if (!valor)
        return {};
    return texto.contains(u'-') ? -*valor : *valor;
}

std::optional<QDate> DataDeTexto(const QString& texto)
{
    static const QRegularExpression dma(QStringLiteral(R"(^(\d{1,2})[/\-.](\d{1,2})[/\-.](\d{2}|\d{4})$)"));
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"));
    const QString t = texto.trimmed();
    int dia = 0, mes = 0, ano = 0;
    if (const auto m = dma.match(t); m.hasMatch()) {
        dia = m.captured(1).toInt();
        mes = m.captured(2).toInt();
        ano = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            ano += ano < 30 ? 2000 : 1900; // the usual two-digit window
    } else if (const auto m = iso.match(t); m.hasMatch()) {
        ano = m.captured(1).toInt();
        mes = m.captured(2).toInt();
        dia = m.captured(3).toInt();
    } else {
        return std::nullopt;
    }
    const QDate data(ano, mes, dia);
    if (!data.isValid())
        return std::nullopt;
    return data;
}

QString FormataData(Interacao& ui, const QString& texto, const QDate& hoje)
{
    if (texto.trimmed().isEmpty())
        return {};
    const auto data = DataDeTexto(texto);
    if (!data) {
        MostraAviso(ui, QStringLiteral("Data Inválida."));
        return hoje.toString(QStringLiteral("dd/MM/yyyy"));
    }
    if (*data < QDate(1900, 1, 1)) {
        MostraAviso(ui, QStringLiteral("A Data não pode ser Antes de 1900."));
        return hoje.toString(QStringLiteral("dd/MM/yyyy"));
    }
    return data->toString(QStringLiteral("dd/MM/yyyy"));
}

QString SomenteDigitos(const QString& texto)
{
    QString r;
    for (const QChar c : texto)
        if (c >= u'0' && c <= u'9')
            r += c;
    return r;
}

QString PeriodoParaTela(const QString& periodo) { return periodo.mid(4, 2) + periodo.left(4); }
QString PeriodoDeTela(const QString& tela) { return tela.mid(2, 4) + tela.left(2); }
QString PeriodoFormatado(const QString& periodo) { return periodo.mid(4, 2) + u'/' + periodo.left(4); }

QString TextoOuPadrao(const QVariant& texto, const QString& padrao)
{
    return (texto.isNull() || texto.toString().isEmpty()) ? padrao : texto.toString();
}

QString TextoDoCampo(const QVariant& campo) { return campo.isNull() ? QString() : campo.toString(); }

QString TrocaAspas(const QString& texto)
{
    QString r = texto;
    return r.replace(u'\'', QChar(0x00B4));
}
