// The list-shaped statements, Anexo 24 and Anexo 22B as a user meets them: opened from their
// menu entries, typed into with the keyboard (Brazilian money), deleted, saved and closed.
#include "Capturas.h"
#include "core/Grade.h"
#include "ui/core/GradeRegistro.h"
#include "ui/core/TelaGrade.h"
#include "ui/core/TelaMestreDetalhe.h"
#include "ui/statements/FrmAnexo22B.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>

namespace {
struct Listas : TelasDoOrgao {
    explicit Listas(const QString& sigla = "P001") : TelasDoOrgao(sigla, "201204") {}
};
} // namespace

TEST(TelasListas, ProjecaoAtuarialDigitadaCalculadaEExcluida)
{
    Listas a;
    auto* tela = a.abre<TelaGrade>("registrar.09", "anexo09");
    GradeRegistro* g = tela->grade();
    VaiPara(g, 0, 1);
    DigitaTeclas("2013\r1.500,00\r2.000,25\r");
    EXPECT_EQ(Celula(g, 0, 4), "-500,25");
    a.p.ui.limpa();
    Clica(*tela, "cmdGravar");
    EXPECT_TRUE(a.p.ui.mensagens.isEmpty()) << a.p.ui.ultimo().toStdString();
    EXPECT_EQ(a.texto("SELECT Seq || '|' || Exercicio || '|' || ResultadoValor FROM tabAnexo09Movimento"), "1|2013|-5002500");
    Captura(tela, "anexo09");

    // Excluir asks; Yes deletes the row.
    VaiPara(g, 0, 1);
    a.p.ui.respostas = {true};
    Clica(*tela, "cmdExcluir");
    ASSERT_EQ(a.p.ui.perguntas.size(), 1);
    EXPECT_EQ(a.p.ui.perguntas[0].texto, "Confirma a Exclusão da Linha ?");
    EXPECT_EQ(a.texto("SELECT count(*) FROM tabAnexo09Movimento"), "0");
}

TEST(TelasListas, RiscosFiscaisEDetalhamentoDaDespesa)
{
    Listas a;
    auto* riscos = a.abre<TelaGrade>("registrar.37");
    GradeRegistro* g = riscos->grade();
    VaiPara(g, 0, 1);
    DigitaTeclas(QStringLiteral("Demandas judiciais\r50.000\rReserva de contingência\r1.234,5\r"));
    VaiPara(g, 1, 1); // leaving the row stores it
    EXPECT_EQ(a.texto("SELECT riscos || '|' || valor1 || '|' || valor2 FROM tabAnexo37Movimento"),
              "Demandas judiciais|500000000|12345000");
    Captura(riscos, "anexo37");
    riscos->close();

    a.sql("INSERT INTO tabAnexo38Movimento (id, BimReferencia, Orgao, Unidade, Funcao, SubFuncao, Programa, Natureza, Fonte, Valor) "
          "VALUES (1, '201204', '02', '001', '04', '122', '0010', '31901100', '001', 10000000)");
    auto* qdd = a.abre<TelaGrade>("registrar.38", "anexo38");
    EXPECT_EQ(Celula(qdd->grade(), 0, 8), "1.000,00");
    VaiPara(qdd->grade(), 0, 1);
    a.p.ui.respostas = {false};
    Clica(*qdd, "cmdExcluir");
    ASSERT_EQ(a.p.ui.perguntas.size(), 1);
    EXPECT_EQ(a.p.ui.perguntas[0].texto, "Deseja realmente excluir a linha?");
    EXPECT_EQ(a.texto("SELECT count(*) FROM tabAnexo38Movimento"), "1");
}

// Every list opens from its entry and shows whole captions.
TEST(TelasListas, TodasAbremComSuasColunas)
{
    Listas a;
    for (const char* id : {"registrar.07", "registrar.19", "registrar.20", "registrar.24", "registrar.35"}) {
        auto* tela = a.abre<TelaGrade>(id, QString(id).mid(10).prepend("anexo"));
        ASSERT_NE(tela, nullptr);
        QTableView* v = tela->grade()->vista();
        const QFontMetrics fm(v->horizontalHeader()->font());
        for (int c = 0; c < tela->grade()->modelo()->columnCount(); ++c)
            if (!v->isColumnHidden(c))
                EXPECT_GE(v->columnWidth(c), fm.horizontalAdvance(tela->grade()->modelo()->headerData(c, Qt::Horizontal).toString()))
                    << id << " " << c;
    }
    auto* ppp = a.abre<TelaMestreDetalhe>("registrar.39", "anexo39");
    ASSERT_NE(ppp, nullptr);
    EXPECT_EQ(ppp->abas()->tabText(1), "Ativos");
    ppp->abas()->setCurrentIndex(1);
    Captura(ppp, "anexo39-ativos");
}

TEST(TelasListas, Anexo22BPreenchidoSomenteLeituraEGravado)
{
    Listas a("G001");
    a.sql("INSERT INTO tabAnexo15Movimento (BimReferencia, Campo, Ult12Mes) VALUES ('201204', 12, 12345670000)");
    a.sql("INSERT INTO tabAnexo16Movimento (BimReferencia, Campo, SaldoAte2Quad) VALUES ('201204', 24, 123456789)");
    auto* tela = qobject_cast<FrmAnexo22B*>(a.abre("registrar.22B", "anexo22b"));
    ASSERT_NE(tela, nullptr);
    EXPECT_TRUE(tela->txta(1)->text().isEmpty());
    EXPECT_EQ(tela->txta(2)->text(), "1.234.567,00");
    EXPECT_EQ(tela->txtb(3)->text(), "49,00");
    EXPECT_EQ(tela->txtb(5)->text(), "12345,68");
    EXPECT_TRUE(tela->txta(2)->isReadOnly());
    bool achou = false;
    for (QLabel* r : tela->findChildren<QLabel*>())
        achou = achou || r->text() == QStringLiteral("DISPONIBILIDADE DE CAIXA LÍQUIDA (ANTES DA INSCRIÇÃO EM R P 2012)");
    EXPECT_TRUE(achou);
    Clica(*tela, "cmdgravar");
    EXPECT_EQ(a.p.ui.ultimo(), "Valores gravados com sucesso!");
    EXPECT_EQ(a.texto("SELECT Valor || '|' || Limite FROM tabAnexo22bMovimento WHERE Campo = 3"), "|49,00");
    EXPECT_EQ(a.texto("SELECT count(*) FROM tabAnexo22bMovimento WHERE BimReferencia = '201204'"), "13");
}
