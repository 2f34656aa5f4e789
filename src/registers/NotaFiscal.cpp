#include "registers/NotaFiscal.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"

int DigitoChaveNFe(const QString& chave43)
{
    int soma = 0, peso = 2;
    for (qsizetype i = chave43.size() - 1; i >= 0; --i) {
        soma += chave43[i].digitValue() * peso;
        peso = peso == 9 ? 2 : peso + 1;
    }
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

ResultadoNotaFiscal ValidadorNotaFiscal::valida(const NotaFiscal& n) const
{
    ResultadoNotaFiscal r;
    const auto falha = [&r](const QString& motivo) {
        r.valida = false;
        r.motivos << motivo;
    };
    const QString emitente = SomenteDigitos(n.emitente);
    const std::optional<QDate> emissao = DataDeTexto(n.emissao);
    if (!emissao)
        falha(QStringLiteral("Data de emissão inválida."));
    if (emitente.size() == 14 ? !ValidaCNPJ(emitente) : emitente.size() == 11 ? !ValidaCPF(emitente) : true)
        falha(QStringLiteral("CNPJ/CPF do emitente inválido."));
    if (n.valor <= Moeda())
        falha(QStringLiteral("Valor da nota fiscal deve ser maior que zero."));
    const QString codigo = n.codigo.trimmed();
    const bool eletronica = n.serie.trimmed() == QStringLiteral("55") || SomenteDigitos(codigo).size() == 44;
    if (!eletronica) {
        r.naoVerificados << QStringLiteral("O código autenticador só pode ser conferido pela Secretaria da Fazenda.");
        return r;
    }
    // The key: UF (2), AAMM (4), CNPJ (14), model (2), series (3), number (9), emission (1),
    // code (8), check digit (1).
    const QString chave = SomenteDigitos(codigo);
    if (chave.size() != 44 || chave.size() != codigo.size()) {
        falha(QStringLiteral("A chave da nota fiscal eletrônica deve ter 44 dígitos."));
        return r;
    }
    if (DigitoChaveNFe(chave.left(43)) != chave[43].digitValue())
        falha(QStringLiteral("Dígito verificador da chave inválido."));
    if (chave.mid(6, 14) != emitente)
        falha(QStringLiteral("O CNPJ da chave não é o do emitente informado."));
    if (emissao && chave.mid(2, 4) != emissao->toString(QStringLiteral("yyMM")))
        falha(QStringLiteral("O ano e o mês da chave não são os da data de emissão."));
    if (chave.mid(20, 2) != QStringLiteral("55"))
        falha(QStringLiteral("O modelo da chave não é o da nota fiscal eletrônica (55)."));
    if (chave.mid(22, 3).toInt() != n.serie.trimmed().toInt() && n.serie.trimmed() != QStringLiteral("55"))
        falha(QStringLiteral("A série da chave não é a da nota fiscal informada."));
    if (chave.mid(25, 9).toLongLong() != SomenteDigitos(n.numero).toLongLong())
        falha(QStringLiteral("O número da chave não é o da nota fiscal informada."));
    r.naoVerificados << QStringLiteral("O valor não consta da chave e só pode ser conferido pela Secretaria da Fazenda.");
    return r;
}
