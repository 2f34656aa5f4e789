#include "admin/EscolhaOrgao.h"
#include "core/Contexto.h"

EscolhaOrgao::EscolhaOrgao(Contexto& ctx) : ctx_(ctx)
{
    try {
        lista_ = OrgaosConfigurados(ctx_.BancoConfig);
        carregou_ = true;
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar formulário."), e.falha());
    }
}

std::vector<OrgaoConhecido> EscolhaOrgao::disponiveis(const QString& filtro) const
{
    std::vector<OrgaoConhecido> r;
    try {
        for (const auto& o : OrgaosConhecidos(ctx_.BancoConfig)) {
            bool naLista = false;
            for (const auto& l : lista_)
                naLista = naLista || l.siglaLrf.compare(o.siglaLrf, Qt::CaseInsensitive) == 0;
            if (naLista || o.configurado)
                continue;
            if (!filtro.trimmed().isEmpty() && !o.nome.contains(filtro.trimmed(), Qt::CaseInsensitive)
                && !o.siglaLrf.contains(filtro.trimmed(), Qt::CaseInsensitive))
                continue;
            r.push_back(o);
        }
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar carregar formulário."), e.falha());
    }
    return r;
}

int EscolhaOrgao::adiciona(const QString& siglaLrf)
{
    if (adicionouNestaVisita_) {
        Avisa(ctx_.interacao(), Interacao::Icone::Informacao, TituloPrograma,
              QStringLiteral("Apenas um órgão pode ser configurado por vez.\r"
                             "Após salvar os dados do novo órgão, retorne à tela atual para adicionar outro, se necessário."));
        return -1;
    }
    for (const auto& o : disponiveis())
        if (o.siglaLrf.compare(siglaLrf, Qt::CaseInsensitive) == 0) {
            lista_.push_back(o);
            adicionouNestaVisita_ = true;
            return int(lista_.size()) - 1;
        }
    return -1;
}

bool EscolhaOrgao::remove(int indice)
{
    if (indice < 0 || indice >= int(lista_.size())) {
        Avisa(ctx_.interacao(), Interacao::Icone::Critico, QStringLiteral("Erro"), QStringLiteral("Erro ao tentar excluir."));
        return false;
    }
    if (lista_[size_t(indice)].configurado) {
        Avisa(ctx_.interacao(), Interacao::Icone::Critico, QStringLiteral("Erro"),
              QStringLiteral("Órgão não pode ser removido pois já existem dados para ele."));
        return false;
    }
    lista_.erase(lista_.begin() + indice);
    adicionouNestaVisita_ = false;
    return true;
}

bool EscolhaOrgao::escolhe(int indice)
{
    if (indice < 0 || indice >= int(lista_.size())) {
        Avisa(ctx_.interacao(), Interacao::Icone::Informacao, QStringLiteral("Erro"),
              QStringLiteral("Selecione o órgão a ser mostrado no sistema."));
        return false;
    }
    OrgaoConhecido& o = lista_[size_t(indice)];
    if (!o.configurado) {
        try {
            o.pastaDados = ConfiguraOrgao(ctx_.pastaPrograma, ctx_.BancoConfig, o.siglaLrf);
            o.configurado = true;
            AbreOrgaoNovo(ctx_, o);
        } catch (const ErroBanco& e) {
            MostraErro(ctx_.interacao(), QStringLiteral("Erro ao tentar configurar o órgão."), e.falha());
            return false;
        }
        MostraAviso(ctx_.interacao(), MensagemOrgaoCriado(o.nome));
    }
    EscolheOrgao(ctx_, o);
    return true;
}
