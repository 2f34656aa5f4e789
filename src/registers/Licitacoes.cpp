#include "registers/Licitacoes.h"
#include "core/Banco.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"

namespace {
const QString TabModalidade = QStringLiteral("tabAnexo13Modalidade");
const QString TabBaseLegal = QStringLiteral("tabAnexo13BaseLegal");
const QString TipoCnpj = QStringLiteral("1");
const QString TipoCpf = QStringLiteral("2");
const QString TituloExcluir = QStringLiteral("Excluir");
const QString PerguntaLinha = QStringLiteral("Confirma exclusão da Linha ?");

bool branco(const QVariant& v) { return v.toString().trimmed().isEmpty(); }
bool nova(const Grade& g, int linha) { return g.linha(linha).estado == Grade::Estado::Nova; }
QString texto(const Grade& g, int linha, const QString& campo) { return g.valor(linha, campo).toString().trimmed(); }
const Banco& banco(const Grade& g) { return g.contexto().BancoOrgao; }

ColunaGrade chave(const QString& campo)
{
    return {.campo = campo, .titulo = QStringLiteral("Código"), .tipo = TipoColuna::Calculada, .formato = TipoCampo::Inteiro,
            .largura = 60};
}

ColunaGrade periodo()
{
    return {.campo = QStringLiteral("BimReferencia"), .titulo = QStringLiteral("Bimestre"), .tipo = TipoColuna::Calculada,
            .formato = TipoCampo::Periodo, .largura = 70};
}

// Drawn yellow: the row's checks ask for it with their own texts.
ColunaGrade exigida(const QString& campo, const QString& titulo, int largura, TipoCampo formato = TipoCampo::Texto,
                    int tamanho = 0)
{
    return {.campo = campo, .titulo = titulo, .tipo = TipoColuna::Obrigatoria, .formato = formato, .largura = largura,
            .tamanhoMaximo = tamanho};
}

// The numbers other rows and registers name are never rewritten once stored.
ColunaGrade fixa(ColunaGrade c)
{
    c.soNaInclusao = true;
    return c;
}

ColunaGrade livre(const QString& campo, const QString& titulo, int largura, TipoCampo formato = TipoCampo::Texto)
{
    return {.campo = campo, .titulo = titulo, .formato = formato, .largura = largura};
}

// A code of a reference table: listed "code - description", typed codes become
// "code-description", stored as the code.
ColunaGrade codigo(const QString& campo, const QString& titulo, const QString& tabela, const QString& seletor)
{
    ColunaGrade c = exigida(campo, titulo, 260);
    c.expressao = QStringLiteral("t.%1 || ' - ' || (SELECT d.Descricao FROM %2 d WHERE d.Codigo = t.%1)").arg(campo, tabela);
    c.paraGravar = [](const QVariant& v) -> QVariant { return CodigoDaCelula(v.toString()); };
    c.seletor = seletor;
    return c;
}

// Only rows whose codes are in the reference tables are listed.
QString comCodigos(const QStringList& campos, const QStringList& tabelas)
{
    QStringList c;
    for (qsizetype i = 0; i < campos.size(); ++i)
        c << QStringLiteral("EXISTS (SELECT 1 FROM %1 d WHERE d.Codigo = t.%2)").arg(tabelas[i], campos[i]);
    return c.join(QStringLiteral(" AND "));
}

// A refused cell: its message, and the cell emptied.
void recusa(Grade& g, int linha, const QString& campo, const QString& mensagem)
{
    MostraAviso(g.contexto().interacao(), mensagem);
    g.defineValor(linha, campo, QVariant());
}

// The code typed (its first two characters) replaced by "code-description", or refused.
void consultaCodigo(Grade& g, int linha, const QString& campo, const QString& tabela, const QString& mensagem)
{
    const QString c = CodigoDaCelula(g.valor(linha, campo).toString());
    if (c.isEmpty())
        return;
    const QVariant d = banco(g).valor(QStringLiteral("SELECT Codigo || '-' || Descricao FROM %1 WHERE Codigo = ?").arg(tabela), {c});
    if (!d.isValid())
        recusa(g, linha, campo, mensagem);
    else
        g.defineValor(linha, campo, d);
}

// The cell rules query the database; a failure is reported and the cell kept.
std::function<void(Grade&, int, int)> regrasDeCelula(std::function<void(Grade&, int, const QString&)> regras)
{
    return [regras = std::move(regras)](Grade& g, int linha, int coluna) {
        try {
            regras(g, linha, g.coluna(coluna).campo);
        } catch (const ErroBanco& e) {
            MostraErro(g.contexto().interacao(), QStringLiteral("Não foi possível consultar o código."), e.falha());
        }
    };
}

bool igual(const QString& a, const char* b) { return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0; }

// --- processes --------------------------------------------------------------------------------

bool processoExiste(const Grade& g, const QString& numero)
{
    return banco(g).existe(QStringLiteral("SELECT 1 FROM tabAnexo13Movimento WHERE NumeroProcesso = ?"), {numero});
}

bool licitacaoExiste(const Grade& g, const QString& numero)
{
    return banco(g).existe(QStringLiteral("SELECT 1 FROM tabAnexo13Movimento WHERE NumeroLicitacao = ?"), {numero});
}

const QString ProcessoCadastrado = QStringLiteral("Processo já Cadastrado!");
const QString LicitacaoCadastrada = QStringLiteral("Número da Licitação Já Cadastrado!");
const QString ReciboObrigatorio = QStringLiteral("Número do recibo é um campo obrigatório");

bool faltaRecibo(const Grade& g, int linha)
{
    return CodigoDaCelula(texto(g, linha, QStringLiteral("Modalidade"))) == ModalidadeComRecibo
        && texto(g, linha, QStringLiteral("NumeroRecibo")).isEmpty();
}

void regrasProcesso(Grade& g, int linha, const QString& campo)
{
    if (nova(g, linha) && g.valor(linha, QStringLiteral("ValorLicitacao")).isNull() && !igual(campo, "ValorLicitacao"))
        g.defineMoeda(linha, QStringLiteral("ValorLicitacao"), Moeda());
    const QString valor = texto(g, linha, campo);
    if (igual(campo, "NumeroProcesso") && nova(g, linha) && !valor.isEmpty() && processoExiste(g, valor))
        recusa(g, linha, campo, ProcessoCadastrado);
    else if (igual(campo, "NumeroLicitacao") && nova(g, linha) && !valor.isEmpty() && licitacaoExiste(g, valor))
        recusa(g, linha, campo, LicitacaoCadastrada);
    else if (igual(campo, "Modalidade"))
        consultaCodigo(g, linha, campo, TabModalidade, QStringLiteral("Modalidade inexistente !"));
    else if (igual(campo, "FundamentoLegal"))
        consultaCodigo(g, linha, campo, TabBaseLegal, QStringLiteral("Base Legal inexistente !"));
    // Told, not refused: the row's check refuses it.
    if ((igual(campo, "Modalidade") || igual(campo, "NumeroRecibo")) && faltaRecibo(g, linha))
        Avisa(g.contexto().interacao(), Interacao::Icone::Informacao, TituloPrograma, ReciboObrigatorio);
}

Recusa gravaProcesso(Grade& g, int linha)
{
    if (g.outroPeriodo(linha))
        return QStringLiteral("Licitação Não Pode Ser Modificada,Pertence a Outro Bimestre");
    const QString processo = texto(g, linha, QStringLiteral("NumeroProcesso"));
    if (processo.isEmpty())
        return QStringLiteral("Numero de Processo não pode ser em Branco.");
    if (nova(g, linha) && processoExiste(g, processo))
        return ProcessoCadastrado;
    const QString licitacao = texto(g, linha, QStringLiteral("NumeroLicitacao"));
    if (licitacao.isEmpty())
        return QStringLiteral("Número da Licitação não pode ser em Branco");
    if (nova(g, linha) && licitacaoExiste(g, licitacao))
        return LicitacaoCadastrada;
    if (texto(g, linha, QStringLiteral("Objeto")).isEmpty())
        return QStringLiteral("Objeto não pode ser em Branco.");
    if (texto(g, linha, QStringLiteral("Modalidade")).isEmpty())
        return QStringLiteral("Modalidade não pode ser em Branco.");
    if (texto(g, linha, QStringLiteral("FundamentoLegal")).isEmpty())
        return QStringLiteral("Fundamentação Legal não pode ser em Branco.");
    if (!DataDeTexto(texto(g, linha, QStringLiteral("DataEmissaoAto"))))
        return QStringLiteral("Data de Emissão não foi digitada corretamente.");
    if (faltaRecibo(g, linha))
        return ReciboObrigatorio;
    if (branco(g.valor(linha, QStringLiteral("ValorLicitacao"))))
        return QStringLiteral("Valor de Licitação não pode ser em Branco.");
    return std::nullopt;
}

// Participants first (of any period), then what names the process in the open period: the
// contracted works of Anexo XXIII, the commitments of Anexo XIV.
Recusa excluiProcesso(Grade& g, int linha)
{
    const Banco& b = banco(g);
    const QString& aberto = g.contexto().BimReferencia;
    const QVariant numero = g.valor(linha, QStringLiteral("NumeroProcesso"));
    if (b.existe(QStringLiteral("SELECT 1 FROM tabAnexo13ItensMovimento WHERE idLicitacao = ?"),
                 {g.valor(linha, QStringLiteral("idLicitacao"))}))
        return QStringLiteral("Não é possível excluir o processo, existem empresas participantes cadastradas.");
    // The works register may not be in this database yet: nothing can name the process there.
    if (b.tabelaExiste(QStringLiteral("tabAnexo23Contratadas"))
        && b.existe(QStringLiteral("SELECT 1 FROM tabAnexo23Contratadas WHERE ProcessoLicitacao = ? AND BimReferencia = ?"),
                    {numero, aberto}))
        return QStringLiteral("Não é possível excluir o processo, existe(m) Empresa(s) Contrada(s) para Obras (Anexo 23) "
                              "relacionado(s).");
    if (b.existe(QStringLiteral("SELECT 1 FROM tabAnexo14Movimento WHERE BimReferencia = ? AND ProcessoLicitacao = ?"),
                 {aberto, numero}))
        return QStringLiteral("Não é possível excluir o processo, existe(m) Empenho(s) relacionado(s).");
    return std::nullopt;
}

// --- participants -----------------------------------------------------------------------------

// The document already in the same process and period: its type's message.
std::optional<QString> documentoRepetido(const Grade& g, int linha, const QString& documento)
{
    if (!banco(g).existe(QStringLiteral("SELECT 1 FROM tabAnexo13ItensMovimento WHERE BimReferencia = ? AND idLicitacao = ? "
                                        "AND NumeroDocumento = ?"),
                         {g.contexto().BimReferencia, g.valoresMestre().value(0), documento}))
        return std::nullopt;
    const QString tipo = texto(g, linha, QStringLiteral("TipoDocumento"));
    return tipo == TipoCnpj ? QStringLiteral("CNPJ já Cadastrado no Processo.")
        : tipo == TipoCpf   ? QStringLiteral("CPF Já Cadastrado no Processo.")
                            : QStringLiteral("RG já Cadastrado no Processo.");
}

void regrasParticipante(Grade& g, int linha, const QString& campo)
{
    if (!igual(campo, "NumeroDocumento") || !nova(g, linha))
        return;
    const QString documento = texto(g, linha, campo);
    if (documento.isEmpty())
        return;
    const QString tipo = texto(g, linha, QStringLiteral("TipoDocumento"));
    const QString digitos = SomenteDigitos(documento);
    if (tipo.isEmpty())
        return recusa(g, linha, campo, QStringLiteral("Selecione o Tipo do Documento"));
    if (tipo == TipoCnpj && !ValidaCNPJ(digitos))
        return recusa(g, linha, campo, QStringLiteral("Informe o CNPJ Correto."));
    if (tipo == TipoCpf && !ValidaCPF(digitos))
        return recusa(g, linha, campo, QStringLiteral("Informe o CPF Correto."));
    const QString formatado = FormataDocumento(digitos, true);
    if (const auto repetido = documentoRepetido(g, linha, formatado))
        return recusa(g, linha, campo, *repetido);
    g.defineValor(linha, campo, formatado);
}

Recusa gravaParticipante(Grade& g, int linha)
{
    if (g.outroPeriodo(linha))
        return QStringLiteral("Participante Não Pode Ser Modificado,Pertence a Outro Bimestre ");
    const QString tipo = texto(g, linha, QStringLiteral("TipoDocumento"));
    if (tipo.isEmpty())
        return QStringLiteral("Informe o Tipo do Documento da Contratada.");
    const QString documento = texto(g, linha, QStringLiteral("NumeroDocumento"));
    if (documento.isEmpty())
        return QStringLiteral("Informe o Número do Documento da Contratada.");
    if (tipo == TipoCnpj && !ValidaCNPJ(SomenteDigitos(documento)))
        return QStringLiteral("CNPJ Inválido");
    if (tipo == TipoCpf && !ValidaCPF(SomenteDigitos(documento)))
        return QStringLiteral("CPF Inválido");
    if (nova(g, linha))
        if (const auto repetido = documentoRepetido(g, linha, documento))
            return *repetido;
    if (texto(g, linha, QStringLiteral("NomeParticipante")).isEmpty())
        return QStringLiteral("Informe o Nome da Contratada.");
    if (branco(g.valor(linha, QStringLiteral("ValorTotalItensVencidos"))))
        return QStringLiteral("Informe o Valor.");
    return std::nullopt;
}

// --- contracts and amendments -----------------------------------------------------------------

bool contratoExiste(const Grade& g, const QString& numero)
{
    return banco(g).existe(QStringLiteral("SELECT 1 FROM tabAnexo13Contratos WHERE idParticipante = ? AND NumeroContrato = ?"),
                           {g.valoresMestre().value(0), numero});
}

bool aditivoExiste(const Grade& g, const QString& numero)
{
    return banco(g).existe(QStringLiteral("SELECT 1 FROM tabAnexo13Aditivos WHERE idContrato = ? AND NumeroAditivo = ?"),
                           {g.valoresMestre().value(0), numero});
}

const QString ContratoExistente = QStringLiteral("Contrato Já Existente Para O Participante Selecionado");
const QString AditivoExistente = QStringLiteral("Número do Aditivo Existente no Contrato.");

std::pair<QString, QString> perguntaLinha(const Grade&, int) { return {TituloExcluir, PerguntaLinha}; }

// Refuses the deletion when the child table has rows of this one.
std::function<Recusa(Grade&, int)> semFilhos(const QString& tabela, const QString& campo, const QString& mensagem)
{
    return [=](Grade& g, int linha) -> Recusa {
        if (banco(g).existe(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(tabela, campo), {g.valor(linha, campo)}))
            return mensagem;
        return std::nullopt;
    };
}
} // namespace

QString CodigoDaCelula(const QString& celula) { return celula.trimmed().left(2).trimmed(); }

DefinicaoGrade DefinicaoLicitacoes()
{
    return {.tabela = QStringLiteral("tabAnexo13Movimento"),
            .ordem = QStringLiteral("t.BimReferencia, t.NumeroProcesso"),
            .condicao = comCodigos({QStringLiteral("Modalidade"), QStringLiteral("FundamentoLegal")}, {TabModalidade, TabBaseLegal}),
            .colunas = {chave(QStringLiteral("idLicitacao")),
                        fixa(exigida(QStringLiteral("NumeroProcesso"), QStringLiteral("Número Processo"), 110, TipoCampo::Texto, 20)),
                        exigida(QStringLiteral("NumeroLicitacao"), QStringLiteral("Número Licitação"), 110, TipoCampo::Texto, 20),
                        exigida(QStringLiteral("Objeto"), QStringLiteral("Objeto"), 300, TipoCampo::Texto, 255),
                        codigo(QStringLiteral("Modalidade"), QStringLiteral("Modalidade"), TabModalidade, SeletorModalidade),
                        codigo(QStringLiteral("FundamentoLegal"), QStringLiteral("Fundamento Legal"), TabBaseLegal,
                               SeletorBaseLegalProcesso),
                        exigida(QStringLiteral("DataEmissaoAto"), QStringLiteral("Data Emissão Ato"), 100, TipoCampo::Data),
                        livre(QStringLiteral("DataPublicacao"), QStringLiteral("Data Publicação"), 100, TipoCampo::Data),
                        periodo(),
                        livre(QStringLiteral("NumeroRecibo"), QStringLiteral("Número Recibo"), 110),
                        exigida(QStringLiteral("ValorLicitacao"), QStringLiteral("Valor da Licitação"), 120, TipoCampo::Valor),
                        {.campo = QStringLiteral("RDC"), .titulo = QStringLiteral("RDC"), .formato = TipoCampo::Lista, .largura = 60,
                         .opcoes = {{QStringLiteral("1"), QStringLiteral("SIM")}, {QStringLiteral("0"), QStringLiteral("NÃO")}}}},
            .identificador = QStringLiteral("idLicitacao"),
            .mensagemObrigatorio = {},
            .aposAlterar = regrasDeCelula(regrasProcesso),
            .antesGravar = gravaProcesso,
            .antesExcluir = excluiProcesso,
            .perguntaExclusao = [](const Grade& g, int linha) -> std::pair<QString, QString> {
                return {TituloExcluir, QStringLiteral("Confirma exclusão do Processo Nº ") + texto(g, linha, QStringLiteral("NumeroProcesso"))
                                           + QStringLiteral(" ?")};
            }};
}

DefinicaoGrade DefinicaoParticipantes()
{
    return {.tabela = QStringLiteral("tabAnexo13ItensMovimento"),
            .ordem = QStringLiteral("t.idParticipante"),
            .colunas = {chave(QStringLiteral("idParticipante")),
                        {.campo = QStringLiteral("TipoDocumento"), .titulo = QStringLiteral("Tipo Documento Identificador"),
                         .tipo = TipoColuna::Obrigatoria, .formato = TipoCampo::Lista, .largura = 90,
                         .opcoes = {{TipoCnpj, QStringLiteral("CNPJ")}, {TipoCpf, QStringLiteral("CPF")}}, .soNaInclusao = true},
                        fixa(exigida(QStringLiteral("NumeroDocumento"), QStringLiteral("Número do Documento"), 150, TipoCampo::Texto, 18)),
                        exigida(QStringLiteral("NomeParticipante"), QStringLiteral("Nome"), 280, TipoCampo::Texto, 255),
                        livre(QStringLiteral("VenceuItens"), QStringLiteral("Item(ns) Vencido(s)"), 260),
                        exigida(QStringLiteral("ValorTotalItensVencidos"), QStringLiteral("Valor Total"), 120, TipoCampo::Valor),
                        periodo()},
            .identificador = QStringLiteral("idParticipante"),
            .mensagemObrigatorio = {},
            .aposAlterar = regrasDeCelula(regrasParticipante),
            .antesGravar = gravaParticipante,
            .antesExcluir = semFilhos(QStringLiteral("tabAnexo13Contratos"), QStringLiteral("idParticipante"),
                                      QStringLiteral("Não é Possível Excluir Participante,Existe(m) Contrato(s) Relacionado(s)")),
            .perguntaExclusao = perguntaLinha,
            .mestre = {{QStringLiteral("idLicitacao"), QStringLiteral("idLicitacao")},
                       {QStringLiteral("NumeroProcesso"), QStringLiteral("NumeroProcesso"), false}},
            .mensagemSemMestre = QStringLiteral("Selecione uma Licitação ou salve os dados da Licitação que estava sendo digitada.")};
}

DefinicaoGrade DefinicaoContratos()
{
    return {.tabela = QStringLiteral("tabAnexo13Contratos"),
            .ordem = QStringLiteral("t.idContrato"),
            .colunas = {chave(QStringLiteral("idContrato")),
                        fixa(exigida(QStringLiteral("NumeroContrato"), QStringLiteral("Número Contrato"), 120, TipoCampo::Texto, 20)),
                        exigida(QStringLiteral("ValorContrato"), QStringLiteral("Valor Contrato"), 120, TipoCampo::Valor),
                        livre(QStringLiteral("InicioVigencia"), QStringLiteral("Início Vigência"), 100, TipoCampo::Data),
                        livre(QStringLiteral("TerminoVigencia"), QStringLiteral("Término Vigência"), 100, TipoCampo::Data),
                        livre(QStringLiteral("DataAssinatura"), QStringLiteral("Data Assinatura"), 100, TipoCampo::Data),
                        livre(QStringLiteral("DataPublicacao"), QStringLiteral("Data Publicação"), 100, TipoCampo::Data),
                        periodo()},
            .identificador = QStringLiteral("idContrato"),
            .listaAnteriores = true,
            .mensagemObrigatorio = {},
            .aposAlterar = regrasDeCelula([](Grade& g, int linha, const QString& campo) {
                if (igual(campo, "NumeroContrato") && nova(g, linha) && !texto(g, linha, campo).isEmpty()
                    && contratoExiste(g, texto(g, linha, campo)))
                    recusa(g, linha, campo, ContratoExistente);
            }),
            .antesGravar = [](Grade& g, int linha) -> Recusa {
                if (g.outroPeriodo(linha))
                    return QStringLiteral("Contrato Não Pode Ser Modificado,Pertence a Outro Bimestre ");
                const QString numero = texto(g, linha, QStringLiteral("NumeroContrato"));
                if (numero.isEmpty())
                    return QStringLiteral("Informe o Número do Contrato.");
                if (nova(g, linha) && contratoExiste(g, numero))
                    return ContratoExistente;
                if (branco(g.valor(linha, QStringLiteral("ValorContrato"))))
                    return QStringLiteral("Informe o Valor do Contrato.");
                return std::nullopt;
            },
            .antesExcluir = semFilhos(QStringLiteral("tabAnexo13Aditivos"), QStringLiteral("idContrato"),
                                      QStringLiteral("Não é possível excluir contrato,Existe(m) Aditivo(s) Relacionado(s)")),
            .perguntaExclusao = perguntaLinha,
            .mestre = {{QStringLiteral("idParticipante"), QStringLiteral("idParticipante")},
                       {QStringLiteral("NumeroDocumento"), QStringLiteral("NumeroDocumento"), false}},
            .mensagemSemMestre = QStringLiteral("Selecione um Participante da Licitação ou Salve os dados do Participante que estava "
                                                "sendo digitado.")};
}

DefinicaoGrade DefinicaoAditivos()
{
    return {.tabela = QStringLiteral("tabAnexo13Aditivos"),
            .ordem = QStringLiteral("t.idAditivo"),
            .condicao = comCodigos({QStringLiteral("FundamentoLegal")}, {TabBaseLegal}),
            .colunas = {chave(QStringLiteral("idAditivo")),
                        fixa(exigida(QStringLiteral("NumeroAditivo"), QStringLiteral("Número Termo"), 100, TipoCampo::Texto, 20)),
                        exigida(QStringLiteral("Objeto"), QStringLiteral("Objetivo"), 280, TipoCampo::Texto, 255),
                        codigo(QStringLiteral("FundamentoLegal"), QStringLiteral("Fundamento Legal"), TabBaseLegal,
                               SeletorBaseLegalAditivo),
                        exigida(QStringLiteral("Valor"), QStringLiteral("Valor"), 120, TipoCampo::Valor),
                        livre(QStringLiteral("DataInicio"), QStringLiteral("Início Vigência"), 100, TipoCampo::Data),
                        livre(QStringLiteral("DataTermino"), QStringLiteral("Término Vigência"), 100, TipoCampo::Data),
                        livre(QStringLiteral("DataAssinatura"), QStringLiteral("Data Assinatura"), 100, TipoCampo::Data),
                        livre(QStringLiteral("DataPublicacao"), QStringLiteral("Data Publicação"), 100, TipoCampo::Data),
                        periodo()},
            .identificador = QStringLiteral("idAditivo"),
            .listaAnteriores = true,
            .mensagemObrigatorio = {},
            .aposAlterar = regrasDeCelula([](Grade& g, int linha, const QString& campo) {
                if (igual(campo, "NumeroAditivo") && nova(g, linha) && !texto(g, linha, campo).isEmpty()
                    && aditivoExiste(g, texto(g, linha, campo)))
                    recusa(g, linha, campo, AditivoExistente);
                else if (igual(campo, "FundamentoLegal"))
                    consultaCodigo(g, linha, campo, TabBaseLegal, QStringLiteral("Base Legal inexistente !"));
            }),
            .antesGravar = [](Grade& g, int linha) -> Recusa {
                if (g.outroPeriodo(linha))
                    return QStringLiteral("Aditivo Não Pode Ser Modificado,Pertence a Outro Bimestre ");
                const QString numero = texto(g, linha, QStringLiteral("NumeroAditivo"));
                if (numero.isEmpty())
                    return QStringLiteral("Informe o Número do Aditivo.");
                if (nova(g, linha) && aditivoExiste(g, numero))
                    return AditivoExistente;
                if (texto(g, linha, QStringLiteral("Objeto")).isEmpty())
                    return QStringLiteral("Informe o Objetivo.");
                if (CodigoDaCelula(texto(g, linha, QStringLiteral("FundamentoLegal"))).isEmpty())
                    return QStringLiteral("O Fundamento Legal deve ser Informado Corretamente.");
                if (branco(g.valor(linha, QStringLiteral("Valor"))))
                    return QStringLiteral("Informe o Valor.");
                return std::nullopt;
            },
            .perguntaExclusao = [](const Grade&, int) -> std::pair<QString, QString> {
                return {TituloExcluir, QStringLiteral("Confirma exclusão da Linha?")};
            },
            .mestre = {{QStringLiteral("idContrato"), QStringLiteral("idContrato")},
                       {QStringLiteral("NumeroContrato"), QStringLiteral("NumeroContrato"), false}},
            .mensagemSemMestre = QStringLiteral("Selecione um Contrato Administrativo.")};
}

DefinicaoLista ListaProcessosLicitacao()
{
    const QString base = QStringLiteral("SELECT NumeroProcesso, Objeto, DataPublicacao FROM tabAnexo13Movimento WHERE BimReferencia <= ?");
    return {.titulo = QStringLiteral("Processos de Licitação"),
            .titulos = {QStringLiteral("Nº Processo"), QStringLiteral("Descrição"), QStringLiteral("Data de Publicação")},
            .consulta = base,
            .consultaFiltrada = base,
            .ordem = QStringLiteral("BimReferencia, NumeroProcesso"),
            .filtros = {{QStringLiteral("Descrição"), QStringLiteral("Objeto LIKE ? ESCAPE '\\'")},
                        {QStringLiteral("Nº Processo"), QStringLiteral("NumeroProcesso LIKE ? ESCAPE '\\'")}},
            .campos = {QStringLiteral("ProcessoLicitacao"), QString(), QString()}};
}
