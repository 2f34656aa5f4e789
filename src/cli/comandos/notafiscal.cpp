// validar-nf: one invoice checked as the screen "Validar código autenticador da nota fiscal"
// checks it. It reads no body: no sign-in.
#include "Cli.h"
#include "core/Conversoes.h"
#include "registers/NotaFiscal.h"

#include <QRegularExpression>

namespace cli {
namespace {

int validarNf(Sessao& s)
{
    NotaFiscal nota;
    QString valor;
    const std::pair<QString, QString*> opcoes[] = {
        {QStringLiteral("--numero"), &nota.numero},  {QStringLiteral("--serie"), &nota.serie},
        {QStringLiteral("--emissao"), &nota.emissao}, {QStringLiteral("--valor"), &valor},
        {QStringLiteral("--cnpj"), &nota.emitente},   {QStringLiteral("--codigo"), &nota.codigo},
    };
    const QStringList& a = s.opcoes.argumentos;
    for (qsizetype i = 0; i < a.size(); ++i) {
        QString* destino = nullptr;
        for (const auto& [nome, campo] : opcoes)
            if (a[i] == nome)
                destino = campo;
        if (!destino)
            return Uso(s, QStringLiteral("Opção desconhecida: ") + a[i]);
        if (i + 1 >= a.size())
            return Uso(s, QStringLiteral("A opção ") + a[i] + QStringLiteral(" precisa de um valor."));
        *destino = a[++i];
    }
    if (!valor.trimmed().isEmpty()) {
        const std::optional<Moeda> v = Moeda::deTexto(valor.trimmed());
        if (!v)
            return Uso(s, QStringLiteral("Valor inválido: ") + valor + QStringLiteral(" (use a vírgula decimal, por exemplo 1234,56)."));
        nota.valor = *v;
    }
    // The screen's field takes digits only: a punctuated CNPJ comes as its digits.
    static const QRegularExpression pontuado(QStringLiteral(R"(^[\d./\-]+$)"));
    if (pontuado.match(nota.emitente).hasMatch())
        nota.emitente = SomenteDigitos(nota.emitente);
    if (const QString falta = FaltaNaNotaFiscal(nota); !falta.isEmpty())
        return Uso(s, falta);
    // What the screen says as each field is left, then the validation.
    ConfereSerieNotaFiscal(s.ui, nota.serie);
    ConfereDataEmissao(s.ui, nota.emissao);
    ConfereCnpjEmitente(s.ui, nota.emitente);
    const ResultadoNotaFiscal r = ValidadorNotaFiscal().valida(nota);
    Escreve(r.valida ? QStringLiteral("Código validado com sucesso") : QStringLiteral("Código não é válido"));
    for (const QString& m : r.motivos + r.naoVerificados)
        Escreve(QStringLiteral("  ") + m);
    return r.valida ? Ok : Recusado;
}

const Registro r({QStringLiteral("validar-nf"),
                  QStringLiteral("validar-nf --numero N --serie S --emissao DD/MM/AAAA --valor V --cnpj C --codigo K"),
                  validarNf});

} // namespace
} // namespace cli
