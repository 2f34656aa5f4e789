#include "comum/InteracaoRoteiro.h"
#include "ui/core/Campos.h"
#include "ui/core/Formulario.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFormLayout>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
DefinicaoCampo campo(const char* coluna, TipoCampo tipo, bool obrigatorio = false)
{
    DefinicaoCampo c{coluna, QString(coluna) + ":", tipo};
    c.obrigatorio = obrigatorio;
    c.dataIso = true;
    return c;
}

// A form of one field per kind, shown and active so that the focus moves as on a screen.
struct Tela {
    InteracaoRoteiro ui;
    Formulario f{&ui,
                 {campo("texto", TipoCampo::Texto, true), campo("valor", TipoCampo::Valor), campo("inteiro", TipoCampo::Inteiro),
                  campo("decimal", TipoCampo::Decimal), campo("data", TipoCampo::Data), campo("cpf", TipoCampo::Cpf),
                  campo("cnpj", TipoCampo::CpfCnpj), campo("cep", TipoCampo::Cep), campo("fone", TipoCampo::Telefone),
                  campo("lista", TipoCampo::Lista), campo("sn", TipoCampo::SimNao)}};
    Tela()
    {
        f.show();
        QApplication::setActiveWindow(&f);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    }
    QLineEdit* c(const char* coluna) { return f.campoTexto(coluna); }
    // Focus, the keys, then Enter to leave as the user does.
    void digita(const char* coluna, const QString& teclas, bool sai = true)
    {
        f.campo(coluna)->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClicks(f.campo(coluna), teclas);
        if (sai)
            QTest::keyClick(f.campo(coluna), Qt::Key_Return);
        QApplication::processEvents();
    }
};
} // namespace

// Each kind's field filters the keys and puts its text in shape on leaving.
TEST(Campos, TeclasFiltradasETextoAoSair)
{
    Tela t;
    struct Caso {
        const char* coluna;
        QString teclas, digitado, aoSair;
    };
    const Caso casos[] = {
        {"valor", "123,456", "123,45", "123,45"}, {"valor", "-a.1234,5", "1234,5", "1.234,50"}, {"valor", ",", "0,", "0,00"},
        {"texto", "D'Avila", "DAvila", "DAvila"}, {"decimal", "-1.5x", "-1,5", "-1,5"}, {"inteiro", "12a-3,4.5", "12-345", "12-345"},
        {"data", "0103201299", "01/03/2012", "01/03/2012"}, {"data", "1/2/12", "1/2/12", "01/02/2012"},
        {"cpf", "52998224725", "52998224725", "529.982.247-25"}, {"cnpj", "11222333000181", "11222333000181", "11.222.333/0001-81"},
        {"cep", "79002-000x", "79002-000", "79002-000"}, {"fone", "(67) 3314-0000a", "(67) 3314-0000", "(67) 3314-0000"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.teclas.toStdString());
        t.c(c.coluna)->clear();
        t.digita(c.coluna, c.teclas, false);
        EXPECT_EQ(t.c(c.coluna)->text(), c.digitado);
        QTest::keyClick(t.c(c.coluna), Qt::Key_Return);
        EXPECT_FALSE(t.c(c.coluna)->hasFocus()); // Enter goes to the next field
        EXPECT_EQ(t.c(c.coluna)->text(), c.aoSair);
    }
    EXPECT_TRUE(t.ui.mensagens.isEmpty());
    // A yes/no field is a box on a form and a list in a grid cell.
    EXPECT_TRUE(qobject_cast<QCheckBox*>(t.f.campo("sn")));
    EXPECT_TRUE(qobject_cast<QComboBox*>(NovoEditorCampo(campo("sn", TipoCampo::SimNao), nullptr, &t.f, true)));

    // Focus selects the whole text: typing replaces it; a comma over it starts from "0,".
    t.c("valor")->setText("1.234,50");
    t.digita("valor", "", false);
    EXPECT_EQ(t.c("valor")->selectedText(), "1.234,50");
    QTest::keyClick(t.c("valor"), ',');
    EXPECT_EQ(t.c("valor")->text(), "0,");
    // Money text that is no number becomes empty on leaving.
    t.c("valor")->setText("abc");
    QTest::keyClick(t.c("valor"), Qt::Key_Return);
    EXPECT_EQ(t.c("valor")->text(), "");
}

TEST(Campos, DataOuCpfInvalidosAvisamAoSair)
{
    Tela t;
    const QString hoje = QDate::currentDate().toString("dd/MM/yyyy");
    t.digita("data", "31022012");
    EXPECT_EQ(t.ui.ultimo(), "Data Inválida.");
    EXPECT_EQ(t.ui.mensagens.back().titulo, "Mensagem do Sistema");
    EXPECT_EQ(t.c("data")->text(), hoje);
    t.c("data")->clear();
    t.digita("data", "31121899");
    EXPECT_EQ(t.ui.ultimo(), "A Data não pode ser Antes de 1900.");
    EXPECT_EQ(t.c("data")->text(), hoje);
    t.digita("cnpj", "12345678900");
    EXPECT_EQ(t.ui.ultimo(), "O número de CPF é inválido.");
    EXPECT_EQ(t.ui.mensagens.size(), 3);
}

// What each kind shows and stores is teste_tipos_campo's; reading typed fields back and focusing
// the field refused are the configuration screen's. Here: the required mark and filling a form.
TEST(Formulario, MarcaObrigatoriosEPreenche)
{
    Tela t;
    EXPECT_EQ(qobject_cast<QLabel*>(t.f.grade()->labelForField(t.f.campo("texto")))->text(), "texto *:");
    t.f.preenche(QVariantHash{{"valor", 12345600}, {"data", "1970-03-05"}, {"sn", 1}});
    EXPECT_EQ(t.c("valor")->text() + ' ' + t.c("data")->text(), "1.234,56 05/03/1970");
    EXPECT_TRUE(qobject_cast<QCheckBox*>(t.f.campo("sn"))->isChecked());
    EXPECT_EQ(t.f.le().value("valor"), "12345600");
    EXPECT_FALSE(t.f.foca("nenhuma"));
}
