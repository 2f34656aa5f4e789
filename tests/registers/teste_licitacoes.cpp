// Anexo XIII without a screen: processes, participants, contracts and amendments typed into
// their grids cell by cell as the user does, with the rules of each cell, of each row and of
// each deletion, and the process look-up of the other registers.
#include "comum/BancoTeste.h"
#include "registers/Licitacoes.h"
#include "reports/Consultas.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
const QString Cnpj1 = "11.222.333/0001-81";
const QString Cnpj2 = "11.444.777/0001-61";
const QString Cpf1 = "529.982.247-25";

struct Licitacoes : OrgaoAberto {
    Grade processos{p.ctx, DefinicaoLicitacoes()};
    Grade participantes{p.ctx, DefinicaoParticipantes()};
    Grade contratos{p.ctx, DefinicaoContratos()};
    Grade aditivos{p.ctx, DefinicaoAditivos()};

    // Types a new row cell by cell, by field name.
    int digita(Grade& g, const std::vector<std::pair<QString, QString>>& celulas)
    {
        const int l = g.novaLinha();
        for (const auto& [campo, texto] : celulas)
            g.defineTexto(l, g.indice(campo), texto);
        return l;
    }
    // A whole process that every rule accepts, with the cells given replacing its own.
    int processo(const QString& numero, std::vector<std::pair<QString, QString>> outras = {})
    {
        std::vector<std::pair<QString, QString>> c{{"NumeroProcesso", numero}, {"NumeroLicitacao", "L-" + numero},
                                                   {"Objeto", "Aquisição de material de expediente"}, {"Modalidade", "06"},
                                                   {"FundamentoLegal", "01"}, {"DataEmissaoAto", "10/05/2012"},
                                                   {"ValorLicitacao", "12.500,00"}};
        for (const auto& [campo, texto] : outras)
            for (auto& celula : c)
                if (celula.first == campo)
                    celula.second = texto;
        return digita(processos, c);
    }
    QString ultimo() const { return p.ui.ultimo(); }
    // The row of a grid whose field holds the text.
    static int linhaDe(const Grade& g, const QString& campo, const QString& texto)
    {
        for (int l = 0; l < g.linhas(); ++l)
            if (g.valor(l, campo).toString() == texto)
                return l;
        return -1;
    }
};
} // namespace

TEST(Licitacoes, ProcessoNumerosUnicosCodigosEReciboDoPregaoEletronico)
{
    Licitacoes c;
    c.sql("INSERT INTO tabAnexo13Movimento VALUES (7, '201202', '001/2012', 'PP-01/2012', 'Merenda', '06', '01', '02/03/2012',"
          " NULL, NULL, 1000000, '0')");
    ASSERT_TRUE(c.processos.PreencheGrid());
    EXPECT_EQ(c.processos.linhas(), 0); // only the open period, until the box is ticked

    // Numbers of any earlier period are told at typing, and the cell is emptied.
    int l = c.digita(c.processos, {{"NumeroProcesso", "001/2012"}});
    EXPECT_EQ(c.ultimo(), "Processo já Cadastrado!");
    EXPECT_TRUE(c.processos.valor(l, "NumeroProcesso").isNull());
    c.processos.defineTexto(l, c.processos.indice("NumeroLicitacao"), "pp-01/2012");
    EXPECT_EQ(c.ultimo(), QStringLiteral("Número da Licitação Já Cadastrado!"));
    EXPECT_TRUE(c.processos.valor(l, "NumeroLicitacao").isNull());
    EXPECT_EQ(c.processos.texto(l, c.processos.indice("ValorLicitacao")), "0,00"); // a new process starts at 0,00

    // A code is looked up by its first two characters and shown code-description.
    c.processos.defineTexto(l, c.processos.indice("Modalidade"), "99");
    EXPECT_EQ(c.ultimo(), "Modalidade inexistente !");
    EXPECT_TRUE(c.processos.valor(l, "Modalidade").isNull());
    c.processos.defineTexto(l, c.processos.indice("FundamentoLegal"), "7");
    EXPECT_EQ(c.ultimo(), "Base Legal inexistente !");
    c.processos.defineTexto(l, c.processos.indice("FundamentoLegal"), "01");
    EXPECT_EQ(c.processos.valor(l, "FundamentoLegal").toString(), QStringLiteral("01-Lei nº 8.666/1993, art. 22, I - Concorrência"));

    // The electronic auction without a receipt is told (a plain box) when the cell is left...
    c.p.ui.limpa();
    c.processos.defineTexto(l, c.processos.indice("Modalidade"), "13");
    EXPECT_TRUE(c.processos.valor(l, "Modalidade").toString().startsWith(QStringLiteral("13-Pregão Eletrônico")));
    ASSERT_EQ(c.p.ui.mensagens.size(), 1);
    EXPECT_EQ(c.p.ui.mensagens[0].titulo, TituloPrograma);
    EXPECT_EQ(c.p.ui.mensagens[0].texto, QStringLiteral("Número do recibo é um campo obrigatório"));
    // ... and the row is not stored without it.
    for (const auto& [campo, texto] : std::vector<std::pair<QString, QString>>{
             {"NumeroProcesso", "002/2012"}, {"NumeroLicitacao", "PE-01/2012"}, {"Objeto", "Combustível"},
             {"DataEmissaoAto", "03/05/2012"}})
        c.processos.defineTexto(l, c.processos.indice(campo), texto);
    EXPECT_FALSE(c.processos.gravaLinha(l));
    EXPECT_EQ(c.ultimo(), QStringLiteral("Número do recibo é um campo obrigatório"));
    c.processos.defineTexto(l, c.processos.indice("NumeroRecibo"), "REC-778");
    c.p.ui.limpa();
    ASSERT_TRUE(c.processos.gravaLinha(l));
    EXPECT_TRUE(c.p.ui.mensagens.isEmpty()) << c.ultimo().toStdString();
    EXPECT_EQ(c.texto("SELECT idLicitacao || '|' || BimReferencia || '|' || Modalidade || '|' || FundamentoLegal || '|' || "
                      "DataEmissaoAto || '|' || ifnull(DataPublicacao, 'null') || '|' || ValorLicitacao FROM tabAnexo13Movimento "
                      "WHERE NumeroProcesso = '002/2012'"),
              "8|201203|13|01|03/05/2012|null|0");

    // Listed as code - description; the stored process number is never rewritten.
    c.processos.PreencheGrid();
    ASSERT_EQ(c.processos.linhas(), 1);
    EXPECT_TRUE(c.processos.texto(0, c.processos.indice("Modalidade")).startsWith(QStringLiteral("13 - Pregão Eletrônico")));
    EXPECT_FALSE(c.processos.editavel(0, c.processos.indice("NumeroProcesso")));
    EXPECT_TRUE(c.processos.editavel(0, c.processos.indice("NumeroLicitacao")));
    c.processos.defineTexto(0, c.processos.indice("Objeto"), "Combustível e lubrificantes");
    ASSERT_TRUE(c.processos.gravaLinha(0));
    EXPECT_EQ(c.texto("SELECT Objeto || '|' || Modalidade FROM tabAnexo13Movimento WHERE idLicitacao = 8"),
              QStringLiteral("Combustível e lubrificantes|13"));

    // With earlier periods: the earlier process is grey and read-only. A process whose code is
    // missing from the reference tables is not listed.
    c.sql("INSERT INTO tabAnexo13Movimento VALUES (9, '201203', '003/2012', 'X', 'Órfão', '98', '01', '02/05/2012',"
          " NULL, NULL, 1, '0')");
    c.processos.defineListaAnteriores(true);
    c.processos.PreencheGrid();
    ASSERT_EQ(c.processos.linhas(), 2);
    EXPECT_EQ(c.processos.valor(0, "NumeroProcesso").toString(), "001/2012");
    EXPECT_TRUE(c.processos.somenteLeitura(0));
    EXPECT_FALSE(c.processos.editavel(0, c.processos.indice("Objeto")));
}

TEST(Licitacoes, ChecagensDaLinhaNaOrdem)
{
    // Each row complete but for one cell: the first check that fails is told, and nothing stored.
    const struct {
        const char* campo;
        const char* texto;
        const char* mensagem;
    } casos[] = {
        {"NumeroProcesso", "", "Numero de Processo não pode ser em Branco."},
        {"NumeroLicitacao", "", "Número da Licitação não pode ser em Branco"},
        {"Objeto", "", "Objeto não pode ser em Branco."},
        {"Modalidade", "", "Modalidade não pode ser em Branco."},
        {"FundamentoLegal", "", "Fundamentação Legal não pode ser em Branco."},
        {"DataEmissaoAto", "", "Data de Emissão não foi digitada corretamente."},
        {"Modalidade", "13", "Número do recibo é um campo obrigatório"},
        {"ValorLicitacao", "", "Valor de Licitação não pode ser em Branco."},
    };
    Licitacoes c;
    for (const auto& k : casos) {
        const int l = c.processo("010/2012", {{k.campo, k.texto}});
        c.p.ui.limpa();
        EXPECT_FALSE(c.processos.gravaLinha(l)) << k.campo;
        EXPECT_EQ(c.ultimo(), QString::fromUtf8(k.mensagem)) << k.campo;
        c.processos.cancelaLinha(l);
    }
    EXPECT_EQ(c.conta("tabAnexo13Movimento"), 0);

    const struct {
        const char* tipo;
        const char* documento;
        const char* nome;
        const char* valor;
        const char* mensagem;
    } participantes[] = {
        {"", "", "Firma", "1,00", "Informe o Tipo do Documento da Contratada."},
        {"CNPJ", "", "Firma", "1,00", "Informe o Número do Documento da Contratada."},
        {"CNPJ", "11.222.333/0001-81", "", "1,00", "Informe o Nome da Contratada."},
        {"CPF", "529.982.247-25", "Pessoa", "", "Informe o Valor."},
    };
    const int l = c.processo("011/2012");
    ASSERT_TRUE(c.processos.gravaLinha(l));
    c.participantes.defineMestre({c.processos.valor(l, "idLicitacao"), "011/2012"});
    for (const auto& k : participantes) {
        const int p = c.digita(c.participantes, {{"TipoDocumento", k.tipo}, {"NumeroDocumento", k.documento},
                                                 {"NomeParticipante", k.nome}, {"ValorTotalItensVencidos", k.valor}});
        EXPECT_FALSE(c.participantes.gravaLinha(p)) << k.mensagem;
        EXPECT_EQ(c.ultimo(), QString::fromUtf8(k.mensagem));
        c.participantes.cancelaLinha(p);
    }
    // A document that lost its check digits after typing (the type changed) is refused as such.
    int p = c.digita(c.participantes, {{"TipoDocumento", "CNPJ"}, {"NumeroDocumento", Cnpj1}, {"NomeParticipante", "Firma"},
                                       {"ValorTotalItensVencidos", "1,00"}});
    c.participantes.defineTexto(p, c.participantes.indice("TipoDocumento"), "CPF");
    EXPECT_FALSE(c.participantes.gravaLinha(p));
    EXPECT_EQ(c.ultimo(), QStringLiteral("CPF Inválido"));
    c.participantes.cancelaLinha(p);
    EXPECT_EQ(c.conta("tabAnexo13ItensMovimento"), 0);

    // Contracts and amendments.
    p = c.digita(c.participantes, {{"TipoDocumento", "CNPJ"}, {"NumeroDocumento", Cnpj1}, {"NomeParticipante", "Firma"},
                                   {"ValorTotalItensVencidos", "1,00"}});
    ASSERT_TRUE(c.participantes.gravaLinha(p));
    c.contratos.defineMestre({c.participantes.valor(p, "idParticipante"), Cnpj1});
    int k = c.digita(c.contratos, {{"ValorContrato", "10,00"}});
    EXPECT_FALSE(c.contratos.gravaLinha(k));
    EXPECT_EQ(c.ultimo(), QStringLiteral("Informe o Número do Contrato."));
    c.contratos.defineTexto(k, c.contratos.indice("NumeroContrato"), "CT-1");
    c.contratos.defineValor(k, c.contratos.indice("ValorContrato"), QVariant());
    EXPECT_FALSE(c.contratos.gravaLinha(k));
    EXPECT_EQ(c.ultimo(), QStringLiteral("Informe o Valor do Contrato."));
    c.contratos.defineTexto(k, c.contratos.indice("ValorContrato"), "10,00");
    ASSERT_TRUE(c.contratos.gravaLinha(k));
    c.aditivos.defineMestre({c.contratos.valor(k, "idContrato"), "CT-1"});
    const struct {
        const char* numero;
        const char* objeto;
        const char* base;
        const char* valor;
        const char* mensagem;
    } aditivos[] = {
        {"", "Prazo", "57", "0,00", "Informe o Número do Aditivo."},
        {"1", "", "57", "0,00", "Informe o Objetivo."},
        {"1", "Prazo", "", "0,00", "O Fundamento Legal deve ser Informado Corretamente."},
        {"1", "Prazo", "57", "", "Informe o Valor."},
    };
    for (const auto& a : aditivos) {
        const int x = c.digita(c.aditivos, {{"NumeroAditivo", a.numero}, {"Objeto", a.objeto}, {"FundamentoLegal", a.base},
                                            {"Valor", a.valor}});
        EXPECT_FALSE(c.aditivos.gravaLinha(x)) << a.mensagem;
        EXPECT_EQ(c.ultimo(), QString::fromUtf8(a.mensagem));
        c.aditivos.cancelaLinha(x);
    }
    EXPECT_EQ(c.conta("tabAnexo13Aditivos"), 0);
}

TEST(Licitacoes, DocumentoDoParticipanteContratoEAditivoUnicos)
{
    Licitacoes c;
    const int a = c.processo("020/2012");
    const int b = c.processo("021/2012");
    ASSERT_TRUE(c.processos.gravaLinha(a));
    ASSERT_TRUE(c.processos.gravaLinha(b));
    Grade& g = c.participantes;
    g.defineMestre({c.processos.valor(a, "idLicitacao"), "020/2012"});

    // The document is tested when left: a type first, then its check digits; stored punctuated.
    int l = c.digita(g, {{"NumeroDocumento", "11222333000181"}});
    EXPECT_EQ(c.ultimo(), "Selecione o Tipo do Documento");
    EXPECT_TRUE(g.valor(l, "NumeroDocumento").isNull());
    g.defineTexto(l, g.indice("TipoDocumento"), "CNPJ");
    g.defineTexto(l, g.indice("NumeroDocumento"), "11222333000182");
    EXPECT_EQ(c.ultimo(), QStringLiteral("Informe o CNPJ Correto."));
    g.defineTexto(l, g.indice("NumeroDocumento"), "11222333000181");
    EXPECT_EQ(g.valor(l, "NumeroDocumento").toString(), Cnpj1);
    for (const auto& [campo, texto] : std::vector<std::pair<QString, QString>>{
             {"NomeParticipante", "Papelaria Central Ltda"}, {"VenceuItens", "Itens 1, 2 e 5"}, {"ValorTotalItensVencidos", "4.321,09"}})
        g.defineTexto(l, g.indice(campo), texto);
    ASSERT_TRUE(g.gravaLinha(l));
    EXPECT_EQ(c.texto("SELECT TipoDocumento || '|' || NumeroDocumento || '|' || NumeroProcesso || '|' || VenceuItens || '|' || "
                      "ValorTotalItensVencidos || '|' || BimReferencia FROM tabAnexo13ItensMovimento"),
              "1|" + Cnpj1 + "|020/2012|Itens 1, 2 e 5|43210900|201203");
    EXPECT_FALSE(g.editavel(l, g.indice("NumeroDocumento")));
    EXPECT_FALSE(g.editavel(l, g.indice("TipoDocumento")));

    // Twice in the same process and period: refused with the type's text; a CPF likewise.
    l = c.digita(g, {{"TipoDocumento", "1"}, {"NumeroDocumento", Cnpj1}});
    EXPECT_EQ(c.ultimo(), QStringLiteral("CNPJ já Cadastrado no Processo."));
    EXPECT_TRUE(g.valor(l, "NumeroDocumento").isNull());
    g.defineTexto(l, g.indice("TipoDocumento"), "CPF");
    g.defineTexto(l, g.indice("NumeroDocumento"), "52998224726");
    EXPECT_EQ(c.ultimo(), QStringLiteral("Informe o CPF Correto."));
    g.defineTexto(l, g.indice("NumeroDocumento"), "52998224725");
    g.defineTexto(l, g.indice("NomeParticipante"), "José da Silva");
    g.defineTexto(l, g.indice("ValorTotalItensVencidos"), "10,00");
    ASSERT_TRUE(g.gravaLinha(l));
    l = c.digita(g, {{"TipoDocumento", "CPF"}, {"NumeroDocumento", Cpf1}});
    EXPECT_EQ(c.ultimo(), QStringLiteral("CPF Já Cadastrado no Processo."));
    g.cancelaLinha(l);

    // The same CNPJ in another process is accepted.
    g.defineMestre({c.processos.valor(b, "idLicitacao"), "021/2012"});
    l = c.digita(g, {{"TipoDocumento", "CNPJ"}, {"NumeroDocumento", Cnpj1}, {"NomeParticipante", "Papelaria Central Ltda"},
                     {"ValorTotalItensVencidos", "1,00"}});
    EXPECT_EQ(g.valor(l, "NumeroDocumento").toString(), Cnpj1);
    ASSERT_TRUE(g.gravaLinha(l));

    // A contract number once per participant; another participant may use it.
    Grade& k = c.contratos;
    k.defineMestre({g.valor(l, "idParticipante"), Cnpj1});
    int x = c.digita(k, {{"NumeroContrato", "CT-01/2012"}, {"ValorContrato", "1.000,00"}, {"InicioVigencia", "01/05/2012"},
                         {"TerminoVigencia", "31/12/2012"}});
    ASSERT_TRUE(k.gravaLinha(x));
    EXPECT_EQ(c.texto("SELECT NumeroDocumento || '|' || ifnull(DataAssinatura, 'null') || '|' || TerminoVigencia FROM "
                      "tabAnexo13Contratos"),
              Cnpj1 + "|null|31/12/2012");
    x = c.digita(k, {{"NumeroContrato", "ct-01/2012"}});
    EXPECT_EQ(c.ultimo(), "Contrato Já Existente Para O Participante Selecionado");
    EXPECT_TRUE(k.valor(x, "NumeroContrato").isNull());
    k.cancelaLinha(x);
    k.defineMestre({c.texto("SELECT idParticipante FROM tabAnexo13ItensMovimento WHERE NumeroDocumento = ?", {Cpf1}).toInt(), Cpf1});
    x = c.digita(k, {{"NumeroContrato", "CT-01/2012"}, {"ValorContrato", "5,00"}});
    EXPECT_TRUE(k.gravaLinha(x));

    // Amendments: a second number is accepted, the same one refused; the legal basis looked up.
    Grade& ad = c.aditivos;
    ad.defineMestre({k.valor(x, "idContrato"), "CT-01/2012"});
    int t = c.digita(ad, {{"NumeroAditivo", "1"}, {"Objeto", "Prorrogação do prazo"}, {"FundamentoLegal", "99"}});
    EXPECT_EQ(c.ultimo(), "Base Legal inexistente !");
    ad.defineTexto(t, ad.indice("FundamentoLegal"), "57");
    ad.defineTexto(t, ad.indice("Valor"), "0,00");
    ASSERT_TRUE(ad.gravaLinha(t));
    t = c.digita(ad, {{"NumeroAditivo", "1"}});
    EXPECT_EQ(c.ultimo(), QStringLiteral("Número do Aditivo Existente no Contrato."));
    ad.defineTexto(t, ad.indice("NumeroAditivo"), "2");
    ad.defineTexto(t, ad.indice("Objeto"), "Acréscimo de 25%");
    ad.defineTexto(t, ad.indice("FundamentoLegal"), "68");
    ad.defineTexto(t, ad.indice("Valor"), "1,25");
    ASSERT_TRUE(ad.gravaLinha(t));
    EXPECT_EQ(c.texto("SELECT group_concat(NumeroAditivo || '=' || FundamentoLegal || '/' || NumeroContrato, ';') FROM "
                      "(SELECT * FROM tabAnexo13Aditivos ORDER BY idAditivo)"),
              "1=57/CT-01/2012;2=68/CT-01/2012");
    ad.PreencheGrid();
    EXPECT_TRUE(ad.texto(1, ad.indice("FundamentoLegal")).startsWith(QStringLiteral("68 - Lei nº 8.666/1993, art. 65")));
}

TEST(Licitacoes, BasesLegaisDoProcessoEDoAditivo)
{
    Licitacoes c;
    const auto codigos = [&](const QString& filtro) {
        QStringList r;
        for (const ItemConsulta& i : ConsultaGeral(c.banco(), "tabAnexo13BaseLegal", filtro))
            r << i.codigo;
        return r;
    };
    const QStringList processo = codigos(FiltroBaseLegalProcesso);
    const QStringList aditivo = codigos(FiltroBaseLegalAditivo);
    EXPECT_TRUE(processo.contains("01") && processo.contains("55") && processo.contains("76"));
    EXPECT_TRUE(aditivo.contains("56") && aditivo.contains("75") && aditivo.contains("76"));
    for (int n = 56; n <= 75; ++n)
        EXPECT_FALSE(processo.contains(QString::number(n))) << n;
    for (const QString& k : aditivo)
        EXPECT_GE(k, QString("56"));
    // Every code is a process's or an amendment's, 76 of both.
    EXPECT_EQ(processo.size() + aditivo.size() - 1, codigos({}).size());
    // The modality look-up lists the whole table, the electronic auction among them.
    EXPECT_TRUE(codigos({}).size() > 0);
    QStringList modalidades;
    for (const ItemConsulta& i : ConsultaGeral(c.banco(), "tabAnexo13Modalidade"))
        modalidades << i.codigo;
    EXPECT_TRUE(modalidades.contains(ModalidadeComRecibo));
    EXPECT_EQ(CodigoDaCelula(" 13 - Pregão Eletrônico"), "13");
    EXPECT_EQ(CodigoDaCelula("7"), "7");
}

TEST(Licitacoes, ExclusaoNaOrdemDosVinculos)
{
    Licitacoes c;
    c.sql("CREATE TABLE tabAnexo23Contratadas (idServico INTEGER, idObra INTEGER, BimReferencia TEXT, ProcessoLicitacao TEXT)");
    const int l = c.processo("030/2012");
    ASSERT_TRUE(c.processos.gravaLinha(l));
    const QVariant id = c.processos.valor(l, "idLicitacao");
    c.participantes.defineMestre({id, "030/2012"});
    const int p = c.digita(c.participantes, {{"TipoDocumento", "CNPJ"}, {"NumeroDocumento", Cnpj2}, {"NomeParticipante", "Obras SA"},
                                             {"ValorTotalItensVencidos", "9,00"}});
    ASSERT_TRUE(c.participantes.gravaLinha(p));
    c.contratos.defineMestre({c.participantes.valor(p, "idParticipante"), Cnpj2});
    const int k = c.digita(c.contratos, {{"NumeroContrato", "7"}, {"ValorContrato", "9,00"}});
    ASSERT_TRUE(c.contratos.gravaLinha(k));
    c.aditivos.defineMestre({c.contratos.valor(k, "idContrato"), "7"});
    const int a = c.digita(c.aditivos, {{"NumeroAditivo", "1"}, {"Objeto", "Prazo"}, {"FundamentoLegal", "57"}, {"Valor", "0"}});
    ASSERT_TRUE(c.aditivos.gravaLinha(a));
    c.sql("INSERT INTO tabAnexo23Contratadas VALUES (1, 1, '201203', '030/2012')");
    c.sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, ProcessoLicitacao) VALUES "
          "(1, '201203', '100', '030/2012'), (2, '201202', '50', '030/2012')");

    // Each parent refuses while it has children, without a question; the refusals of a process
    // come in their order as each cause goes away.
    const auto recusa = [&](Grade& g, int linha, const QString& mensagem) {
        c.p.ui.limpa();
        c.p.ui.respostas = {true};
        EXPECT_FALSE(g.excluiLinha(linha));
        EXPECT_EQ(c.ultimo(), mensagem);
        EXPECT_TRUE(c.p.ui.perguntas.isEmpty());
    };
    recusa(c.processos, l, QStringLiteral("Não é possível excluir o processo, existem empresas participantes cadastradas."));
    recusa(c.participantes, p, QStringLiteral("Não é Possível Excluir Participante,Existe(m) Contrato(s) Relacionado(s)"));
    recusa(c.contratos, k, QStringLiteral("Não é possível excluir contrato,Existe(m) Aditivo(s) Relacionado(s)"));

    // From the bottom up, each asks its own question titled "Excluir"; No keeps the row.
    const auto exclui = [&](Grade& g, int linha, const QString& pergunta, bool sim) {
        c.p.ui.limpa();
        c.p.ui.respostas = {sim};
        EXPECT_EQ(g.excluiLinha(linha), sim);
        ASSERT_EQ(c.p.ui.perguntas.size(), 1);
        EXPECT_EQ(c.p.ui.perguntas[0].titulo, "Excluir");
        EXPECT_EQ(c.p.ui.perguntas[0].texto, pergunta);
    };
    exclui(c.aditivos, a, QStringLiteral("Confirma exclusão da Linha?"), false);
    exclui(c.aditivos, a, QStringLiteral("Confirma exclusão da Linha?"), true);
    exclui(c.contratos, k, QStringLiteral("Confirma exclusão da Linha ?"), true);
    exclui(c.participantes, p, QStringLiteral("Confirma exclusão da Linha ?"), true);
    recusa(c.processos, l, QStringLiteral("Não é possível excluir o processo, existe(m) Empresa(s) Contrada(s) para Obras "
                                          "(Anexo 23) relacionado(s)."));
    c.sql("UPDATE tabAnexo23Contratadas SET BimReferencia = '201202'");
    recusa(c.processos, l, QStringLiteral("Não é possível excluir o processo, existe(m) Empenho(s) relacionado(s)."));
    // A commitment of an earlier period does not hold the process.
    c.sql("DELETE FROM tabAnexo14Movimento WHERE BimReferencia = '201203'");
    exclui(c.processos, l, QStringLiteral("Confirma exclusão do Processo Nº 030/2012 ?"), true);
    EXPECT_EQ(c.conta("tabAnexo13Movimento") + c.conta("tabAnexo13ItensMovimento") + c.conta("tabAnexo13Contratos")
                  + c.conta("tabAnexo13Aditivos"),
              0);

    // Without the works register in the database, the commitments are what is asked next.
    c.sql("DROP TABLE tabAnexo23Contratadas");
    const int n = c.processo("031/2012");
    ASSERT_TRUE(c.processos.gravaLinha(n));
    c.sql("INSERT INTO tabAnexo14Movimento (idEmpenho, BimReferencia, NumeroEmpenho, ProcessoLicitacao) VALUES "
          "(3, '201203', '101', '031/2012')");
    recusa(c.processos, n, QStringLiteral("Não é possível excluir o processo, existe(m) Empenho(s) relacionado(s)."));
}

TEST(Licitacoes, ConsultaDeProcessosDosOutrosRegistros)
{
    Licitacoes c;
    c.sql("INSERT INTO tabAnexo13Movimento (idLicitacao, BimReferencia, NumeroProcesso, Objeto, DataPublicacao) VALUES "
          "(1, '201203', '002/2012', 'Merenda escolar', '05/05/2012'), (2, '201201', '010/2012', 'Combustível', NULL),"
          " (3, '201202', '001/2012', 'Material de limpeza e merenda', '01/03/2012'), (4, '201204', '099/2012', 'Futuro', NULL)");
    const DefinicaoLista lista = ListaProcessosLicitacao();
    EXPECT_EQ(lista.campos.value(0), "ProcessoLicitacao");
    const auto numeros = [&](const QStringList& filtros) {
        QStringList r;
        for (const QStringList& l : LinhasDaLista(c.p.ctx, lista, filtros))
            r << l.value(0);
        return r.join(',');
    };
    // Up to the open period, by period and number.
    EXPECT_EQ(numeros({}), "010/2012,001/2012,002/2012");
    EXPECT_EQ(numeros({"MERENDA"}), "001/2012,002/2012");
    EXPECT_EQ(numeros({"merenda", "002"}), "002/2012");
    EXPECT_EQ(numeros({"", "%"}), "");
    EXPECT_EQ(LinhasDaLista(c.p.ctx, lista, {"", "002"}).value(0).value(2), "05/05/2012");
}
