#include "core/TiposCampo.h"
#include "core/Banco.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"

#include <QDate>
#include <QSqlQuery>

namespace {
const QString FormatoTela = QStringLiteral("dd/MM/yyyy");

bool branco(const QVariant& v) { return v.isNull() || !v.isValid() || v.toString().trimmed().isEmpty(); }

QString documento(const QString& valor)
{
    const QString p = FormataDocumento(SomenteDigitos(valor), true);
    return p.isEmpty() ? valor : p;
}

QVariant texto(const DefinicaoCampo& c, QString t)
{
    if (c.tamanho > 0)
        t.truncate(c.tamanho);
    return c.maiusculas ? t.toUpper() : t;
}
} // namespace

QString ConsultaCodigo::subconsulta(const QString& codigo, const QString& periodo) const
{
    QString sql = QStringLiteral("SELECT d.%1 FROM %2 d WHERE d.%3 = %4").arg(colunaDescricao, tabela, colunaCodigo, codigo);
    if (!colunaPeriodo.isEmpty())
        sql += QStringLiteral(" AND d.%1 = %2").arg(colunaPeriodo, periodo);
    return sql + QStringLiteral(" LIMIT 1");
}

std::optional<QString> ConsultaCodigo::descricao(const Banco& banco, const QVariant& codigo, const QString& periodo) const
{
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(colunaDescricao, tabela, colunaCodigo);
    QVariantList valores{codigo};
    if (!colunaPeriodo.isEmpty()) {
        sql += QStringLiteral(" AND %1 = ?").arg(colunaPeriodo);
        valores << periodo;
    }
    QSqlQuery q = banco.executa(sql + QStringLiteral(" LIMIT 1"), valores);
    if (!q.next())
        return std::nullopt;
    return q.value(0).toString();
}

QString TextoDoValor(const DefinicaoCampo& c, const QVariant& v)
{
    if (branco(v))
        return {};
    switch (c.tipo) {
    case TipoCampo::Valor:
    case TipoCampo::Percentual:
        return Moeda::deDecimos(v.toLongLong()).formata();
    case TipoCampo::Decimal:
        return QString::number(v.toDouble(), 'g', 15).replace(u'.', u',');
    case TipoCampo::Inteiro:
        return QString::number(v.toLongLong());
    case TipoCampo::Data:
        if (c.dataIso) {
            const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
            return d.isValid() ? d.toString(FormatoTela) : v.toString();
        }
        return v.toString();
    case TipoCampo::Cpf:
    case TipoCampo::Cnpj:
    case TipoCampo::CpfCnpj:
        return documento(v.toString());
    case TipoCampo::Cep: {
        const QString d = SomenteDigitos(v.toString());
        return d.size() == 8 ? d.left(5) + u'-' + d.mid(5) : v.toString();
    }
    case TipoCampo::Lista:
        for (const OpcaoLista& o : c.opcoes)
            if (o.valor == v.toString())
                return o.texto;
        return v.toString();
    case TipoCampo::SimNao:
        return v.toInt() ? QStringLiteral("Sim") : QStringLiteral("Não");
    case TipoCampo::Periodo:
        return v.toString().size() == 6 ? PeriodoFormatado(v.toString()) : v.toString();
    case TipoCampo::Texto:
    case TipoCampo::Telefone:
    case TipoCampo::Codigo:
        break;
    }
    return v.toString();
}

QVariant ValorDoTexto(const DefinicaoCampo& c, const QString& bruto, Interacao* ui)
{
    const QString t = bruto.trimmed();
    if (t.isEmpty())
        return {};
    switch (c.tipo) {
    case TipoCampo::Texto:
    case TipoCampo::Telefone:
    case TipoCampo::Codigo:
        return texto(c, t);
    case TipoCampo::Valor:
    case TipoCampo::Percentual: {
        QString s = t;
        if (c.tipo == TipoCampo::Percentual && s.endsWith(u'%'))
            s.chop(1);
        const auto m = Moeda::deTexto(s);
        return m ? QVariant(qlonglong(m->decimos())) : QVariant();
    }
    case TipoCampo::Inteiro: {
        bool ok = false;
        const qlonglong n = t.toLongLong(&ok);
        return ok ? QVariant(n) : QVariant();
    }
    case TipoCampo::Decimal: {
        bool ok = false;
        const double d = QString(t).remove(u'.').replace(u',', u'.').toDouble(&ok);
        return ok ? QVariant(d) : QVariant();
    }
    case TipoCampo::Data: {
        QDate d;
        if (ui) {
            d = QDate::fromString(FormataData(*ui, t), FormatoTela);
        } else if (const auto lida = DataDeTexto(t); lida && *lida >= QDate(1900, 1, 1)) {
            d = *lida;
        }
        if (!d.isValid())
            return {};
        return d.toString(c.dataIso ? QStringLiteral("yyyy-MM-dd") : FormatoTela);
    }
    case TipoCampo::Cpf:
    case TipoCampo::Cnpj:
    case TipoCampo::CpfCnpj:
    case TipoCampo::Cep: {
        const QString d = SomenteDigitos(t);
        return d.isEmpty() ? QVariant() : QVariant(d);
    }
    case TipoCampo::Lista:
        for (const OpcaoLista& o : c.opcoes)
            if (o.valor.compare(t, Qt::CaseInsensitive) == 0 || o.texto.compare(t, Qt::CaseInsensitive) == 0)
                return o.valor;
        return {};
    case TipoCampo::SimNao: {
        const QChar p = t[0].toUpper();
        if (p == u'S' || p == u'1')
            return 1;
        if (p == u'N' || p == u'0')
            return 0;
        return {};
    }
    case TipoCampo::Periodo: {
        const QString d = SomenteDigitos(t);
        return d.size() == 6 ? QVariant(t.contains(u'/') ? PeriodoDeTela(d) : d) : QVariant();
    }
    }
    return {};
}

bool NumericoAhDireita(TipoCampo tipo)
{
    return tipo == TipoCampo::Valor || tipo == TipoCampo::Percentual || tipo == TipoCampo::Inteiro
        || tipo == TipoCampo::Decimal;
}

Moeda MoedaDoValor(const QVariant& v) { return Moeda::deDecimos(branco(v) ? 0 : v.toLongLong()); }
