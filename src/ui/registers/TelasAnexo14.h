#pragma once
#include "registers/Empenhos.h"
#include "ui/core/TelaMestreDetalhe.h"

// The Anexo XIV editor: the master-detail screen of the four grids, with the option of earlier
// periods ("chkBimAnteriores") and the line of the selected commitment with its balance.
DefinicaoMestreDetalhe DefinicaoAnexo14(std::shared_ptr<const ServicosAnexo14> servicos);
TelaMestreDetalhe* AbreAnexo14(Contexto& ctx, std::shared_ptr<const ServicosAnexo14> servicos);
// The services of the screen opened from the menu: the offline validator, no tax-authority service.
std::shared_ptr<const ServicosAnexo14> ServicosAnexo14Padrao();
