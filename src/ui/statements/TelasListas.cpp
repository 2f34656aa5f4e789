#include "core/Anexos.h"
#include "statements/Listas.h"
#include "ui/core/TelaGrade.h"
#include "ui/core/TelaMestreDetalhe.h"
#include "ui/statements/FrmAnexo22B.h"

// The list-shaped statements, Anexo 24 and Anexo 22B.
void RegistraTelasListas()
{
    const auto titulo = [](const QString& numero) {
        for (const DefinicaoAnexo& a : CatalogoAnexos())
            if (a.numero == numero)
                return a.titulo;
        return QString();
    };
    RegistraTelaGrade(QStringLiteral("registrar.07"), FabricaDefinicaoGrade(DefinicaoAnexo07), titulo(QStringLiteral("07")));
    const std::pair<const char*, FabricaDefinicaoFixa> listas[] = {
        {"09", DefinicaoAnexo09}, {"19", DefinicaoAnexo19}, {"20", DefinicaoAnexo20}, {"24", DefinicaoAnexo24},
        {"35", DefinicaoAnexo35}, {"37", DefinicaoAnexo37}, {"38", DefinicaoAnexo38}};
    for (const auto& [numero, definicao] : listas)
        RegistraTelaGrade(QStringLiteral("registrar.") + QLatin1String(numero), definicao, titulo(QLatin1String(numero)));
    RegistraTelaMestreDetalhe(QStringLiteral("registrar.39"), [titulo](const Contexto&) {
        return DefinicaoMestreDetalhe{.titulo = titulo(QStringLiteral("39")),
                                      .tituloMestre = QStringLiteral("Despesas de Caráter Continuado"),
                                      .mestre = DefinicaoAnexo39(),
                                      .detalhes = {{QStringLiteral("Ativos"), DefinicaoAnexo39Ativos()}}};
    });
    RegistraTela(QStringLiteral("registrar.22B"), [](Contexto& ctx, Navegacao&) -> QWidget* { return new FrmAnexo22B(ctx); });
}
