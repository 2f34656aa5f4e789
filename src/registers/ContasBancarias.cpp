#include "registers/ContasBancarias.h"

QString CodigoDoBanco(const QString& celula) { return celula.trimmed().left(3); }

DefinicaoGrade DefinicaoContasBancarias()
{
    auto texto = [](const QString& campo, const QString& titulo, int largura, int tamanho) {
        return ColunaGrade{.campo = campo, .titulo = titulo, .tipo = TipoColuna::Obrigatoria, .largura = largura,
                           .tamanhoMaximo = tamanho};
    };
    ColunaGrade banco = texto(QStringLiteral("Banco"), QStringLiteral("Banco"), 260, 0);
    banco.expressao = QStringLiteral("t.Banco || COALESCE('-' || (SELECT b.Banco FROM Bancos b WHERE b.CodFebraban = t.Banco), '')");
    banco.paraGravar = [](const QVariant& v) -> QVariant { return CodigoDoBanco(v.toString()); };
    // The typed code is replaced by "code-name", or refused.
    banco.consulta = {.tabela = QStringLiteral("Bancos"),
                      .colunaCodigo = QStringLiteral("CodFebraban"),
                      .colunaDescricao = QStringLiteral("CodFebraban || '-' || Banco"),
                      .destino = QStringLiteral("Banco"),
                      .mensagemInvalido = QStringLiteral("Código do banco Inválido.")};
    banco.seletor = QStringLiteral("banco");
    return {.tabela = QStringLiteral("tabAnexo26Extratos"),
            .chave = {QStringLiteral("Banco"), QStringLiteral("Agencia"), QStringLiteral("Conta_Corrente")},
            .ordem = QStringLiteral("t.Banco"),
            .colunas = {{.campo = QStringLiteral("BimReferencia"), .titulo = QStringLiteral("Bim."), .tipo = TipoColuna::Calculada,
                         .formato = TipoCampo::Periodo, .largura = 70},
                        banco,
                        texto(QStringLiteral("Agencia"), QStringLiteral("Agência"), 90, 10),
                        texto(QStringLiteral("Conta_Corrente"), QStringLiteral("Conta Corrente"), 120, 20),
                        texto(QStringLiteral("Descricao_Conta"), QStringLiteral("Descrição da Conta"), 300, 100),
                        texto(QStringLiteral("Titular_Conta"), QStringLiteral("Titular da Conta"), 260, 100)},
            .identificador = QStringLiteral("idConta"),
            .mensagemDuplicada = QStringLiteral("Conta Corrente,Agência  e Banco Já Cadastrados no Bimestre Corrente."),
            .ofereceCopia = true,
            .copiaUltimoAnterior = true,
            .perguntaCopia = QStringLiteral("Todas as atuais Contas Correntes serão substituidas pelas do Bimestre Anterior.")
                + u'\n' + QStringLiteral("Deseja Continuar ?"),
            .mensagemSemAnterior = QStringLiteral("Não há Registro de Conta Corrente no Bimestre Anterior."),
            .mensagemCopiaFeita = QStringLiteral("Importação realizada com Sucesso.")};
}
