#include "reports/Consultas.h"
#include "core/Banco.h"

#include <QRegularExpression>

ResultadoConsulta ResultadoConsulta::de(const ItemConsulta& item)
{
    return {item.codigo + u'-' + item.descricao, item.codigo, item.descricao};
}

QList<ItemConsulta> ConsultaGeral(const Banco& banco, const QString& tabela, const QString& filtro)
{
    // The table name is pasted into the statement: only a plain identifier is accepted.
    static const QRegularExpression identificador(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identificador.match(tabela).hasMatch())
        throw ErroBanco({QStringLiteral("ConsultaGeral"), 0, QStringLiteral("Tabela inválida: ") + tabela});

    QString sql = QStringLiteral("SELECT * FROM ") + tabela;
    QVariantList valores;
    if (filtro == FiltroBaseLegalProcesso) {
        sql += QStringLiteral(" WHERE codigo <= ? OR codigo = ?");
        valores = {QStringLiteral("55"), QStringLiteral("76")};
    } else if (filtro == FiltroBaseLegalAditivo) {
        sql += QStringLiteral(" WHERE codigo >= ?");
        valores = {QStringLiteral("56")};
    }
    // Listed by code, as a table read through its key comes.
    sql += QStringLiteral(" ORDER BY 1");
    QList<ItemConsulta> r;
    QSqlQuery q = banco.executa(sql, valores);
    while (q.next())
        r.append({q.value(0).toString(), q.value(1).toString()});
    return r;
}

QString PadraoContem(const QString& texto)
{
    QString literal = texto;
    literal.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
    return u'%' + literal + u'%';
}

QList<Cidade> LocalizaCidades(const Banco& banco, const QString& nome)
{
    QString sql = QStringLiteral("SELECT IdCidade, Nome FROM Cidades");
    QVariantList valores;
    if (!nome.isEmpty()) {
        // LIKE ignores the case of plain letters only; the upper and lower forms of the text
        // also find "SÃO" and "são" whichever way the name was typed.
        sql += QStringLiteral(" WHERE Nome LIKE ? ESCAPE '\\' OR Nome LIKE ? ESCAPE '\\'");
        valores << PadraoContem(nome.toUpper()) << PadraoContem(nome.toLower());
    }
    sql += QStringLiteral(" ORDER BY Nome");
    QList<Cidade> r;
    QSqlQuery q = banco.executa(sql, valores);
    while (q.next())
        r.append({q.value(0).toInt(), q.value(1).toString()});
    return r;
}
