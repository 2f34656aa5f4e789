#include "registers/Empenhos.h"
#include "core/Banco.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"

#include <QSqlQuery>
#include <QSqlRecord>

Moeda SaldoEmpenho(const Banco& banco, const QString& numeroEmpenho)
{
    // Each sum walks the index on the commitment number of its table.
    const QVariant v = banco.valor(
        QStringLiteral("SELECT COALESCE(m.ValorEmpenhado, 0)"
                       " - COALESCE((SELECT sum(p.ValorPago) FROM tabAnexo14Pagamentos p WHERE p.NumeroEmpenho = m.NumeroEmpenho), 0)"
                       " - COALESCE((SELECT sum(a.ValorAnulado) FROM tabAnexo14Anulacoes a WHERE a.NumeroEmpenho = m.NumeroEmpenho), 0)"
                       " + COALESCE((SELECT sum(ap.ValorAnulacao) FROM tabAnexo14Pagamentos p"
                       "   JOIN tabAnexo14AnulacaoPagamento ap ON ap.idPagamento = p.idPagamento"
                       "   WHERE p.NumeroEmpenho = m.NumeroEmpenho), 0)"
                       " FROM tabAnexo14Movimento m WHERE m.NumeroEmpenho = ? ORDER BY m.idEmpenho LIMIT 1"),
        {numeroEmpenho});
    return MoedaDoValor(v);
}

Moeda VerificaSaldoPagt(const Banco& banco, const QVariant& idPagamento)
{
    return MoedaDoValor(banco.valor(
        QStringLiteral("SELECT COALESCE(p.ValorPago, 0) - COALESCE((SELECT sum(a.ValorAnulacao) FROM tabAnexo14AnulacaoPagamento a"
                       " WHERE a.idPagamento = p.idPagamento), 0) FROM tabAnexo14Pagamentos p WHERE p.idPagamento = ?"),
        {idPagamento}));
}

QString TipoEmpenhoDeDigito(const QString& tipo)
{
    const QString t = tipo.trimmed();
    if (t == u'0')
        return QStringLiteral("G");
    if (t == u'1')
        return QStringLiteral("O");
    if (t == u'2')
        return QStringLiteral("E");
    return tipo;
}

int ConverteTiposEmpenho(const Banco& banco)
{
    QSqlQuery q = banco.executa(QStringLiteral("UPDATE tabAnexo14Movimento SET Tipo = CASE trim(Tipo) WHEN '0' THEN 'G'"
                                               " WHEN '1' THEN 'O' ELSE 'E' END WHERE trim(Tipo) IN ('0', '1', '2')"));
    return q.numRowsAffected();
}

bool AnoDaDataValido(const QString& texto)
{
    if (texto.trimmed().isEmpty())
        return true;
    const QString ano = texto.mid(6, 4);
    bool ok = false;
    const int n = ano.toInt(&ok);
    return ano.size() == 4 && ok && n >= 1900;
}

namespace {
QString campo(const QSqlRecord& r, const char* nome)
{
    const int i = r.indexOf(QLatin1String(nome));
    return i < 0 || r.isNull(i) ? QString() : r.value(i).toString();
}

bool falta(const QString& t) { return t.trimmed().isEmpty(); }
bool naoEhData(const QString& t) { return falta(t) || !DataDeTexto(t.trimmed()); }
bool naoEhNumero(const QString& t)
{
    bool ok = false;
    t.trimmed().toDouble(&ok);
    return falta(t) || (!ok && !Moeda::deTexto(t.trimmed()));
}

// The labels of the tests, each appended when its test fails.
struct Rotulos {
    QString texto;
    void se(bool falhou, const QString& rotulo)
    {
        if (falhou)
            texto += rotulo;
    }
};
} // namespace

CamposEmpenho CamposEmpenho::de(const QSqlRecord& r)
{
    return {campo(r, "NumeroEmpenho"), campo(r, "NumeroProcesso"), campo(r, "Tipo"), campo(r, "ElementoDespesa"),
            campo(r, "FonteRecurso"), campo(r, "TipoDocumento"), campo(r, "NumeroDocumento"), campo(r, "NomeCredor"),
            campo(r, "DataEmpenho"), campo(r, "ValorEmpenhado")};
}

CamposPagamento CamposPagamento::de(const QSqlRecord& r)
{
    return {campo(r, "NumeroEmpenho"), campo(r, "NumeroOBCheque"), campo(r, "DataPagamento"), campo(r, "SerieNotaFiscal"),
            campo(r, "NumeroNotaFiscal"), campo(r, "DataEmissaoNFiscal"), campo(r, "CodValidacaoNotaFiscal"),
            campo(r, "ValorPago"), campo(r, "DocCredor"), campo(r, "idContaCorrente")};
}

CamposAnulacao CamposAnulacao::de(const QSqlRecord& r)
{
    return {campo(r, "NumeroEmpenho"), campo(r, "NotaAnulacao"), campo(r, "ValorAnulado"), campo(r, "DataAnulacao")};
}

CamposAnulacaoPagamento CamposAnulacaoPagamento::de(const QSqlRecord& r)
{
    return {campo(r, "NumeroOBCheque"), campo(r, "NotaAnulacao"), campo(r, "ValorAnulacao"), campo(r, "DataAnulacao")};
}

QString ValidaAnexo14Empenho(const CamposEmpenho& e)
{
    Rotulos r;
    const QString fim = QStringLiteral("\r");
    r.se(falta(e.numeroEmpenho), QStringLiteral("*Número do Empenho.") + fim);
    r.se(falta(e.numeroProcesso), QStringLiteral("*Número do Processo.") + fim);
    r.se(falta(e.tipo), QStringLiteral("*Tipo do Empenho.") + fim);
    r.se(falta(e.elementoDespesa), QStringLiteral("*Elemento de Despesa.") + fim);
    r.se(falta(e.fonteRecurso), QStringLiteral("*Fonte dos Recursos.") + fim);
    r.se(falta(e.tipoDocumento), QStringLiteral("*Tipo do Documento"));
    r.se(falta(e.numeroDocumento), QStringLiteral("*Número do Documento"));
    r.se(falta(e.nomeCredor), QStringLiteral("*Nomer do Credor"));
    r.se(naoEhData(e.dataEmpenho), QStringLiteral("*Data do Empenho"));
    r.se(naoEhNumero(e.valorEmpenhado), QStringLiteral("*Valor do Empenho"));
    return r.texto;
}

QString ValidaAnexo14Pagamento(const CamposPagamento& p)
{
    Rotulos r;
    r.se(falta(p.numeroEmpenho), QStringLiteral("*Número do Empenho."));
    r.se(falta(p.numeroOBCheque), QStringLiteral("*Número da Ordem Bancária."));
    r.se(naoEhData(p.dataPagamento), QStringLiteral("*Data de Pagamento."));
    r.se(naoEhNumero(p.valorPago), QStringLiteral("*Valor do Pagamento."));
    r.se(falta(p.idContaCorrente), QStringLiteral("*Conta Corrente"));
    return r.texto;
}

QString ValidaAnexo14Anulacao(const CamposAnulacao& a)
{
    Rotulos r;
    r.se(falta(a.numeroEmpenho), QStringLiteral("*Número do Empenho."));
    r.se(falta(a.notaAnulacao), QStringLiteral("*Nota da Anulação."));
    r.se(naoEhNumero(a.valorAnulado), QStringLiteral("*Valor Anulado."));
    r.se(naoEhData(a.dataAnulacao), QStringLiteral("*Data de Anulações."));
    return r.texto;
}

QString ValidaAnexo14AnulacaoPagamento(const CamposAnulacaoPagamento& a)
{
    Rotulos r;
    r.se(falta(a.numeroOBCheque), QStringLiteral("*Número da Ordem Bancária."));
    r.se(falta(a.notaAnulacao), QStringLiteral("*Nota da Anulação."));
    r.se(naoEhNumero(a.valorAnulacao), QStringLiteral("*Valor Anulado."));
    r.se(naoEhData(a.dataAnulacao), QStringLiteral("*Data de Anulação"));
    return r.texto;
}

bool ElementoComNotaFiscal(const QString& elementoDespesa)
{
    static const QStringList elementos{QStringLiteral("30"), QStringLiteral("32"), QStringLiteral("51"), QStringLiteral("52"),
                                       QStringLiteral("62")};
    return elementos.contains(elementoDespesa.trimmed().right(2));
}

namespace {
const Moeda LimiteNotaFiscal = Moeda::deReais(300);

bool autentica(const QString& emissao, Moeda valor, const QString& elemento, bool ateData, const QDate& data)
{
    const std::optional<QDate> d = DataDeTexto(emissao.trimmed());
    if (!d || valor < LimiteNotaFiscal || !ElementoComNotaFiscal(elemento))
        return false;
    return ateData ? *d <= data : *d >= data;
}
} // namespace

bool AutenticaAoDigitar(const QString& emissao, Moeda valor, const QString& elementoDespesa)
{
    return autentica(emissao, valor, elementoDespesa, true, QDate(2011, 4, 1));
}

bool AutenticaAoIncluir(const QString& emissao, Moeda valor, const QString& elementoDespesa)
{
    return autentica(emissao, valor, elementoDespesa, false, QDate(2009, 9, 1));
}

// ---------------------------------------------------------------------------------------------
// The grids.

namespace {
const QString& SelecioneEmpenho = MensagemSelecioneEmpenho;
const QString SaldoInsuficiente = QStringLiteral("Saldo insuficiente para o Valor Informado.");

ColunaGrade periodo()
{
    return {.campo = QStringLiteral("BimReferencia"), .titulo = QStringLiteral("Bim."), .tipo = TipoColuna::Calculada,
            .formato = TipoCampo::Periodo, .largura = 65};
}
ColunaGrade calculada(const QString& campo, const QString& titulo, int largura = 80)
{
    return {.campo = campo, .titulo = titulo, .tipo = TipoColuna::Calculada, .formato = TipoCampo::Inteiro, .largura = largura};
}
ColunaGrade texto(const QString& campo, const QString& titulo, int largura, int tamanho)
{
    return {.campo = campo, .titulo = titulo, .largura = largura, .tamanhoMaximo = tamanho};
}
ColunaGrade data(const QString& campo, const QString& titulo)
{
    return {.campo = campo, .titulo = titulo, .formato = TipoCampo::Data, .largura = 95};
}
ColunaGrade valor(const QString& campo, const QString& titulo)
{
    return {.campo = campo, .titulo = titulo, .formato = TipoCampo::Valor, .largura = 110};
}
ColunaGrade lista(const QString& campo, const QString& titulo, int largura, std::vector<OpcaoLista> opcoes)
{
    return {.campo = campo, .titulo = titulo, .formato = TipoCampo::Lista, .largura = largura, .opcoes = std::move(opcoes)};
}

bool branco(const QVariant& v) { return v.isNull() || v.toString().trimmed().isEmpty(); }
QString textoDe(const Grade& g, int l, const QString& c) { return g.valor(l, c).toString(); }
bool eh(const Grade& g, int coluna, const char* campo)
{
    return g.coluna(coluna).campo.compare(QLatin1String(campo), Qt::CaseInsensitive) == 0;
}
// What the database holds of a money cell: the stored value of a stored row, 0 for a new one.
Moeda gravado(const Grade& g, int l, const QString& c)
{
    return g.linha(l).estado == Grade::Estado::Nova ? Moeda() : MoedaDoValor(g.linha(l).originais.value(g.indice(c)));
}
bool alterou(const Grade& g, int l, const QString& c)
{
    return g.linha(l).estado == Grade::Estado::Nova || MoedaDoValor(g.valor(l, c)) != gravado(g, l, c);
}

// The date cells: a text without a year from 1900 on empties the cell and is refused.
Recusa recusaData(Grade& g, int l, int coluna, const QString& t)
{
    if (g.coluna(coluna).formato != TipoCampo::Data || AnoDaDataValido(t))
        return std::nullopt;
    g.defineValor(l, coluna, QVariant());
    return MensagemDataInvalida;
}

// A money cell: a value of zero or less is silently refused (the cell keeps its value); then the
// balance with the new value, from what is stored, must not be negative.
Recusa recusaValor(const Grade& g, int l, const QString& c, const QString& t, Moeda saldo, const QString& mensagem)
{
    const Moeda novo = ValorDeTexto(t);
    if (novo <= Moeda())
        return QString();
    if (saldo + gravado(g, l, c) - novo < Moeda())
        return mensagem;
    return std::nullopt;
}

// A typed key that exists is told and emptied.
void recusaExistente(Grade& g, int l, int coluna, const QString& sql, const QVariantList& valores, const QString& mensagem)
{
    if (g.linha(l).estado != Grade::Estado::Nova || branco(g.valor(l, coluna)))
        return;
    if (g.contexto().BancoOrgao.existe(sql, valores)) {
        MostraAviso(g.contexto().interacao(), mensagem);
        g.defineValor(l, coluna, QVariant());
    }
}

// The first failed check of a row, in the order listed.
Recusa primeira(std::initializer_list<std::pair<bool, const char*>> testes)
{
    for (const auto& [falhou, mensagem] : testes)
        if (falhou)
            return QString::fromUtf8(mensagem);
    return std::nullopt;
}

const char* const SqlNumeroExiste = "SELECT 1 FROM tabAnexo14Movimento WHERE NumeroEmpenho = ?";
const char* const SqlNotaExiste = "SELECT 1 FROM tabAnexo14Anulacoes WHERE NumeroEmpenho = ? AND NotaAnulacao = ?";
// A payment annulment's note is unique among the annulments of the commitment's payments in
// the period.
const char* const SqlNotaPagamentoExiste =
    "SELECT 1 FROM tabAnexo14AnulacaoPagamento ap JOIN tabAnexo14Pagamentos p ON p.idPagamento = ap.idPagamento"
    " WHERE ap.BimReferencia = ? AND p.NumeroEmpenho = ? AND ap.NotaAnulacao = ?";

QVariantList notaPagamento(const Grade& g, int l)
{
    const QString numero = g.contexto().BancoOrgao.valor(
        QStringLiteral("SELECT NumeroEmpenho FROM tabAnexo14Pagamentos WHERE idPagamento = ?"), {g.valoresMestre().value(0)}).toString();
    return {g.contexto().BimReferencia, numero, g.valor(l, QStringLiteral("NotaAnulacao"))};
}

// The selected commitment's number, for the grids that follow it.
QString numeroDoMestre(const Grade& g) { return g.valoresMestre().value(1).toString(); }
} // namespace

DefinicaoGrade DefinicaoEmpenhos()
{
    ColunaGrade numero = texto(QStringLiteral("NumeroEmpenho"), QStringLiteral("Número Empenho"), 110, 20);
    ColunaGrade licitacao = texto(QStringLiteral("ProcessoLicitacao"), QStringLiteral("Processo Licitatório"), 120, 20);
    licitacao.seletor = QStringLiteral("processo.licitacao");
    ColunaGrade natureza = texto(QStringLiteral("ElementoDespesa"), QStringLiteral("Natureza Despesa"), 100, 6);
    natureza.seletor = QStringLiteral("natureza.empenho");
    ColunaGrade fonte = texto(QStringLiteral("FonteRecurso"), QStringLiteral("Fonte Recursos"), 80, 10);
    fonte.seletor = QStringLiteral("fonte.empenho");
    return {
        .tabela = QStringLiteral("tabAnexo14Movimento"),
        // The number is never rewritten after the insert.
        .chave = {QStringLiteral("idEmpenho"), QStringLiteral("NumeroEmpenho")},
        .ordem = QStringLiteral("t.NumeroEmpenho"),
        .colunas = {periodo(),
                    calculada(QStringLiteral("idEmpenho"), QStringLiteral("Código Empenho")),
                    texto(QStringLiteral("NumeroProcesso"), QStringLiteral("Número Processo"), 110, 20),
                    numero,
                    licitacao,
                    lista(QStringLiteral("Tipo"), QStringLiteral("Tipo Empenho"), 110,
                          {{"O", "Ordinário"}, {"E", "Por Estimativa"}, {"G", "Global"}}),
                    data(QStringLiteral("DataEmpenho"), QStringLiteral("Data Empenho")),
                    valor(QStringLiteral("ValorEmpenhado"), QStringLiteral("Valor Empenhado")),
                    lista(QStringLiteral("TipoDocumento"), QStringLiteral("Tipo Documento Credor"), 110,
                          {{"0", "CNPJ"}, {"1", "CPF"}, {"2", "Identidade"}, {"3", "Matrícula"}}),
                    texto(QStringLiteral("NumeroDocumento"), QStringLiteral("Número Documento Credor"), 140, 20),
                    texto(QStringLiteral("NomeCredor"), QStringLiteral("Nome Credor"), 220, 100),
                    texto(QStringLiteral("ClassInsitucional"), QStringLiteral("Classificação Institucional"), 100, 10),
                    texto(QStringLiteral("ClassFuncional"), QStringLiteral("Classificação Funcional"), 100, 10),
                    texto(QStringLiteral("ClassProgramatica"), QStringLiteral("Classificação Programática"), 100, 10),
                    natureza,
                    fonte,
                    lista(QStringLiteral("Fundef"), QStringLiteral("FUNDEF"), 70, {{"40", "40%"}, {"60", "60%"}, {"0", "Nulo"}}),
                    lista(QStringLiteral("Royalties"), QStringLiteral("Royalties/FEP"), 90,
                          {{"05", "5%"}, {"10", "10%"}, {"25", "25%"}, {"FE", "FEP"}, {"00", "Nulo"}})},
        .identificador = QStringLiteral("idEmpenho"),
        .antesAlterar = [](Grade& g, int l, int c, const QString& t) -> Recusa {
            if (Recusa r = recusaData(g, l, c, t))
                return r;
            if (eh(g, c, "NumeroDocumento")) {
                const QString tipo = textoDe(g, l, QStringLiteral("TipoDocumento")).trimmed();
                const QString digitos = SomenteDigitos(t);
                if (tipo == u'0' && !ValidaCNPJ(digitos))
                    return QStringLiteral("Informe o CNPJ Correto.");
                if (tipo == u'1' && !ValidaCPF(digitos))
                    return QStringLiteral("Informe o CPF Correto.");
            }
            if (eh(g, c, "ValorEmpenhado")) {
                const QString numero = textoDe(g, l, QStringLiteral("NumeroEmpenho"));
                const Moeda saldo = g.linha(l).estado == Grade::Estado::Nova ? Moeda() : SaldoEmpenho(g.contexto().BancoOrgao, numero);
                // The balance takes the new value in place of the stored one.
                const Moeda novo = ValorDeTexto(t);
                if (novo <= Moeda())
                    return QString();
                if (g.linha(l).estado != Grade::Estado::Nova && saldo - gravado(g, l, QStringLiteral("ValorEmpenhado")) + novo < Moeda())
                    return QStringLiteral("Novo Valor Insuficiente para os Valores de Anulações e Pagamentos");
            }
            return std::nullopt;
        },
        .aposAlterar = [](Grade& g, int l, int c) {
            if (eh(g, c, "NumeroEmpenho"))
                recusaExistente(g, l, c, QString::fromUtf8(SqlNumeroExiste), {g.valor(l, c)},
                                QStringLiteral("Número de Empenho Existente no Ano."));
            if (eh(g, c, "NumeroDocumento")) {
                const QString tipo = textoDe(g, l, QStringLiteral("TipoDocumento")).trimmed();
                if (tipo == u'0' || tipo == u'1')
                    g.defineValor(l, c, FormataDocumento(SomenteDigitos(textoDe(g, l, QStringLiteral("NumeroDocumento"))), true));
            }
        },
        .antesGravar = [](Grade& g, int l) -> Recusa {
            const auto f = [&](const char* c) { return branco(g.valor(l, QString::fromLatin1(c))); };
            Recusa r = primeira({{f("NumeroProcesso"), "Informe o Número do Processo."},
                                 {f("NumeroEmpenho"), "Informe o Número do Empenho."},
                                 {f("Tipo"), "Informe o Tipo."},
                                 {!DataDeTexto(textoDe(g, l, QStringLiteral("DataEmpenho"))), "Informe a Data do Empenho."},
                                 {f("ValorEmpenhado"), "Informe o Valor Empenhado."},
                                 {f("TipoDocumento"), "Informe o Tipo de Documento."},
                                 {f("NumeroDocumento"), "Informe o Número do Documento."},
                                 {f("NomeCredor"), "Informe o Nome do Credor."},
                                 {f("ElementoDespesa"), "Informe a Natureza da Despesa."}});
            if (r)
                return r;
            const Banco& b = g.contexto().BancoOrgao;
            const QString numero = textoDe(g, l, QStringLiteral("NumeroEmpenho"));
            const bool nova = g.linha(l).estado == Grade::Estado::Nova;
            if (nova && b.existe(QString::fromUtf8(SqlNumeroExiste), {numero}))
                return QStringLiteral("Número de Empenho Existente no Ano.");
            if (!nova && alterou(g, l, QStringLiteral("ValorEmpenhado"))
                && SaldoEmpenho(b, numero) - gravado(g, l, QStringLiteral("ValorEmpenhado")) + g.moeda(l, QStringLiteral("ValorEmpenhado"))
                    < Moeda())
                return QStringLiteral("Novo Valor Insuficiente para os Valores de Anulações e Pagamentos");
            if (f("Fundef"))
                g.defineValor(l, QStringLiteral("Fundef"), QStringLiteral("0"));
            if (f("Royalties"))
                g.defineValor(l, QStringLiteral("Royalties"), QStringLiteral("00"));
            return std::nullopt;
        },
        .antesExcluir = [](Grade& g, int l) -> Recusa {
            const Banco& b = g.contexto().BancoOrgao;
            const QString numero = textoDe(g, l, QStringLiteral("NumeroEmpenho"));
            if (b.existe(QStringLiteral("SELECT 1 FROM tabAnexo14Anulacoes WHERE NumeroEmpenho = ?"), {numero}))
                return QStringLiteral("Existem Anulações referentes ao Empenho : ") + numero;
            if (b.existe(QStringLiteral("SELECT 1 FROM tabAnexo14Pagamentos WHERE NumeroEmpenho = ?"), {numero}))
                return QStringLiteral("Existem Pagamentos referentes ao Empenho :  ") + numero;
            return std::nullopt;
        },
        .origemErroInclusao = QStringLiteral("Erro na Inclusão dados no Anexo"),
        .aoAbrir = [](Contexto& ctx) { ConverteTiposEmpenho(ctx.BancoOrgao); },
    };
}

namespace {
NotaFiscal notaDaLinha(const Grade& g, int l, Moeda valor)
{
    return {textoDe(g, l, QStringLiteral("NumeroNotaFiscal")), textoDe(g, l, QStringLiteral("SerieNotaFiscal")),
            textoDe(g, l, QStringLiteral("DataEmissaoNFiscal")), valor, textoDe(g, l, QStringLiteral("DocCredor")),
            textoDe(g, l, QStringLiteral("CodValidacaoNotaFiscal"))};
}

QString elementoDoEmpenho(const Grade& g)
{
    return g.contexto().BancoOrgao.valor(QStringLiteral("SELECT ElementoDespesa FROM tabAnexo14Movimento WHERE idEmpenho = ?"),
                                         {g.valoresMestre().value(0)}).toString();
}

bool pagoACnpj(const Grade& g, int l) { return SomenteDigitos(textoDe(g, l, QStringLiteral("DocCredor"))).size() == 14; }

// What refuses the invoice of a new payment to a company: an electronic invoice (series "55")
// whose key has not 44 characters, and an order or cheque that pays another payment.
Recusa recusaNotaFiscal(const Grade& g, int l)
{
    if (!pagoACnpj(g, l))
        return std::nullopt;
    if (textoDe(g, l, QStringLiteral("SerieNotaFiscal")).trimmed() == QStringLiteral("55")
        && textoDe(g, l, QStringLiteral("CodValidacaoNotaFiscal")).trimmed().size() != 44)
        return QStringLiteral("Tamanho da Chave da Nota Fiscal Eletrônica Invalida");
    const QString ordem = textoDe(g, l, QStringLiteral("NumeroOBCheque"));
    if (!ordem.trimmed().isEmpty()
        && g.contexto().BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabAnexo14Pagamentos WHERE NumeroOBCheque = ?"), {ordem}))
        return QStringLiteral("Ordem Bancária: ") + ordem + QStringLiteral(" Já Associada a Outro Pagamento");
    return std::nullopt;
}

// The value of a new payment to a company is typed: an invoice on an element that carries one,
// issued up to April 2011, of 300,00 or more, is authenticated: by the state tax authority when
// the body is integrated and a code was typed, otherwise by the validator, whose doubt only warns.
Recusa autenticaAoDigitar(Grade& g, int l, Moeda valor, const ServicosAnexo14& s)
{
    if (!pagoACnpj(g, l))
        return std::nullopt;
    const NotaFiscal nota = notaDaLinha(g, l, valor);
    if (AutenticaAoDigitar(nota.emissao, valor, elementoDoEmpenho(g))) {
        Contexto& ctx = g.contexto();
        QSqlQuery q = ctx.BancoOrgao.executa(QStringLiteral("SELECT IntegradoSet, CGC FROM tabChave WHERE Codigo_tabOrgaos = ?"),
                                             {ctx.CodigoOrgao});
        const bool integrado = q.next() && q.value(0).toInt() != 0;
        const QString cgc = q.value(1).toString();
        if (integrado && s.chaveAutenticadora && !nota.codigo.trimmed().isEmpty())
            g.defineValor(l, QStringLiteral("CodValidacaoNotaFiscal"), s.chaveAutenticadora(nota, cgc));
        else if (!s.validador.valida(nota).valida)
            ctx.interacao().mensagem(Interacao::Icone::Informacao, QString(),
                                     QStringLiteral("Chave validadora invalida, o sistema gravará normalmente."));
    }
    return recusaNotaFiscal(g, l);
}
// A stored payment is never lowered below what of it was annulled.
Recusa recusaAbaixoDasAnulacoes(const Grade& g, int l, Moeda novo)
{
    if (g.linha(l).estado == Grade::Estado::Nova)
        return std::nullopt;
    const Moeda aberto = VerificaSaldoPagt(g.contexto().BancoOrgao, g.valor(l, QStringLiteral("idPagamento")));
    if (aberto - gravado(g, l, QStringLiteral("ValorPago")) + novo < Moeda())
        return MensagemPagamentoAbaixoDasAnulacoes;
    return std::nullopt;
}
} // namespace

DefinicaoGrade DefinicaoPagamentos(std::shared_ptr<const ServicosAnexo14> servicos)
{
    ColunaGrade domicilio = {.campo = QStringLiteral("DomBancario"), .titulo = QStringLiteral("Código Domicílo Bancário"),
                             .tipo = TipoColuna::Descricao, .largura = 200, .gravada = false};
    ColunaGrade conta = calculada(QStringLiteral("idContaCorrente"), QStringLiteral("CodConta"), 70);
    conta.tipo = TipoColuna::Entrada;
    conta.seletor = QStringLiteral("conta.pagamento");
    conta.consulta = {.tabela = QStringLiteral("tabAnexo26Extratos"),
                      .colunaCodigo = QStringLiteral("idConta"),
                      .colunaDescricao = QStringLiteral("Agencia || ' / ' || Conta_Corrente || ' - ' || Banco"),
                      .destino = QStringLiteral("DomBancario")};
    domicilio.seletor = conta.seletor;
    ColunaGrade valorPago = valor(QStringLiteral("ValorPago"), QStringLiteral("Valor Pago"));
    valorPago.inicial = qlonglong(0);
    return {
        .tabela = QStringLiteral("tabAnexo14Pagamentos"),
        // The order or cheque number is never rewritten.
        .chave = {QStringLiteral("idPagamento"), QStringLiteral("NumeroOBCheque")},
        .ordem = QStringLiteral("t.idPagamento"),
        // Payments whose account is gone from the register are not listed.
        .condicao = QStringLiteral("EXISTS (SELECT 1 FROM tabAnexo26Extratos c WHERE c.idConta = t.idContaCorrente)"),
        .colunas = {periodo(),
                    {.campo = QStringLiteral("NumeroEmpenho"), .titulo = QStringLiteral("Nº Empenho"), .tipo = TipoColuna::Calculada,
                     .largura = 90},
                    calculada(QStringLiteral("idPagamento"), QStringLiteral("idPagamento")),
                    texto(QStringLiteral("NumeroNotaFiscal"), QStringLiteral("Número Doc Fiscal"), 100, 20),
                    texto(QStringLiteral("SerieNotaFiscal"), QStringLiteral("Série Doc Fiscal"), 80, 5),
                    texto(QStringLiteral("Modelo"), QStringLiteral("Modelo"), 60, 5),
                    data(QStringLiteral("DataEmissaoNFiscal"), QStringLiteral("Data Emissão Doc Fiscal")),
                    texto(QStringLiteral("CodValidacaoNotaFiscal"), QStringLiteral("Código de Validação do Doc Fiscal"), 200, 60),
                    texto(QStringLiteral("NumeroOBCheque"), QStringLiteral("Ordem Bancária/CHEQUE"), 110, 20),
                    domicilio,
                    texto(QStringLiteral("DocCredor"), QStringLiteral("Número Documento do Credor"), 140, 20),
                    data(QStringLiteral("DataPagamento"), QStringLiteral("Data Pagamento")),
                    valorPago,
                    conta},
        .identificador = QStringLiteral("idPagamento"),
        .listaAnteriores = true,
        .antesAlterar = [servicos](Grade& g, int l, int c, const QString& t) -> Recusa {
            if (Recusa r = recusaData(g, l, c, t))
                return r;
            if (!eh(g, c, "ValorPago"))
                return std::nullopt;
            if (g.linha(l).estado == Grade::Estado::Nova && !t.trimmed().isEmpty())
                if (Recusa r = autenticaAoDigitar(g, l, ValorDeTexto(t), *servicos))
                    return r;
            if (Recusa r = recusaValor(g, l, QStringLiteral("ValorPago"), t, SaldoEmpenho(g.contexto().BancoOrgao, numeroDoMestre(g)),
                                       SaldoInsuficiente))
                return r;
            return recusaAbaixoDasAnulacoes(g, l, ValorDeTexto(t));
        },
        .antesGravar = [](Grade& g, int l) -> Recusa {
            const auto f = [&](const char* c) { return branco(g.valor(l, QString::fromLatin1(c))); };
            const Banco& b = g.contexto().BancoOrgao;
            const bool semConta = f("idContaCorrente")
                || !b.existe(QStringLiteral("SELECT 1 FROM tabAnexo26Extratos WHERE idConta = ?"), {g.valor(l, QStringLiteral("idContaCorrente"))});
            Recusa r = primeira({{f("NumeroOBCheque"), "Informe Ordem bancária/CHEQUE "},
                                 {f("DocCredor"), "Informe o Documento do Beneficiado"},
                                 {semConta, "Informe a Conta Corrente"},
                                 {!DataDeTexto(textoDe(g, l, QStringLiteral("DataPagamento"))), "Informe uma Data Válida de Pagamento "},
                                 {g.moeda(l, QStringLiteral("ValorPago")) <= Moeda(), "Informe o Valor do Pagamento. "}});
            if (!r && g.linha(l).estado == Grade::Estado::Nova)
                r = recusaNotaFiscal(g, l);
            if (!r && alterou(g, l, QStringLiteral("ValorPago"))
                && SaldoEmpenho(b, numeroDoMestre(g)) + gravado(g, l, QStringLiteral("ValorPago")) - g.moeda(l, QStringLiteral("ValorPago"))
                    < Moeda())
                r = SaldoInsuficiente;
            if (!r && alterou(g, l, QStringLiteral("ValorPago")))
                r = recusaAbaixoDasAnulacoes(g, l, g.moeda(l, QStringLiteral("ValorPago")));
            return r;
        },
        .aposGravar = [servicos](Grade& g, int l, bool nova) {
            const Moeda valor = g.moeda(l, QStringLiteral("ValorPago"));
            if (nova && AutenticaAoIncluir(textoDe(g, l, QStringLiteral("DataEmissaoNFiscal")), valor, elementoDoEmpenho(g))
                && !servicos->validador.valida(notaDaLinha(g, l, valor)).valida)
                MostraAviso(g.contexto().interacao(), QStringLiteral("Chave validadora inválida, o sistema gravará normalmente."));
        },
        .antesExcluir = [](Grade& g, int l) -> Recusa {
            if (g.contexto().BancoOrgao.existe(QStringLiteral("SELECT 1 FROM tabAnexo14AnulacaoPagamento WHERE idPagamento = ?"),
                                               {g.valor(l, QStringLiteral("idPagamento"))}))
                return QStringLiteral("Existem anulações referentes ao pagamento : ") + textoDe(g, l, QStringLiteral("NumeroOBCheque"));
            return std::nullopt;
        },
        .mestre = {{QStringLiteral("idEmpenho"), QStringLiteral("idEmpenho")},
                   {QStringLiteral("NumeroEmpenho"), QStringLiteral("NumeroEmpenho"), false}},
        .mensagemSemMestre = SelecioneEmpenho,
    };
}

DefinicaoGrade DefinicaoAnulacoesEmpenho()
{
    return {
        .tabela = QStringLiteral("tabAnexo14Anulacoes"),
        .chave = {QStringLiteral("idAnulacao"), QStringLiteral("NotaAnulacao")},
        .ordem = QStringLiteral("t.idAnulacao"),
        .colunas = {periodo(),
                    calculada(QStringLiteral("idAnulacao"), QStringLiteral("idAnulacao")),
                    texto(QStringLiteral("NotaAnulacao"), QStringLiteral("Número Nota Anulação"), 130, 20),
                    valor(QStringLiteral("ValorAnulado"), QStringLiteral("Valor Anulado")),
                    texto(QStringLiteral("MotivoAnulacao"), QStringLiteral("Motivo da Anulação"), 320, 255),
                    data(QStringLiteral("DataAnulacao"), QStringLiteral("Data Anulação"))},
        .identificador = QStringLiteral("idAnulacao"),
        .listaAnteriores = true,
        .antesAlterar = [](Grade& g, int l, int c, const QString& t) -> Recusa {
            if (Recusa r = recusaData(g, l, c, t))
                return r;
            if (!eh(g, c, "ValorAnulado"))
                return std::nullopt;
            return recusaValor(g, l, QStringLiteral("ValorAnulado"), t, SaldoEmpenho(g.contexto().BancoOrgao, numeroDoMestre(g)),
                               SaldoInsuficiente);
        },
        .aposAlterar = [](Grade& g, int l, int c) {
            if (eh(g, c, "NotaAnulacao"))
                recusaExistente(g, l, c, QString::fromUtf8(SqlNotaExiste), {numeroDoMestre(g), g.valor(l, c)},
                                QStringLiteral("Nota da Anulação Existente no Empenho."));
        },
        .antesGravar = [](Grade& g, int l) -> Recusa {
            const auto f = [&](const char* c) { return branco(g.valor(l, QString::fromLatin1(c))); };
            const Banco& b = g.contexto().BancoOrgao;
            Recusa r = primeira({{f("NotaAnulacao"), "Informe a Nota de Anulação "}, {f("ValorAnulado"), "Informe o Valor de Anulação "}});
            if (!r && g.linha(l).estado == Grade::Estado::Nova
                && b.existe(QString::fromUtf8(SqlNotaExiste), {numeroDoMestre(g), g.valor(l, QStringLiteral("NotaAnulacao"))}))
                r = QStringLiteral("Nota da Anulação Existente no Empenho.");
            if (!r && alterou(g, l, QStringLiteral("ValorAnulado"))
                && SaldoEmpenho(b, numeroDoMestre(g)) + gravado(g, l, QStringLiteral("ValorAnulado"))
                        - g.moeda(l, QStringLiteral("ValorAnulado"))
                    < Moeda())
                r = SaldoInsuficiente;
            return r;
        },
        .mestre = {{QStringLiteral("idEmpenho"), QStringLiteral("idEmpenho")},
                   {QStringLiteral("NumeroEmpenho"), QStringLiteral("NumeroEmpenho"), false}},
        .mensagemSemMestre = SelecioneEmpenho,
    };
}

DefinicaoGrade DefinicaoAnulacoesPagamento()
{
    const QString insuficiente = QStringLiteral("Saldo Insuficiente No Pagamento Para Esta Anulação");
    return {
        .tabela = QStringLiteral("tabAnexo14AnulacaoPagamento"),
        .chave = {QStringLiteral("idAnulacaoPagamento"), QStringLiteral("NotaAnulacao")},
        .ordem = QStringLiteral("t.idAnulacaoPagamento"),
        .colunas = {periodo(),
                    calculada(QStringLiteral("idPagamento"), QStringLiteral("Código Pagamento"), 100),
                    calculada(QStringLiteral("idAnulacaoPagamento"), QStringLiteral("Código Anulação"), 100),
                    texto(QStringLiteral("NotaAnulacao"), QStringLiteral("Número Nota Anulação"), 130, 20),
                    valor(QStringLiteral("ValorAnulacao"), QStringLiteral("Valor Anulado")),
                    data(QStringLiteral("DataAnulacao"), QStringLiteral("Data Anulação"))},
        .identificador = QStringLiteral("idAnulacaoPagamento"),
        .listaAnteriores = true,
        .antesAlterar = [insuficiente](Grade& g, int l, int c, const QString& t) -> Recusa {
            if (Recusa r = recusaData(g, l, c, t))
                return r;
            if (!eh(g, c, "ValorAnulacao"))
                return std::nullopt;
            return recusaValor(g, l, QStringLiteral("ValorAnulacao"), t, VerificaSaldoPagt(g.contexto().BancoOrgao, g.valoresMestre().value(0)),
                               insuficiente);
        },
        .aposAlterar = [](Grade& g, int l, int c) {
            if (eh(g, c, "NotaAnulacao"))
                recusaExistente(g, l, c, QString::fromUtf8(SqlNotaPagamentoExiste), notaPagamento(g, l),
                                QStringLiteral("Nota de Anulação já cadastrada para o empenho"));
        },
        .antesGravar = [insuficiente](Grade& g, int l) -> Recusa {
            const auto f = [&](const char* c) { return branco(g.valor(l, QString::fromLatin1(c))); };
            const Banco& b = g.contexto().BancoOrgao;
            Recusa r = primeira({{f("NotaAnulacao"), "Informe A Nota de Anulação"}, {f("ValorAnulacao"), "Informe o Valor Anulado"}});
            if (!r && g.linha(l).estado == Grade::Estado::Nova && b.existe(QString::fromUtf8(SqlNotaPagamentoExiste), notaPagamento(g, l)))
                r = QStringLiteral("Nota de Anulação já cadastrada para o empenho");
            if (!r && alterou(g, l, QStringLiteral("ValorAnulacao"))
                && VerificaSaldoPagt(b, g.valoresMestre().value(0)) + gravado(g, l, QStringLiteral("ValorAnulacao"))
                        - g.moeda(l, QStringLiteral("ValorAnulacao"))
                    < Moeda())
                r = insuficiente;
            return r;
        },
        .mestre = {{QStringLiteral("idPagamento"), QStringLiteral("idPagamento")},
                   {QStringLiteral("NumeroOBCheque"), QStringLiteral("NumeroOBCheque"), false}},
        .mensagemSemMestre = QStringLiteral("Selecione um Pagamento ou Salve os dados do Pagamento que estava sendo digitado."),
    };
}

QString LegendaEmpenho(const Banco& banco, const QVariant& idEmpenho)
{
    QSqlQuery q = banco.executa(QStringLiteral("SELECT NumeroEmpenho, NomeCredor FROM tabAnexo14Movimento WHERE idEmpenho = ?"),
                                {idEmpenho});
    if (!q.next())
        return {};
    return QStringLiteral("Empenho : ") + q.value(0).toString() + QStringLiteral(" - Credor : ") + q.value(1).toString();
}

namespace {
FiltroLista contem(const QString& rotulo, const QString& coluna) { return {rotulo, coluna + QStringLiteral(" LIKE ? ESCAPE '\\'")}; }
} // namespace

DefinicaoLista ListaEmpenhos()
{
    // The amount as "#,##0.00" without thousands, rounded to cents, in whole numbers.
    const QString base = QStringLiteral("SELECT NumeroEmpenho, NomeCredor, printf('%d,%02d', (ValorEmpenhado + 50) / 10000,"
                                        " ((ValorEmpenhado + 50) / 100) % 100) FROM tabAnexo14Movimento WHERE BimReferencia <= ?");
    return {.titulo = QStringLiteral("Empenhos"),
            .titulos = {QStringLiteral("Número"), QStringLiteral("Credor"), QStringLiteral("Valor")},
            .consulta = base,
            .consultaFiltrada = base,
            .ordem = QStringLiteral("NumeroEmpenho"),
            .filtros = {contem(QStringLiteral("Credor"), QStringLiteral("NomeCredor")),
                        {QStringLiteral("Número"), QStringLiteral("NumeroEmpenho = ?"), false}},
            .campos = {QStringLiteral("NumeroEmpenho"), QString(), QString()}};
}

DefinicaoLista ListaContasPagamento()
{
    const QString base = QStringLiteral("SELECT Conta_Corrente, Agencia, Banco, Titular_Conta, idConta FROM tabAnexo26Extratos"
                                        " WHERE BimReferencia <= ?");
    return {.titulo = QStringLiteral("Contas Correntes"),
            .titulos = {QStringLiteral("Conta Corrente"), QStringLiteral("Agência"), QStringLiteral("Banco"), QStringLiteral("Titular"),
                        QStringLiteral("Código")},
            .consulta = base,
            .consultaFiltrada = base,
            .ordem = QStringLiteral("BimReferencia DESC, Banco, Agencia, Conta_Corrente"),
            .filtros = {contem(QStringLiteral("Titular"), QStringLiteral("Titular_Conta")),
                        contem(QStringLiteral("Banco"), QStringLiteral("Banco")),
                        contem(QStringLiteral("Conta Corrente"), QStringLiteral("Conta_Corrente"))},
            .campos = {QString(), QString(), QString(), QString(), QStringLiteral("idContaCorrente")}};
}
