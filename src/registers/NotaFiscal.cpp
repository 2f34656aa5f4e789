#include "registers/NotaFiscal.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"
#include "core/Interacao.h"

#include <algorithm>
#include <array>

namespace {

// The IBGE codes of the 27 federal units, the first two digits of every key.
bool CodigoUfExiste(const QString& codigo)
{
    static constexpr std::array<int, 27> ufs{11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, 27,
                                             28, 29, 31, 32, 33, 35, 41, 42, 43, 50, 51, 52, 53};
    return std::find(ufs.begin(), ufs.end(), codigo.toInt()) != ufs.end();
}

bool SomenteAlgarismos(const QString& texto)
{
    return !texto.isEmpty() && SomenteDigitos(texto).size() == texto.size();
}

} // namespace

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
    const QString serie = n.serie.trimmed();
    const bool eletronica = serie == QStringLiteral("55") || SomenteDigitos(codigo).size() == 44;
    if (!eletronica) {
        r.naoVerificados << QStringLiteral("O código autenticador só pode ser conferido pela Secretaria da Fazenda.");
        return r;
    }
    // The key: UF (2), AAMM (4), CNPJ (14), model (2), series (3), number (9), emission (1),
    // code (8), check digit (1).
    const QString chave = SomenteDigitos(codigo);
    if (chave.size() != 44 || chave.size() != codigo.size()) {
        falha(QStringLiteral("A chave da nota fiscal eletrônica deve ter 44 algarismos, sem espaços nem pontuação."));
        return r;
    }
    if (DigitoChaveNFe(chave.left(43)) != chave[43].digitValue())
        falha(QStringLiteral("Dígito verificador da chave inválido."));
    if (!CodigoUfExiste(chave.left(2)))
        falha(QStringLiteral("O código da UF da chave não existe."));
    // An issuer known by its CPF stands in the key's CNPJ place with three leading zeros.
    const QString emitenteNaChave = emitente.size() == 11 ? QStringLiteral("000") + emitente : emitente;
    if (chave.mid(6, 14) != emitenteNaChave)
        falha(QStringLiteral("O CNPJ da chave não é o do emitente informado."));
    if (emissao && chave.mid(2, 4) != emissao->toString(QStringLiteral("yyMM")))
        falha(QStringLiteral("O ano e o mês da chave não são os da data de emissão."));
    if (chave.mid(20, 2) != QStringLiteral("55"))
        falha(QStringLiteral("O modelo da chave não é o da nota fiscal eletrônica (55)."));
    // "55" typed as the series names the model: the key's series is then taken as it is.
    if (serie != QStringLiteral("55") && (!SomenteAlgarismos(serie) || chave.mid(22, 3).toInt() != serie.toInt()))
        falha(QStringLiteral("A série da chave não é a da nota fiscal informada."));
    const QString numero = n.numero.trimmed();
    if (!SomenteAlgarismos(numero) || chave.mid(25, 9).toLongLong() != numero.toLongLong())
        falha(QStringLiteral("O número da chave não é o da nota fiscal informada."));
    r.naoVerificados << QStringLiteral("O valor não consta da chave e só pode ser conferido pela Secretaria da Fazenda.");
    return r;
}

void AvisaNotaFiscal(Interacao& ui, const QString& texto) { Avisa(ui, Interacao::Icone::Informacao, TituloPrograma, texto); }

bool ConfereCnpjEmitente(Interacao& ui, const QString& cnpj)
{
    if (cnpj.isEmpty() || ValidaCNPJ(cnpj))
        return true;
    AvisaNotaFiscal(ui, QStringLiteral("O número ") + cnpj + QStringLiteral(" não é um CNPJ válido"));
    return false;
}

bool ConfereDataEmissao(Interacao& ui, const QString& data)
{
    if (data.trimmed().isEmpty() || data == DataEmissaoVazia || DataDeTexto(data))
        return true;
    AvisaNotaFiscal(ui, QStringLiteral("Data inválida"));
    return false;
}

bool ConfereSerieNotaFiscal(Interacao& ui, const QString& serie)
{
    if (serie != SerieAVer)
        return true;
    AvisaNotaFiscal(ui, QStringLiteral("Apenas a série  TAL pode ser validade"));
    return false;
}

QString FaltaNaNotaFiscal(const NotaFiscal& n)
{
    if (n.numero.trimmed().isEmpty())
        return QStringLiteral("Informe o número da Nota Fiscal");
    if (n.serie.trimmed().isEmpty())
        return QStringLiteral("Informe a série da Nota Fiscal");
    if (n.emissao.trimmed().isEmpty() || n.emissao == DataEmissaoVazia)
        return QStringLiteral("Informe a data de emissão da Nota Fiscal");
    if (n.valor.ehZero())
        return QStringLiteral("Informe o valor da Nota Fiscal");
    if (n.emitente.trimmed().isEmpty())
        return QStringLiteral("Informe o CNPJ do emitente da Nota Fiscal");
    if (n.codigo.trimmed().isEmpty())
        return QStringLiteral("Informe o código de validação da Nota Fiscal");
    return {};
}

std::optional<ResultadoNotaFiscal> ValidaNotaFiscal(Interacao& ui, const ValidadorNotaFiscal& validador, const NotaFiscal& n)
{
    if (const QString falta = FaltaNaNotaFiscal(n); !falta.isEmpty()) {
        AvisaNotaFiscal(ui, falta);
        return std::nullopt;
    }
    return validador.valida(n);
}
