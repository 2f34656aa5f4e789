#pragma once
#include <QString>
#include <vector>

struct Contexto;
class Banco;

// Bodies of the program folder: those known in Orgaos and those configured in OrgaosCad.
struct OrgaoConhecido {
    QString codigo;      // Orgaos.Codigo (order of listing, folder name of a new body)
    QString nome;
    QString siglaLrf;    // the body code
    bool configurado = false;
    QString pastaDados;  // when configured
};

std::vector<OrgaoConhecido> OrgaosConhecidos(const Banco& config);
std::vector<OrgaoConhecido> OrgaosConfigurados(const Banco& config);

// Configures a body on this machine: its OrgaosCad row, its folder named by Orgaos.codigo
// and a copy of the template folder "data" into it. Returns the folder name. Throws
// ErroBanco (nothing is left half done: the row is only written once the copy succeeded).
QString ConfiguraOrgao(const QString& pastaPrograma, const Banco& config, const QString& siglaLrf);

// What the user is told after a body's folder was created.
QString MensagemOrgaoCriado(const QString& nome);

// Makes the body the active one of the context (as the body-choice screen does).
void EscolheOrgao(Contexto& ctx, const OrgaoConhecido& orgao);

// A body just configured becomes the active one with its database open and the first-opening
// defaults applied, so that the sign-in already finds its open period.
void AbreOrgaoNovo(Contexto& ctx, const OrgaoConhecido& orgao);

// The defaults of a body's first opening: the key row ("7.0", running revision, backup on)
// and the first period of the exercise open.
void AplicaPadroesPrimeiraAbertura(Contexto& ctx);

// Makes a folder a program folder: a fresh data.mdb and the template folder "data", copied
// from `modelo`. Never overwrites what exists. Returns what it created, one line each.
QStringList InstalaPrograma(const QString& modelo, const QString& pastaPrograma);

// Copies every file of a folder into another (created when absent); false on any failure.
bool CopiaArquivos(const QString& origem, const QString& destino);
