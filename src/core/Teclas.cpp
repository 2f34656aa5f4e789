#include "core/Teclas.h"

namespace {
bool ehDigito(QChar c) { return c >= u'0' && c <= u'9'; }
bool ehControle(QChar c) { return c == tecla::Retrocesso || c == tecla::Enter || c == tecla::Delete; }

int digitosApos(const QString& texto, int posicao)
{
    int n = 0;
    for (int i = posicao; i < texto.size(); ++i)
        if (ehDigito(texto[i]))
            ++n;
    return n;
}

// The "0" typed in front of a comma takes the place of the selection, like any typed key.
ResultadoTecla zeroAntes(QChar tecla, const EstadoCampo& campo)
{
    const int ini = campo.tamanhoSelecao > 0 ? campo.inicioSelecao : campo.cursor;
    QString t = campo.texto;
    t.replace(ini, campo.tamanhoSelecao, QStringLiteral("0"));
    return {tecla, true, t, ini + 1};
}
} // namespace

ResultadoTecla FiltraTeclaValor(QChar tecla, const EstadoCampo& campo, int decimais)
{
    const QString& t = campo.texto;
    const int virgula = int(t.indexOf(u','));
    const bool selecionado = campo.tamanhoSelecao > 0;
    const int posicao = selecionado ? campo.inicioSelecao : campo.cursor;

    if (tecla == tecla::Retrocesso)
        return {tecla};

    if (ehDigito(tecla)) {
        if (virgula < 0 || selecionado || posicao <= virgula || digitosApos(t, virgula + 1) < decimais)
            return {tecla};
        return {};
    }

    if (tecla != u',')
        return {};

    const bool tudoSelecionado = selecionado && campo.tamanhoSelecao >= t.size();
    if (t.isEmpty() || t == u"0" || t == u"0," || t == u"," || tudoSelecionado)
        return {tecla, true, QStringLiteral("0"), 1};

    if (virgula < 0) {
        if (posicao == 0)
            return zeroAntes(tecla, campo);
        const int fimSelecao = selecionado ? campo.inicioSelecao + campo.tamanhoSelecao : campo.cursor;
        return digitosApos(t, fimSelecao) <= decimais ? ResultadoTecla{tecla} : ResultadoTecla{};
    }

    // A second comma only replaces the first one.
    const bool selecaoTemVirgula = selecionado && campo.inicioSelecao <= virgula
        && virgula < campo.inicioSelecao + campo.tamanhoSelecao;
    if (!selecaoTemVirgula)
        return {};
    return posicao == 0 ? zeroAntes(tecla, campo) : ResultadoTecla{tecla};
}

QChar FiltraTeclaDecimal(QChar tecla)
{
    if (tecla == u'.')
        return u',';
    return (ehControle(tecla) || ehDigito(tecla) || tecla == u',' || tecla == u'-') ? tecla : QChar();
}

QChar FiltraTeclaInteiro(QChar tecla)
{
    return (ehControle(tecla) || ehDigito(tecla) || tecla == u'-') ? tecla : QChar();
}

QChar FiltraTeclaDataCodigo(QChar tecla)
{
    return (ehControle(tecla) || ehDigito(tecla) || tecla == u'-' || tecla == u'.' || tecla == u'/') ? tecla
                                                                                                    : QChar();
}

QChar FiltraTeclaTelefone(QChar tecla)
{
    static const QString sinais = QStringLiteral("()- +");
    return (ehControle(tecla) || ehDigito(tecla) || sinais.contains(tecla)) ? tecla : QChar();
}

QChar BloqueiaAspas(QChar tecla) { return tecla == u'\'' ? QChar() : tecla; }

QString CompletaBarraData(const QString& texto)
{
    return (texto.size() == 2 || texto.size() == 5) ? QStringLiteral("/") : QString();
}
