#pragma once
#include "admin/Orgaos.h"

#include <vector>

struct Contexto;

// The body-choice screen's rules: the configured bodies, one body added per visit, removal of
// a body added and not yet configured, and the choice (which configures a new body).
class EscolhaOrgao {
public:
    explicit EscolhaOrgao(Contexto& ctx);

    const std::vector<OrgaoConhecido>& lista() const { return lista_; }
    bool carregou() const { return carregou_; }
    // Bodies of Orgaos that are not in the list, for the body search; `filtro` matches the
    // name or the code anywhere.
    std::vector<OrgaoConhecido> disponiveis(const QString& filtro = {}) const;
    // Adds the body of that code to the list; returns its index, or -1 when refused.
    int adiciona(const QString& siglaLrf);
    bool remove(int indice);
    // Makes the body at `indice` the chosen one (configuring it first when it has no
    // OrgaosCad row yet). False when nothing is selected or the configuration failed.
    bool escolhe(int indice);

private:
    Contexto& ctx_;
    std::vector<OrgaoConhecido> lista_;
    bool adicionouNestaVisita_ = false;
    bool carregou_ = false;
};
