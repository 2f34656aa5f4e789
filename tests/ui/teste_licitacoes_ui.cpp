// Anexo XIII as a user meets it: opened from its menu entry, a process typed with the keyboard,
// a participant with the items it won, a contract and an amendment on the tabs that follow, the
// code look-ups answered, and the process look-up that the commitments open.
#include "Capturas.h"
#include "registers/Licitacoes.h"
#include "ui/budget/FrmSeletores.h"
#include "ui/core/GradeRegistro.h"
#include "ui/core/Seletores.h"
#include "ui/core/TelaMestreDetalhe.h"
#include "ui/reports/FrmConsultaGeral.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace {
struct Anexo13 : TelasDoOrgao {
    TelaMestreDetalhe* abre() { return TelasDoOrgao::abre<TelaMestreDetalhe>("registrar.13", {}, {1360, 560}); }
};
} // namespace

TEST(TelasLicitacoes, ProcessoComParticipanteItemContratoEAditivo)
{
    Anexo13 a;
    TelaMestreDetalhe* t = a.abre();
    ASSERT_EQ(t->abas()->count(), 4);
    GradeRegistro* processos = t->mestre();

    // A contract asks for its process first.
    t->abas()->setCurrentIndex(2);
    a.p.ui.limpa();
    Clica(*t, "cmdNovo");
    EXPECT_EQ(a.p.ui.ultimo(), MensagemSemProcessoLicitacao);
    t->abas()->setCurrentIndex(0);

    // The process, cell after cell; the modality through its look-up (F4).
    VaiPara(processos, 0, 1);
    DigitaTeclas(QStringLiteral("001/2012\rPE-01/2012\rAquisição de combustível\r"));
    VaiPara(processos, 0, 4);
    bool viu = false;
    NoModal<FrmConsultaGeral>(
        [](FrmConsultaGeral* d) {
            QTableWidget* lista = d->findChild<QTableWidget*>();
            for (int i = 0; i < lista->rowCount(); ++i)
                if (lista->item(i, 0)->text() == "13")
                    lista->selectRow(i);
            Captura(d, "anexo13-modalidades");
            Clica(*d, "cmdOk");
        },
        &viu);
    QTest::keyClick(processos->vista(), Qt::Key_F4);
    ASSERT_TRUE(viu);
    EXPECT_TRUE(Celula(processos, 0, 4).startsWith(QStringLiteral("13-Pregão Eletrônico")));
    EXPECT_EQ(a.p.ui.ultimo(), QStringLiteral("Número do recibo é um campo obrigatório"));
    VaiPara(processos, 0, 5);
    DigitaTeclas(QStringLiteral("01\r10/05/2012\r\r\rREC-2012-0001\r12.500,00\r"));
    EXPECT_EQ(Celula(processos, 0, 5), QStringLiteral("01-Lei nº 8.666/1993, art. 22, I - Concorrência"));
    EXPECT_EQ(Celula(processos, 0, 8), "03/2012");

    // Leaving the tab stores the process; the participants follow it.
    a.p.ui.limpa();
    t->abas()->setCurrentIndex(1);
    EXPECT_TRUE(a.p.ui.mensagens.isEmpty()) << a.p.ui.ultimo().toStdString();
    EXPECT_EQ(a.texto("SELECT NumeroProcesso || '|' || Modalidade || '|' || FundamentoLegal || '|' || NumeroRecibo || '|' || "
                      "ValorLicitacao FROM tabAnexo13Movimento"),
              "001/2012|13|01|REC-2012-0001|125000000");
    EXPECT_EQ(t->legenda()->text(), QStringLiteral("Licitação : 001/2012  - Aquisição de combustível"));
    GradeRegistro* participantes = t->detalhe(1);
    VaiPara(participantes, 0, 1);
    DigitaTeclas(QStringLiteral("CN\r11222333000181\rPosto Central Ltda\rItem 1 - gasolina comum, 10.000 litros\r12.000,00\r"));
    EXPECT_EQ(Celula(participantes, 0, 1), "CNPJ");
    EXPECT_EQ(Celula(participantes, 0, 2), "11.222.333/0001-81");
    Captura(t, "anexo13-participantes");

    t->abas()->setCurrentIndex(2);
    EXPECT_EQ(a.texto("SELECT NumeroProcesso || '|' || VenceuItens || '|' || ValorTotalItensVencidos FROM tabAnexo13ItensMovimento"),
              "001/2012|Item 1 - gasolina comum, 10.000 litros|120000000");
    EXPECT_EQ(t->legenda()->text(), QStringLiteral("Licitação: 001/2012   Participante: 11.222.333/0001-81 - Posto Central Ltda"));
    GradeRegistro* contratos = t->detalhe(2);
    VaiPara(contratos, 0, 1);
    DigitaTeclas("CT-01/2012\r12.000,00\r01/06/2012\r31/12/2012\r28/05/2012\r");
    a.p.ui.limpa();
    Clica(*t, "cmdGravar");
    EXPECT_TRUE(a.p.ui.mensagens.isEmpty()) << a.p.ui.ultimo().toStdString();
    EXPECT_EQ(a.texto("SELECT NumeroContrato || '|' || ValorContrato || '|' || InicioVigencia || '|' || DataAssinatura || '|' || "
                      "ifnull(DataPublicacao, 'null') || '|' || NumeroDocumento FROM tabAnexo13Contratos"),
              "CT-01/2012|120000000|01/06/2012|28/05/2012|null|11.222.333/0001-81");
    Captura(t, "anexo13-contratos");

    // The amendment's legal basis: its look-up lists only the amendments' codes.
    VaiPara(contratos, 0, 1);
    t->abas()->setCurrentIndex(3);
    EXPECT_EQ(t->legenda()->text(), "Contrato: CT-01/2012");
    GradeRegistro* aditivos = t->detalhe(3);
    VaiPara(aditivos, 0, 1);
    DigitaTeclas(QStringLiteral("1\rProrrogação do prazo de vigência\r"));
    VaiPara(aditivos, 0, 3);
    viu = false;
    NoModal<FrmConsultaGeral>(
        [](FrmConsultaGeral* d) {
            QTableWidget* lista = d->findChild<QTableWidget*>();
            EXPECT_EQ(lista->rowCount(), 21);
            EXPECT_EQ(lista->item(0, 0)->text(), "56");
            lista->selectRow(1);
            Clica(*d, "cmdOk");
        },
        &viu);
    QTest::keyClick(aditivos->vista(), Qt::Key_F4);
    ASSERT_TRUE(viu);
    EXPECT_TRUE(Celula(aditivos, 0, 3).startsWith("57-"));
    VaiPara(aditivos, 0, 4);
    DigitaTeclas("0,00\r01/01/2013\r31/12/2013\r");
    a.p.ui.limpa();
    Clica(*t, "cmdGravar");
    EXPECT_TRUE(a.p.ui.mensagens.isEmpty()) << a.p.ui.ultimo().toStdString();
    EXPECT_EQ(a.texto("SELECT NumeroAditivo || '|' || FundamentoLegal || '|' || Valor || '|' || NumeroContrato FROM tabAnexo13Aditivos"),
              "1|57|0|CT-01/2012");
    Captura(t, "anexo13-aditivos");

    // The contract cannot go while it has its amendment.
    VaiPara(contratos, 0, 1);
    t->abas()->setCurrentIndex(2);
    VaiPara(contratos, 0, 1);
    a.p.ui.respostas = {true};
    Clica(*t, "cmdExcluir");
    EXPECT_EQ(a.p.ui.ultimo(), QStringLiteral("Não é possível excluir contrato,Existe(m) Aditivo(s) Relacionado(s)"));
    t->close();
}

// A dozen acts of a few bimesters: the processes of the open one, and with the box ticked the
// earlier ones in grey; the process look-up of the commitments hands the number back.
TEST(TelasLicitacoes, UmaDuziaDeAtosEAConsultaDeProcessos)
{
    Anexo13 a;
    const char* objetos[] = {"Merenda escolar para a rede municipal de ensino", "Combustível para a frota", "Material de expediente",
                             "Medicamentos da farmácia básica", "Pavimentação de vias urbanas do bairro Centro",
                             "Transporte escolar rural", "Locação de veículos", "Serviços de limpeza urbana",
                             "Material de construção", "Uniformes escolares", "Gêneros alimentícios da agricultura familiar",
                             "Manutenção de iluminação pública"};
    const char* modalidades[] = {"06", "13", "03", "13", "01", "02", "06", "01", "03", "06", "11", "07"};
    for (int i = 0; i < 12; ++i) {
        const QString periodo = i < 4 ? "201202" : "201203";
        const QString numero = QString("%1/2012").arg(i + 1, 3, 10, QChar('0'));
        a.sql("INSERT INTO tabAnexo13Movimento VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
              {i + 1, periodo, numero, QString("L-%1").arg(i + 1), QString::fromUtf8(objetos[i]), modalidades[i],
               QString(modalidades[i]) == "07" ? "11" : "01", QString("%1/0%2/2012").arg(10 + i).arg(i < 4 ? 3 : 5),
               i % 3 ? QVariant(QString("%1/0%2/2012").arg(12 + i).arg(i < 4 ? 3 : 5)) : QVariant(),
               QString(modalidades[i]) == "13" ? QVariant(QString("REC-%1").arg(i)) : QVariant(), (i + 1) * 1234567'0000LL,
               i % 4 ? "0" : "1"});
        a.sql("INSERT INTO tabAnexo13ItensMovimento VALUES (?, ?, ?, '1', ?, ?, ?, ?, ?)",
              {i + 1, periodo, i + 1, i % 2 ? "11.222.333/0001-81" : "11.444.777/0001-61",
               i % 2 ? "Comercial Capixaba Ltda" : "Construtora Vale do Rio Doce SA", "Lote único", (i + 1) * 1000000'0000LL,
               numero});
    }
    TelaMestreDetalhe* t = a.abre();
    EXPECT_EQ(t->mestre()->grade().linhas(), 8);
    EXPECT_EQ(Celula(t->mestre(), 0, 1), "005/2012");
    Captura(t, "anexo13-exemplo");
    t->caixaAnteriores()->setChecked(true);
    ASSERT_EQ(t->mestre()->grade().linhas(), 12);
    EXPECT_TRUE(t->mestre()->grade().somenteLeitura(0));
    EXPECT_EQ(t->mestre()->vista()->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0xD8, 0xD8, 0xD8));
    Captura(t, "anexo13-anteriores");
    VaiPara(t->mestre(), 1, 1);
    t->abas()->setCurrentIndex(1);
    EXPECT_EQ(t->detalhe(1)->grade().linhas(), 1);
    EXPECT_TRUE(t->detalhe(1)->grade().somenteLeitura(0));
    Captura(t, "anexo13-participantes-anteriores");

    // The look-up that the commitments' "Processo Licitatório" cell opens.
    const FabricaSeletor* seletor = SeletorDeId(SeletorProcessoLicitacao);
    ASSERT_NE(seletor, nullptr);
    Grade qualquer(a.p.ctx, DefinicaoLicitacoes());
    NoModal<FrmLista>([](FrmLista* f) {
        EXPECT_EQ(f->grade()->rowCount(), 12);
        f->filtros()[0]->setText("escolar");
        f->pesquisa();
        EXPECT_EQ(f->grade()->rowCount(), 3);
        Captura(f, "anexo13-consulta-processos");
        f->grade()->selectRow(1);
        Clica(*f, "cmdOk");
    });
    const auto escolha = (*seletor)(a.p.ctx, qualquer, -1, t);
    ASSERT_TRUE(escolha.has_value());
    ASSERT_EQ(escolha->size(), 1u);
    EXPECT_EQ(escolha->front().first, "ProcessoLicitacao");
    EXPECT_EQ(escolha->front().second, "006/2012");
}
