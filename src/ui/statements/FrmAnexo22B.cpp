#include "ui/statements/FrmAnexo22B.h"
#include "core/Banco.h"
#include "core/Interacao.h"
#include "ui/core/Campos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

FrmAnexo22B::FrmAnexo22B(Contexto& ctx, QWidget* pai) : QWidget(pai), ctx_(ctx)
{
    setObjectName(QStringLiteral("FrmAnexo22B"));
    setWindowTitle(TituloAnexo22B);
    try {
        linhas_ = PreencheAnexo22B(ctx_);
    } catch (const ErroBanco& e) {
        MostraErro(ctx_.interacao(), QStringLiteral("Não foi possível ler os demonstrativos do bimestre."), e.falha());
        linhas_.assign(LinhasAnexo22B, {});
        for (int i = 0; i < LinhasAnexo22B; ++i)
            linhas_[size_t(i)].campo = i + 1;
    }

    auto* grade = new QGridLayout;
    grade->setColumnStretch(0, 1);
    auto cabecalho = [grade](int linha, int coluna, const QString& texto) {
        auto* r = new QLabel(texto);
        r->setWordWrap(true);
        r->setAlignment(Qt::AlignCenter);
        QFont f = r->font();
        f.setBold(true);
        r->setFont(f);
        grade->addWidget(r, linha, coluna);
    };
    cabecalho(0, 0, QStringLiteral("Demonstrativo"));
    cabecalho(0, 1, QStringLiteral("Valor"));
    cabecalho(0, 2, QStringLiteral("% sobre a RCL / Limite"));
    int r = 1;
    for (const LinhaAnexo22B& l : linhas_) {
        if (l.campo == LinhasAnexo22B) {
            cabecalho(r, 1, QStringLiteral("RESTOS A PAGAR NÃO PROCESSADOS"));
            cabecalho(r, 2, LegendaDisponibilidade22B);
            ++r;
        }
        auto* rotulo = new QLabel(l.descricao);
        rotulo->setWordWrap(true);
        grade->addWidget(rotulo, r, 0);
        auto campo = [&](const QString& nome, const QString& texto) {
            auto* c = new QLineEdit(texto);
            c->setObjectName(nome + QString::number(l.campo));
            c->setReadOnly(true);
            c->setAlignment(Qt::AlignRight);
            c->setMinimumWidth(170);
            c->setFocusPolicy(Qt::TabFocus);
            return c;
        };
        txta_.push_back(campo(QStringLiteral("txta"), l.valor));
        txtb_.push_back(campo(QStringLiteral("txtb"), l.limite));
        grade->addWidget(txta_.back(), r, 1);
        grade->addWidget(txtb_.back(), r, 2);
        rotulo->setBuddy(txta_.back());
        ++r;
    }
    grade->setRowStretch(r, 1);

    auto* corpo = new QWidget;
    corpo->setLayout(grade);
    auto* rolagem = new QScrollArea;
    rolagem->setWidgetResizable(true);
    rolagem->setWidget(corpo);

    QPushButton* gravar = NovoBotao(this, QStringLiteral("cmdgravar"), QStringLiteral("G&ravar"));
    QPushButton* fechar = NovoBotao(this, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar"));
    gravar->setEnabled(!ctx_.BimReferencia.isEmpty());
    connect(gravar, &QPushButton::clicked, this, &FrmAnexo22B::grava);
    connect(fechar, &QPushButton::clicked, this, [this] { FechaTela(this); });
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(gravar);
    botoes->addStretch();
    botoes->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rolagem);
    layout->addLayout(botoes);
    resize(980, 640);
}

bool FrmAnexo22B::grava()
{
    // What is stored is what the fields show.
    for (size_t i = 0; i < linhas_.size(); ++i) {
        linhas_[i].valor = txta_[i]->text();
        linhas_[i].limite = txtb_[i]->text();
    }
    return GravaAnexo22B(ctx_, linhas_);
}
