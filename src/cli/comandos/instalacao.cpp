// instalar, orgao listar, orgao adicionar
#include "Cli.h"
#include "admin/Orgaos.h"
#include "core/Inicio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cli {
namespace {

int instalar(Sessao& s)
{
    if (!s.opcoes.argumentos.isEmpty())
        return Uso(s, QStringLiteral("O comando instalar não recebe argumentos."));
    try {
        // An empty or foreign data.mdb is set aside and made anew only when asked.
        const QString config = ArquivoNaPasta(s.ctx.pastaPrograma, QStringLiteral("data.mdb"));
        if (QFileInfo::exists(config) && !BancoDeConfiguracao(config)) {
            EscreveErro(QStringLiteral("O arquivo ") + config + QStringLiteral(" está vazio ou não é um banco de configuração do Lumo."));
            if (!s.ui.pergunta(QStringLiteral("Instalar"), QStringLiteral("Deseja recriá-lo a partir do modelo? O arquivo atual será guardado como data.mdb.danificado."),
                               Interacao::Padrao::Nao))
                return ErroUso;
            const QString guardado = config + QStringLiteral(".danificado");
            QFile::remove(guardado);
            if (!QFile::rename(config, guardado)) {
                EscreveErro(QStringLiteral("Não foi possível renomear ") + config);
                return ErroUso;
            }
        }
        const QStringList feito = InstalaPrograma(PastaModelo(), s.ctx.pastaPrograma);
        if (feito.isEmpty())
            Escreve(QStringLiteral("A pasta ") + s.ctx.pastaPrograma + QStringLiteral(" já é uma pasta do programa; nada foi alterado."));
        for (const QString& f : feito)
            Escreve(QStringLiteral("Criado: ") + f);
        return Ok;
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
}

// Listing and adding bodies need no sign-in while no body is configured; afterwards they are
// guarded like the configuration screen (a signed-in user).
int entraSeHouverOrgao(Sessao& s)
{
    if (int r = s.abreConfig(); r != Ok)
        return r;
    if (OrgaosConfigurados(s.ctx.BancoConfig).empty())
        return Ok;
    return s.entra();
}

int orgao(Sessao& s)
{
    const QStringList& a = s.opcoes.argumentos;
    if (a.isEmpty() || (a[0] != QStringLiteral("listar") && a[0] != QStringLiteral("adicionar")))
        return Uso(s, QStringLiteral("Informe 'listar' ou 'adicionar CODIGO'."));
    if (a[0] == QStringLiteral("listar") && a.size() != 1)
        return Uso(s, QStringLiteral("O comando orgao listar não recebe argumentos."));
    if (a[0] == QStringLiteral("adicionar") && a.size() != 2)
        return Uso(s, QStringLiteral("Informe o código do órgão a adicionar."));
    if (int r = entraSeHouverOrgao(s); r != Ok)
        return r;
    try {
        if (a[0] == QStringLiteral("listar")) {
            for (const auto& o : OrgaosConhecidos(s.ctx.BancoConfig))
                Escreve((o.configurado ? QStringLiteral("* ") : QStringLiteral("  ")) + o.siglaLrf + u'\t' + o.nome
                        + (o.configurado ? QStringLiteral("\t(pasta ") + o.pastaDados + u')' : QString()));
            return Ok;
        }
        QString sigla = a[1].trimmed();
        const auto conhecidos = OrgaosConhecidos(s.ctx.BancoConfig);
        const OrgaoConhecido* orgao = nullptr;
        for (const auto& o : conhecidos)
            if (o.siglaLrf.compare(sigla, Qt::CaseInsensitive) == 0)
                orgao = &o;
        if (!orgao) {
            EscreveErro(QStringLiteral("Órgão não encontrado: ") + sigla);
            return Recusado;
        }
        if (orgao->configurado) {
            EscreveErro(QStringLiteral("O órgão ") + orgao->nome + QStringLiteral(" já está configurado."));
            return Recusado;
        }
        const QString pasta = ConfiguraOrgao(s.ctx.pastaPrograma, s.ctx.BancoConfig, orgao->siglaLrf);
        OrgaoConhecido configurado = *orgao;
        configurado.pastaDados = pasta;
        AbreOrgaoNovo(s.ctx, configurado);
        Escreve(MensagemOrgaoCriado(orgao->nome));
        return Ok;
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
}

const Registro r1({QStringLiteral("instalar"), QStringLiteral("instalar"), instalar});
const Registro r2({QStringLiteral("orgao"), QStringLiteral("orgao listar | orgao adicionar CODIGO"), orgao});

} // namespace
} // namespace cli
