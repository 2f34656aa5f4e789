#include "reports/Selecao.h"
#include "reports/Layout.h"

namespace {

// Recursive descent over the formula's text:
//   ou    := e ("or" e)*
//   e     := nao ("and" nao)*
//   nao   := "not" nao | "(" ou ")" | termo op termo
//   termo := "{" tabela "." coluna "}" | 'texto' | "texto" | número
class Leitor {
public:
    explicit Leitor(const QString& t) : t_(t) {}

    Selecao le()
    {
        pula();
        if (pos_ >= t_.size())
            return {};
        s_.sql = ou();
        pula();
        if (pos_ < t_.size())
            falha(QStringLiteral("texto a mais: \"%1\"").arg(t_.mid(pos_, 20)));
        return s_;
    }

private:
    [[noreturn]] void falha(const QString& o_que) const
    {
        throw ErroRelatorio(QStringLiteral("Fórmula de seleção inválida (posição %1): %2.\nFórmula: %3")
                                .arg(pos_ + 1).arg(o_que, t_));
    }

    void pula()
    {
        while (pos_ < t_.size() && t_[pos_].isSpace())
            ++pos_;
    }

    // A word operator (and, or, not) standing alone.
    bool palavra(const char* p)
    {
        pula();
        const QString w = QString::fromLatin1(p);
        if (t_.mid(pos_, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype fim = pos_ + w.size();
        if (fim < t_.size() && (t_[fim].isLetterOrNumber() || t_[fim] == u'_'))
            return false;
        pos_ = fim;
        return true;
    }

    QString ou()
    {
        QString r = e();
        while (palavra("or"))
            r = QStringLiteral("(") + r + QStringLiteral(" OR ") + e() + QStringLiteral(")");
        return r;
    }

    QString e()
    {
        QString r = nao();
        while (palavra("and"))
            r = QStringLiteral("(") + r + QStringLiteral(" AND ") + nao() + QStringLiteral(")");
        return r;
    }

    QString nao()
    {
        if (palavra("not"))
            return QStringLiteral("(NOT ") + nao() + QStringLiteral(")");
        pula();
        if (pos_ < t_.size() && t_[pos_] == u'(') {
            ++pos_;
            const QString r = ou();
            pula();
            if (pos_ >= t_.size() || t_[pos_] != u')')
                falha(QStringLiteral("faltou fechar o parêntese"));
            ++pos_;
            return r;
        }
        const QString a = termo();
        const QString op = operador();
        const QString b = termo();
        return QStringLiteral("(") + a + u' ' + op + u' ' + b + QStringLiteral(")");
    }

    QString operador()
    {
        pula();
        static const char* ops[] = {"<>", "<=", ">=", "=", "<", ">"};
        for (const char* o : ops) {
            const QString w = QString::fromLatin1(o);
            if (t_.mid(pos_, w.size()) == w) {
                pos_ += w.size();
                return w;
            }
        }
        falha(QStringLiteral("esperava um operador de comparação (=, <>, <, >, <=, >=)"));
    }

    static bool ehNome(const QString& n)
    {
        if (n.isEmpty() || !(n[0].isLetter() || n[0] == u'_'))
            return false;
        for (QChar c : n)
            if (!(c.isLetterOrNumber() || c == u'_') || c.unicode() > 127)
                return false;
        return true;
    }

    QString termo()
    {
        pula();
        if (pos_ >= t_.size())
            falha(QStringLiteral("a fórmula terminou antes do fim da comparação"));
        const QChar c = t_[pos_];
        if (c == u'{') {
            const qsizetype fim = t_.indexOf(u'}', pos_);
            if (fim < 0)
                falha(QStringLiteral("faltou fechar a chave do campo"));
            const QString dentro = t_.mid(pos_ + 1, fim - pos_ - 1).trimmed();
            const QStringList partes = dentro.split(u'.');
            if (partes.size() != 2 || !ehNome(partes[0].trimmed()) || !ehNome(partes[1].trimmed()))
                falha(QStringLiteral("campo inválido \"{%1}\": use {tabela.coluna}").arg(dentro));
            pos_ = fim + 1;
            const QString tabela = partes[0].trimmed();
            if (!s_.tabelas.contains(tabela, Qt::CaseInsensitive))
                s_.tabelas << tabela;
            return tabela + u'.' + partes[1].trimmed();
        }
        if (c == u'\'' || c == u'"') {
            QString valor;
            qsizetype i = pos_ + 1;
            for (;;) {
                if (i >= t_.size())
                    falha(QStringLiteral("faltou fechar as aspas"));
                if (t_[i] == c) {
                    if (i + 1 < t_.size() && t_[i + 1] == c) { // doubled quote: the quote itself
                        valor += c;
                        i += 2;
                        continue;
                    }
                    break;
                }
                valor += t_[i++];
            }
            pos_ = i + 1;
            s_.valores << valor;
            return QStringLiteral("?");
        }
        if (c.isDigit() || c == u'-' || c == u'.') {
            qsizetype i = pos_ + (c == u'-' ? 1 : 0);
            while (i < t_.size() && (t_[i].isDigit() || t_[i] == u'.'))
                ++i;
            const QString numero = t_.mid(pos_, i - pos_);
            bool ok = false;
            if (numero.contains(u'.')) {
                const double d = numero.toDouble(&ok);
                if (ok)
                    s_.valores << d;
            } else {
                const qlonglong n = numero.toLongLong(&ok);
                if (ok)
                    s_.valores << n;
            }
            if (!ok)
                falha(QStringLiteral("número inválido \"%1\"").arg(numero));
            pos_ = i;
            return QStringLiteral("?");
        }
        falha(QStringLiteral("esperava um campo {tabela.coluna}, um texto entre aspas ou um número"));
    }

    const QString& t_;
    qsizetype pos_ = 0;
    Selecao s_;
};

} // namespace

Selecao SelecaoDeFormula(const QString& formula) { return Leitor(formula).le(); }
