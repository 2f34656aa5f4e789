#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

struct Contexto;

// The main window's menus as data: each entry has a stable id (under which a screen is
// registered), its caption, the permissions it asks in order, and its place in the annex,
// report and import menus that the due flags govern.
struct ItemMenu {
    QString id;                 // "registrar.14", "arquivo.usuarios", ...
    QString pai;                // id of the menu or sub-menu holding it
    QString legenda;
    QStringList permissoes;     // asked in this order; empty: no check
    int indiceAnexo = -1;       // index in the annex and report menus (0..34)
    int numeroImportacao = -1;  // number in the import menu (by annex; 97 the layout documents)
    bool separadorAntes = false;
    bool submenu = false;
};

const std::vector<ItemMenu>& ArvoreMenus();
const ItemMenu* ItemDoMenu(const QString& id);

// Enabled state of the flag-driven entries; it persists between applications, as the
// menus of the window do (an import entry disabled by the synchronisation stays so until
// the window is built again).
struct EstadoMenus {
    std::array<bool, 35> anexo;       // annex menu by index
    std::array<bool, 35> relatorio;   // report menu by index
    std::array<bool, 100> importacao; // import menu by number
    bool comprovante = true;          // "Envio do comprovante do envio de RREO E RGF..."
    EstadoMenus() { anexo.fill(true); relatorio.fill(true); importacao.fill(true); }
};

// Fills the due flags of the open bimester and NomeOrgao.
void CalculaAnexosDoBimestre(Contexto& ctx);
// Enables the annex, report and import entries from the due flags and the body's kind.
void AplicaMenuAnexos(Contexto& ctx, EstadoMenus& estado, bool aposLogin);
// Disables every import entry whose annex entry is disabled.
void SincronizaMenus(EstadoMenus& estado);
// Whether an entry of the tree is enabled in the given state.
bool ItemHabilitado(const ItemMenu& item, const EstadoMenus& estado);

// One row of the screen of annexes due in the bimester.
struct AnexoDevido {
    int slot = 0;
    QString titulo;
    QString obrigatoriedade;   // "Obrigatório" or "Obrigatório (se ocorreu no período)"
    bool preenchido = false;
    QString alteracoes;        // empty: "Sem Modificações"
};
// Loads the open period, computes the flags (slot 44 forced for some kinds of body) and
// lists the due annexes. Tells first when the key row names another body.
std::vector<AnexoDevido> AnexosDoBimestre(Contexto& ctx);
// "Lumo Coleta 2012 - Versão : 7.2.0 - <body> - 03/2012"; before the sign-in only the program.
QString TituloJanela(const Contexto& ctx);
// The box of an entry whose screen this version does not have yet.
QString MensagemTelaIndisponivel(const ItemMenu& item);
