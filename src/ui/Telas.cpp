#include "ui/Telas.h"

#include <QHash>

namespace {
QHash<QString, FabricaTela>& registro()
{
    static QHash<QString, FabricaTela> r;
    return r;
}
} // namespace

void RegistraTela(const QString& idMenu, FabricaTela fabrica) { registro().insert(idMenu, std::move(fabrica)); }

const FabricaTela* TelaDoMenu(const QString& idMenu)
{
    const auto it = registro().constFind(idMenu);
    return it == registro().constEnd() ? nullptr : &it.value();
}

QStringList TelasRegistradas() { return registro().keys(); }

// One line per subsystem that has screens of the menu.
void RegistraTelasUsuarios();
void RegistraTelasAdministracao();
void RegistraTelasAtualizacao();
void RegistraTelasAnexo1();
void RegistraTelasDemonstrativos();
void RegistraTelasNotaFiscal();
void RegistraTelasAnexo14();
void RegistraTelasLicitacoes();
void RegistraTelasRelatorios();
void RegistraTelasSubmissao();

void RegistraTodasAsTelas()
{
    static bool feito = false;
    if (feito)
        return;
    feito = true;
    RegistraTelasUsuarios();
    RegistraTelasAdministracao();
    RegistraTelasAtualizacao();
    RegistraTelasAnexo1();
    RegistraTelasDemonstrativos();
    RegistraTelasNotaFiscal();
    RegistraTelasAnexo14();
    RegistraTelasLicitacoes();
    RegistraTelasRelatorios();
    RegistraTelasSubmissao();
}
