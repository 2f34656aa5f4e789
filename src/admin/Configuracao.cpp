#include "admin/Configuracao.h"
#include "admin/Orgaos.h"
#include "admin/Periodos.h"
#include "core/Banco.h"
#include "core/Contexto.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>

namespace {

const QString Erro = QStringLiteral("Erro");

CampoFicha campo(const char* coluna, const char* rotulo, int tamanho = 60, TipoCampo tipo = TipoCampo::Texto,
                 bool obrigatorio = false)
{
    CampoFicha c{QString::fromLatin1(coluna), QString::fromUtf8(rotulo), tipo, tamanho, obrigatorio};
    c.dataIso = true; // the persons' dates are kept "yyyy-MM-dd"
    return c;
}

CampoFicha uf()
{
    CampoFicha c = campo("uf", "UF:", 2);
    c.maiusculas = true;
    return c;
}

std::vector<CampoFicha> endereco()
{
    return {campo("logradouro", "Logradouro:", 60), campo("complemento", "Complemento:", 40),
            campo("cep", "CEP:", 9, TipoCampo::Cep), campo("bairro", "Bairro:", 40), campo("cidade", "Cidade:", 40),
            uf()};
}

Ficha pessoa(const char* tabela, const char* aba, const char* falta, std::vector<CampoFicha> proprios)
{
    Ficha f{QString::fromLatin1(tabela), QString::fromUtf8(aba), QString::fromUtf8(falta), std::move(proprios)};
    for (CampoFicha& c : endereco())
        f.campos.push_back(std::move(c));
    return f;
}

Valores leLinha(const QSqlQuery& q, const Ficha& f)
{
    Valores v;
    const QSqlRecord r = q.record();
    for (const CampoFicha& c : f.campos)
        if (r.contains(c.coluna))
            v.insert(c.coluna, q.value(c.coluna).toString().trimmed());
    return v;
}

bool vazio(const Valores& v, const QString& coluna) { return v.value(coluna).trimmed().isEmpty(); }

QVariantList valoresDe(const Ficha& f, const Valores& v)
{
    QVariantList r;
    for (const CampoFicha& c : f.campos) {
        const QString t = v.value(c.coluna).trimmed();
        r << (t.isEmpty() ? QVariant() : QVariant(t));
    }
    return r;
}

// Updates the period's row of a person, or inserts it when the period has none.
void gravaResponsavel(const Banco& b, const Ficha& f, const QString& periodo, const Valores& v)
{
    QVariantList valores = valoresDe(f, v);
    valores << periodo;
    if (b.existe(QStringLiteral("SELECT 1 FROM %1 WHERE BimReferencia = ?").arg(f.tabela), {periodo})) {
        QStringList atribuicoes;
        for (const CampoFicha& c : f.campos)
            atribuicoes << c.coluna + QStringLiteral(" = ?");
        b.executa(QStringLiteral("UPDATE %1 SET %2 WHERE BimReferencia = ?").arg(f.tabela, atribuicoes.join(u',')), valores);
    } else {
        b.executa(QStringLiteral("INSERT INTO %1 (%2, bimreferencia) VALUES (%3?)")
                      .arg(f.tabela, ColunasDaFicha(f), QStringLiteral("?,").repeated(int(f.campos.size()))),
                  valores);
    }
}

void gravaArquivos(const Banco& b, const QString& periodo, const Comprovante& rreo, const Comprovante& rgf)
{
    b.executa(QStringLiteral("UPDATE tabResponsavelPreenchimento SET CaminhoArquivoComprovacaoREL = ?, "
                             "CaminhoArquivoComprovacaoRGF = ? WHERE BimReferencia = ?"),
              {rreo.caminho, rgf.caminho, periodo});
    if (rreo.escolhido)
        b.executa(QStringLiteral("UPDATE tabResponsavelPreenchimento SET ArquivoComprovacaoRel = ? WHERE BimReferencia = ?"),
                  {rreo.conteudo, periodo});
    if (rgf.escolhido)
        b.executa(QStringLiteral("UPDATE tabResponsavelPreenchimento SET ArquivoComprovacaoRgf = ? WHERE BimReferencia = ?"),
                  {rgf.conteudo, periodo});
}

bool temPreenchimento(const Banco& b, const QString& periodo)
{
    return b.existe(QStringLiteral("SELECT 1 FROM tabResponsavelPreenchimento WHERE BimReferencia = ?"), {periodo});
}

// A database of the previous version, attached to the body database as "anterior" while the
// import reads it; detached whatever happens.
class BancoAnterior {
public:
    BancoAnterior(const Banco& b, const QString& caminho) : b_(b)
    {
        b_.executa(QStringLiteral("ATTACH DATABASE ? AS anterior"), {caminho});
        anexado_ = true;
    }
    ~BancoAnterior()
    {
        if (anexado_) {
            try {
                b_.executa(QStringLiteral("DETACH DATABASE anterior"));
            } catch (const ErroBanco&) {
            }
        }
    }

private:
    const Banco& b_;
    bool anexado_ = false;
};

} // namespace

QString ColunasDaFicha(const Ficha& f)
{
    QStringList r;
    for (const CampoFicha& c : f.campos)
        r << c.coluna;
    return r.join(u',');
}

const Ficha& FichaOrgao()
{
    static const Ficha f = [] {
        Ficha o{QStringLiteral("tabChave"), QStringLiteral("Órgão"),
                QStringLiteral("Campo Obrigatório do cadastro do órgão deve ser informado."),
                {campo("CGC", "CNPJ:", 18, TipoCampo::Cnpj, true)}};
        for (CampoFicha& c : endereco())
            o.campos.push_back(std::move(c));
        o.campos.push_back(campo("Email", "E-mail:", 60));
        o.campos.push_back(campo("Telefone", "Telefone:", 20, TipoCampo::Telefone));
        return o;
    }();
    return f;
}

const std::array<Ficha, 3>& FichasResponsaveis()
{
    static const std::array<Ficha, 3> f{
        pessoa("tabResponsavelInformacao", "Resp. pela Informação",
               "Campos Obrigatórios do responsável pelas informações devem ser informados.",
               {campo("nome", "Nome:", 60, TipoCampo::Texto, true), campo("cpf", "CPF:", 14, TipoCampo::Cpf, true),
                campo("funcao", "Função:", 40), campo("id", "Identidade:", 20), campo("email", "E-mail:", 60),
                campo("telefone", "Telefone:", 20, TipoCampo::Telefone, true), campo("celular", "Celular:", 20, TipoCampo::Telefone)}),
        pessoa("tabResponsavelPreenchimento", "Resp. pelo Preenchimento",
               "Campos Obrigatórios do responsável pelo preenchimento devem ser informados.",
               {campo("nome", "Nome:", 60, TipoCampo::Texto, true), campo("cpf", "CPF:", 14, TipoCampo::Cpf, true),
                campo("funcao", "Função:", 40), campo("id", "Identidade:", 20), campo("email", "E-mail:", 60),
                campo("telefone", "Telefone:", 20, TipoCampo::Telefone, true), campo("celular", "Celular:", 20, TipoCampo::Telefone)}),
        pessoa("tabResponsavelContabilidade", "Resp. pela Contabilidade",
               "Campos Obrigatórios do responsável pela contabilidade devem ser informados.",
               {campo("nome", "Nome:", 60, TipoCampo::Texto, true), campo("cpf", "CPF:", 14, TipoCampo::Cpf, true),
                campo("profissao", "Profissão:", 40), campo("rg", "RG:", 20), campo("email", "E-mail:", 60),
                campo("telefone", "Telefone:", 20, TipoCampo::Telefone, true), campo("celular", "Celular:", 20, TipoCampo::Telefone),
                campo("data_nascimento", "Data de Nascimento:", 10, TipoCampo::Data),
                campo("estado_civil", "Estado Civil:", 20)}),
    };
    return f;
}

QString TituloConfiguracao(const QString& periodo)
{
    return QStringLiteral("Configuração do Sistema ") + QString::number(periodo.mid(4, 2).toInt()) + QStringLiteral("º Bimestre");
}

Configuracao LeConfiguracao(Contexto& ctx)
{
    AplicaPadroesPrimeiraAbertura(ctx);
    const Banco& b = ctx.BancoOrgao;
    Configuracao cfg;
    cfg.periodo = PeriodoAberto(b);
    cfg.codigoOrgao = ctx.CodigoOrgao;

    // The body's name and its reference address; what was saved in the key row prevails.
    QSqlQuery q = b.executa(QStringLiteral("SELECT * FROM tabOrgaos WHERE Codigo = ?"), {ctx.CodigoOrgao.trimmed()});
    if (q.next()) {
        cfg.descricao = q.value(QStringLiteral("descricao")).toString().trimmed();
        cfg.orgao = leLinha(q, FichaOrgao());
    }
    q = b.executa(QStringLiteral("SELECT * FROM tabChave"));
    if (q.next()) {
        const Valores chave = leLinha(q, FichaOrgao());
        for (auto it = chave.begin(); it != chave.end(); ++it)
            if (!it.value().isEmpty())
                cfg.orgao.insert(it.key(), it.value());
        cfg.primeiraConfiguracao = chave.value(QStringLiteral("CGC")).isEmpty();
        cfg.backup = q.value(QStringLiteral("backup")).isNull() || q.value(QStringLiteral("backup")).toBool();
        cfg.integradoSet = q.value(QStringLiteral("IntegradoSet")).toBool();
    }
    for (size_t i = 0; i < FichasResponsaveis().size(); ++i) {
        const Ficha& f = FichasResponsaveis()[i];
        q = b.executa(QStringLiteral("SELECT * FROM %1 WHERE BimReferencia = ?").arg(f.tabela), {cfg.periodo});
        if (q.next()) {
            cfg.responsaveis[i] = leLinha(q, f);
            if (i == RespPreenchimento) {
                cfg.temPreenchimento = true;
                cfg.rreo.caminho = q.value(QStringLiteral("CaminhoArquivoComprovacaoRel")).toString();
                cfg.rgf.caminho = q.value(QStringLiteral("CaminhoArquivoComprovacaoRgf")).toString();
            }
        }
    }
    return cfg;
}

bool ConfiguracaoPendente(const Contexto& ctx)
{
    try {
        return ctx.BancoOrgao.valor(QStringLiteral("SELECT CGC FROM tabChave")).toString().trimmed().isEmpty();
    } catch (const ErroBanco&) {
        return false;
    }
}

std::optional<RecusaGravacao> ValidaConfiguracao(const Configuracao& cfg)
{
    const QString cgc = QStringLiteral("CGC");
    if (cfg.codigoOrgao.trimmed().isEmpty())
        return RecusaGravacao{0, cgc, QStringLiteral("Um órgão deve ser selecionado.")};
    if (vazio(cfg.orgao, cgc))
        return RecusaGravacao{0, cgc, FichaOrgao().faltaObrigatorio};
    if (!ValidaCNPJ(SomenteDigitos(cfg.orgao.value(cgc))))
        return RecusaGravacao{0, cgc, QStringLiteral("O número de CGC é inválido.")};
    for (size_t i = 0; i < FichasResponsaveis().size(); ++i) {
        const Ficha& f = FichasResponsaveis()[i];
        const Valores& v = cfg.responsaveis[i];
        for (const CampoFicha& c : f.campos)
            if (c.obrigatorio && vazio(v, c.coluna))
                return RecusaGravacao{int(i) + 1, c.coluna, f.faltaObrigatorio};
        // A CPF refused when its field was left is refused again here: it is never saved.
        if (!ValidaCPF(SomenteDigitos(v.value(QStringLiteral("cpf")))))
            return RecusaGravacao{int(i) + 1, QStringLiteral("cpf"), QStringLiteral("O número de CPF é inválido.")};
    }
    return std::nullopt;
}

Gravacao GravaConfiguracao(Contexto& ctx, Configuracao& cfg, bool* importar)
{
    if (importar)
        *importar = false;
    if (const auto recusa = ValidaConfiguracao(cfg)) {
        Avisa(ctx.interacao(), Interacao::Icone::Critico, Erro, QStringLiteral("Impossível gravar: ") + recusa->texto);
        return Gravacao::Recusada;
    }
    const Banco& b = ctx.BancoOrgao;
    try {
        Transacao t(b);
        const Ficha& fo = FichaOrgao();
        QVariantList valores = valoresDe(fo, cfg.orgao);
        if (b.existe(QStringLiteral("SELECT 1 FROM tabChave"))) {
            QStringList atribuicoes;
            for (const CampoFicha& c : fo.campos)
                atribuicoes << c.coluna + QStringLiteral(" = ?");
            valores << int(cfg.backup);
            b.executa(QStringLiteral("UPDATE tabChave SET %1, backup = ?").arg(atribuicoes.join(u',')), valores);
        } else {
            valores.prepend(QStringLiteral("5.0"));
            valores.prepend(cfg.codigoOrgao);
            valores << int(cfg.backup);
            b.executa(QStringLiteral("INSERT INTO tabChave (Codigo_tabOrgaos, VersaoAtualAplicativo, %1, backup) VALUES (?, ?, %2?)")
                          .arg(ColunasDaFicha(fo), QStringLiteral("?,").repeated(int(fo.campos.size()))),
                      valores);
        }
        for (size_t i = 0; i < FichasResponsaveis().size(); ++i)
            gravaResponsavel(b, FichasResponsaveis()[i], cfg.periodo, cfg.responsaveis[i]);
        gravaArquivos(b, cfg.periodo, cfg.rreo, cfg.rgf);
        b.executa(QStringLiteral("update tabChave set IntegradoSet = ?"), {int(cfg.integradoSet)});
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar Gravar dados de Configuração do Lumo 2010."), e.falha());
        return Gravacao::Falhou;
    }
    cfg.rreo.escolhido = cfg.rgf.escolhido = false;
    cfg.temPreenchimento = true;
    const bool primeira = cfg.primeiraConfiguracao;
    cfg.primeiraConfiguracao = false;
    MostraAviso(ctx.interacao(), QStringLiteral("Configurações Salvas com Sucesso."));

    // The first body configured on a fresh installation may bring the previous exercise's data.
    bool unico = false;
    try {
        unico = ctx.BancoConfig.aberto()
            && ctx.BancoConfig.valor(QStringLiteral("SELECT count(*) FROM OrgaosCad WHERE Codigo_Lrf <> ?"), {ctx.CodigoOrgao}).toInt() == 0;
    } catch (const ErroBanco&) {
    }
    if (primeira && unico) {
        const bool sim = ctx.interacao().pergunta(
            TituloPrograma, QStringLiteral("O Programa Lumo ") + AnoExercicio + QStringLiteral(" foi configurado corretamente.\r")
                + QStringLiteral("É possível importar dados digitados do exercício anterior ")
                + QStringLiteral("Deseja importar os dados do exercício anterior?"));
        if (importar)
            *importar = sim;
    }
    return Gravacao::Gravada;
}

Fechamento FechaConfiguracao(Contexto& ctx, const Configuracao& cfg)
{
    if (!cfg.primeiraConfiguracao || !ValidaConfiguracao(cfg))
        return Fechamento::Fecha;
    Interacao& ui = ctx.interacao();
    if (ui.pergunta(TituloPrograma, QStringLiteral("Foram encontrados erros na configuração do órgão.\r")
                                        + QStringLiteral("Deseja continuar com a digitação dos dados ?")))
        return Fechamento::Continua;
    if (!ui.pergunta(TituloPrograma,
                     QStringLiteral("Você optou por não digitar os dados agora. Deseja excluir o órgão cadastrado ?\r")
                         + QStringLiteral("Esta operação irá apagar qualquer informação que tenha sido cadastrada."),
                     Interacao::Padrao::Nao))
        return Fechamento::Fecha;
    return ExcluiOrgao(ctx) ? Fechamento::OrgaoExcluido : Fechamento::Fecha;
}

bool ExcluiOrgao(Contexto& ctx)
{
    const QString pasta = ctx.pastaDoOrgao();
    try {
        ctx.BancoConfig.executa(QStringLiteral("DELETE FROM OrgaosCad WHERE Codigo_Lrf = ?"), {ctx.CodigoOrgao});
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar excluir."), e.falha());
        return false;
    }
    ctx.BancoOrgao.fecha();
    QDir dir(pasta);
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden))
        QFile::remove(f.filePath());
    dir.rmdir(pasta);
    ctx.PastaDados.clear();
    ctx.PastaOrgao.clear();
    ctx.CodigoOrgao.clear();
    return true;
}

std::optional<Comprovante> LeComprovante(Interacao& ui, const QString& caminho, const QStringList& extensoes)
{
    if (!extensoes.contains(QFileInfo(caminho).suffix().toLower())) {
        Avisa(ui, Interacao::Icone::Critico, Erro,
              extensoes.size() == 1 ? QStringLiteral("O arquivo só é aceito no seguinte formato (PDF)")
                                    : QStringLiteral("O arquivo só é aceito nos seguintes formatos (DOC,PDF,JPG,JPEG)"));
        return std::nullopt;
    }
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        MostraErro(ui, QStringLiteral("Erro ao tentar ler o arquivo."), {QStringLiteral("LeComprovante"), 0, f.errorString()});
        return std::nullopt;
    }
    Comprovante c{QDir::toNativeSeparators(caminho), f.readAll(), true};
    if (c.conteudo.isEmpty()) {
        Avisa(ui, Interacao::Icone::Critico, Erro, QStringLiteral("O arquivo que você está tentando inserir está vazio !!"));
        return std::nullopt;
    }
    return c;
}

Comprovantes LeComprovantes(Contexto& ctx)
{
    Comprovantes c;
    c.periodo = PeriodoAberto(ctx.BancoOrgao);
    QSqlQuery q = ctx.BancoOrgao.executa(
        QStringLiteral("SELECT CaminhoArquivoComprovacaoRel, CaminhoArquivoComprovacaoRgf FROM tabResponsavelPreenchimento "
                       "WHERE BimReferencia = ?"),
        {c.periodo});
    if (q.next()) {
        c.rreo.caminho = q.value(0).toString();
        c.rgf.caminho = q.value(1).toString();
    }
    return c;
}

bool GravaComprovantes(Contexto& ctx, const Comprovantes& c)
{
    try {
        if (!temPreenchimento(ctx.BancoOrgao, c.periodo)) {
            Avisa(ctx.interacao(), Interacao::Icone::Aviso, TituloMensagem,
                  QStringLiteral("Os dados do responsável pelo preenchimento deve estar informado antes de anexar o Rrel ou Rgf"));
            return false;
        }
        Transacao t(ctx.BancoOrgao);
        gravaArquivos(ctx.BancoOrgao, c.periodo, c.rreo, c.rgf);
        t.confirma();
    } catch (const ErroBanco& e) {
        MostraErro(ctx.interacao(), QStringLiteral("Erro ao tentar Gravar dados."), e.falha());
        return false;
    }
    MostraAviso(ctx.interacao(), QStringLiteral("Gravação efetuada com sucesso"));
    return true;
}

bool ImportaConfiguracaoAnterior(Contexto& ctx, const QString& codigoNaTela)
{
    Interacao& ui = ctx.interacao();
    if (codigoNaTela.trimmed().isEmpty()) {
        MostraAviso(ui, QStringLiteral("Para Importar os dados, primeiramente,  selecione um Órgão."));
        return false;
    }
    MostraAviso(ui, QStringLiteral("Informe a localização do banco de dados do Lumo 2010."));
    const QString caminho = ui.escolheArquivo(QStringLiteral("Selecionar Banco de Dados do Lumo ") + AnoExercicio,
                                              QStringLiteral("Banco de Dados do Access (*.mdb)"), QDir::rootPath(), false);
    if (caminho.isEmpty())
        return false;

    // The chosen file must be a database with a key row before anything is touched.
    QString codigoAnterior;
    try {
        Banco anterior = Banco::abre(caminho);
        QSqlQuery q = anterior.executa(QStringLiteral("SELECT * FROM TABCHAVE"));
        if (!q.next()) {
            Avisa(ui, Interacao::Icone::Critico, Erro, QStringLiteral("Não foi possível identificar o órgão no banco de dados!"));
            return false;
        }
        codigoAnterior = q.value(QStringLiteral("Codigo_tabOrgaos")).toString().trimmed();
    } catch (const ErroBanco&) {
        Avisa(ui, Interacao::Icone::Critico, Erro, QStringLiteral("Não foi possível abrir o banco selecionado!"));
        return false;
    }
    if (codigoAnterior.compare(ctx.CodigoOrgao.trimmed(), Qt::CaseInsensitive) != 0) {
        Avisa(ui, Interacao::Icone::Critico, Erro, QStringLiteral("O banco de dados selecionado não pertence ao órgão atual."));
        return false;
    }

    const Banco& b = ctx.BancoOrgao;
    bool importouOrgao = false;
    try {
        BancoAnterior anexo(b, caminho);
        const QString periodo = PeriodoAberto(b);
        {
            Transacao t(b);
            // The key row keeps this program's revision and flags; the body data comes from the old one.
            const QString colunasChave = QStringLiteral("CGC, Logradouro, Complemento, CEP, Bairro, Cidade, UF, Email, Telefone");
            if (b.existe(QStringLiteral("SELECT 1 FROM anterior.tabChave WHERE Codigo_tabOrgaos = ?"), {ctx.CodigoOrgao})) {
                const QVariant revisao = b.valor(QStringLiteral("SELECT RevisaoAtual FROM tabChave"));
                const QVariant integrado = b.valor(QStringLiteral("SELECT IntegradoSet FROM tabChave"));
                const QVariant tutorial = b.valor(QStringLiteral("SELECT NaoMostraTutorial FROM tabChave"));
                b.executa(QStringLiteral("delete from tabChave where Codigo_tabOrgaos = ?"), {ctx.CodigoOrgao});
                b.executa(QStringLiteral("INSERT INTO tabChave (Codigo_tabOrgaos, VersaoAtualAplicativo, RevisaoAtual, %1, backup, "
                                         "IntegradoSet, NaoMostraTutorial) "
                                         "SELECT ?, '5.0', ?, %1, 1, ?, ? FROM anterior.tabChave WHERE Codigo_tabOrgaos = ? LIMIT 1")
                              .arg(colunasChave),
                          {ctx.CodigoOrgao, revisao.isValid() ? revisao : QVariant(RevisaoPrograma()),
                           integrado.isValid() ? integrado.toInt() : 0, tutorial.isValid() ? tutorial.toInt() : 0,
                           ctx.CodigoOrgao});
                importouOrgao = true;
            }
            t.confirma();
        }
        MostraAviso(ui, importouOrgao ? QStringLiteral("Dados do Órgão Importados com Sucesso.")
                                      : QStringLiteral("Dados do Órgão não encontrados ."));

        struct Passo {
            IndiceResponsavel indice;
            const char* importado;
            const char* naoEncontrado;
        };
        static const Passo passos[] = {
            {RespContabilidade, "Dados do Responsável pela Contabilidade Importados com Sucesso.",
             "Dados do Responsável pela Contabilidade não encontrados."},
            {RespInformacao, "Dados Responsável pela Informação Importados com Sucesso.",
             "Dados Responsável pela Informação não encontrados."},
            {RespPreenchimento, "Dados do Responsável Preenchimento Importados com Sucesso.",
             "Dados do Responsável Preenchimento não encontrados."},
        };
        for (const Passo& p : passos) {
            const Ficha& f = FichasResponsaveis()[p.indice];
            const QString ultimo = QStringLiteral("SELECT max(BimReferencia) FROM anterior.%1 WHERE BimReferencia LIKE '2010%'").arg(f.tabela);
            const bool achou = b.existe(QStringLiteral("SELECT 1 FROM anterior.%1 WHERE BimReferencia IN (%2)").arg(f.tabela, ultimo));
            if (achou) {
                Transacao t(b);
                b.executa(QStringLiteral("DELETE FROM main.%1 WHERE BimReferencia = ?").arg(f.tabela), {periodo});
                b.executa(QStringLiteral("INSERT INTO main.%1 (bimreferencia, %2) SELECT ?, %2 FROM anterior.%1 WHERE BimReferencia IN (%3)")
                              .arg(f.tabela, ColunasDaFicha(f), ultimo),
                          {periodo});
                t.confirma();
            }
            MostraAviso(ui, QString::fromUtf8(achou ? p.importado : p.naoEncontrado));
        }
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Erro ao tentar importar os dados de configuração."), e.falha());
    }
    return importouOrgao;
}
