#include "ui/core/Campos.h"
#include "core/Conversoes.h"
#include "core/Documentos.h"


#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

CampoTexto::CampoTexto(QWidget* pai) : QLineEdit(pai) {}

void CampoTexto::defineComoEditorDeGrade()
{
    editorDeGrade_ = true;
    setFrame(false);
}

ResultadoTecla CampoTexto::filtra(QChar tecla) { return {BloqueiaAspas(tecla)}; }

EstadoCampo CampoTexto::estado() const
{
    EstadoCampo e{text(), cursorPosition(), cursorPosition(), 0};
    if (hasSelectedText()) {
        e.inicioSelecao = selectionStart();
        e.tamanhoSelecao = int(selectedText().size());
    }
    return e;
}

void CampoTexto::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !editorDeGrade_) {
        focusNextChild();
        e->accept();
        return;
    }
    const QString texto = e->text();
    const bool comando = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Editing and moving keys (backspace, delete, arrows, shortcuts) keep their usual effect.
    if (texto.isEmpty() || comando || texto[0].unicode() < 0x20 || texto[0].unicode() == tecla::Delete) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    for (const QChar c : texto) {
        const ResultadoTecla r = filtra(c);
        if (r.trocaTexto) {
            setText(r.novoTexto);
            setCursorPosition(r.novoCursor);
        }
        if (r.aceita())
            insert(QString(r.tecla));
    }
    e->accept();
}

void CampoTexto::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    // A click places the caret after the focus arrives; select once it has.
    if (!editorDeGrade_ && e->reason() != Qt::PopupFocusReason)
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                selectAll();
        });
}

void CampoTexto::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (editorDeGrade_ || normalizando_ || e->reason() == Qt::PopupFocusReason)
        return;
    // The date check may show a box, which takes the focus again.
    normalizando_ = true;
    normaliza();
    normalizando_ = false;
}

CampoValor::CampoValor(QWidget* pai, int decimais) : CampoTexto(pai), decimais_(decimais)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

ResultadoTecla CampoValor::filtra(QChar tecla) { return FiltraTeclaValor(tecla, estado(), decimais_); }

void CampoValor::normaliza() { setText(FormataValor(text())); }

Moeda CampoValor::valor() const { return ValorDeTexto(text()); }

void CampoValor::defineValor(Moeda v) { setText(v.formata()); }

CampoInteiro::CampoInteiro(QWidget* pai) : CampoTexto(pai) { setAlignment(Qt::AlignRight | Qt::AlignVCenter); }

ResultadoTecla CampoInteiro::filtra(QChar tecla) { return {FiltraTeclaInteiro(tecla)}; }

CampoDecimal::CampoDecimal(QWidget* pai) : CampoTexto(pai) { setAlignment(Qt::AlignRight | Qt::AlignVCenter); }

ResultadoTecla CampoDecimal::filtra(QChar tecla) { return {FiltraTeclaDecimal(tecla)}; }

CampoData::CampoData(Interacao* ui, QWidget* pai) : CampoTexto(pai), ui_(ui) { setMaxLength(10); }

ResultadoTecla CampoData::filtra(QChar tecla)
{
    ResultadoTecla r{FiltraTeclaDataCodigo(tecla)};
    // The slash completes itself only when typing at the end of a date typed in full
    // ("dd" or "dd/mm"); a short form such as "1/2/12" is left as the user types it.
    static const QRegularExpression completo(QStringLiteral(R"(^\d\d(/\d\d)?$)"));
    const EstadoCampo e = estado();
    if (r.aceita() && tecla != u'/' && e.tamanhoSelecao == 0 && e.cursor == e.texto.size()
        && completo.match(e.texto).hasMatch()) {
        const QString barra = CompletaBarraData(e.texto);
        if (!barra.isEmpty()) {
            r.trocaTexto = true;
            r.novoTexto = e.texto + barra;
            r.novoCursor = int(r.novoTexto.size());
        }
    }
    return r;
}

void CampoData::normaliza()
{
    if (ui_)
        setText(FormataData(*ui_, text()));
}

CampoDataCodigo::CampoDataCodigo(QWidget* pai) : CampoTexto(pai) {}

ResultadoTecla CampoDataCodigo::filtra(QChar tecla) { return {FiltraTeclaDataCodigo(tecla)}; }

CampoDocumento::CampoDocumento(Interacao* ui, TipoCampo tipo, QWidget* pai) : CampoDataCodigo(pai), ui_(ui), tipo_(tipo)
{
    setMaxLength(tipo == TipoCampo::Cpf ? 14 : 18);
}

void CampoDocumento::normaliza()
{
    const QString digitos = SomenteDigitos(text());
    const QString pontuado = FormataDocumento(digitos, true);
    if (!pontuado.isEmpty())
        setText(pontuado);
    if (ui_ && (tipo_ == TipoCampo::Cpf || (tipo_ == TipoCampo::CpfCnpj && digitos.size() == 11)))
        ConfereCPF(*ui_, text());
}

CampoTelefone::CampoTelefone(QWidget* pai) : CampoTexto(pai) {}

ResultadoTecla CampoTelefone::filtra(QChar tecla) { return {FiltraTeclaTelefone(tecla)}; }

CampoLista::CampoLista(const std::vector<OpcaoLista>& opcoes, bool vazia, QWidget* pai) : QComboBox(pai)
{
    if (vazia)
        addItem(QString(), QString());
    for (const OpcaoLista& o : opcoes)
        addItem(o.texto, o.valor);
}

namespace {
const std::vector<OpcaoLista>& opcoesSimNao()
{
    static const std::vector<OpcaoLista> o{{QStringLiteral("1"), QStringLiteral("Sim")}, {QStringLiteral("0"), QStringLiteral("Não")}};
    return o;
}
} // namespace

QWidget* NovoEditorCampo(const DefinicaoCampo& c, Interacao* ui, QWidget* pai, bool emGrade)
{
    QWidget* w = nullptr;
    CampoTexto* campo = nullptr;
    switch (c.tipo) {
    case TipoCampo::Texto:
    case TipoCampo::Codigo: campo = new CampoTexto(pai); break;
    case TipoCampo::Inteiro: campo = new CampoInteiro(pai); break;
    case TipoCampo::Valor:
    case TipoCampo::Percentual: campo = new CampoValor(pai, c.decimais); break;
    case TipoCampo::Decimal: campo = new CampoDecimal(pai); break;
    case TipoCampo::Data: campo = new CampoData(ui, pai); break;
    case TipoCampo::Cpf:
    case TipoCampo::Cnpj:
    case TipoCampo::CpfCnpj: campo = new CampoDocumento(ui, c.tipo, pai); break;
    case TipoCampo::Cep: campo = new CampoDataCodigo(pai); campo->setMaxLength(9); break;
    case TipoCampo::Periodo: campo = new CampoDataCodigo(pai); campo->setMaxLength(7); break;
    case TipoCampo::Telefone: campo = new CampoTelefone(pai); break;
    case TipoCampo::Lista: w = new CampoLista(c.opcoes, !c.obrigatorio, pai); break;
    case TipoCampo::SimNao:
        if (emGrade)
            w = new CampoLista(opcoesSimNao(), false, pai);
        else
            w = new QCheckBox(pai);
        break;
    }
    if (campo) {
        if (c.tamanho > 0 && c.tipo != TipoCampo::Data && c.tipo != TipoCampo::Cep)
            campo->setMaxLength(c.tamanho);
        if (emGrade)
            campo->defineComoEditorDeGrade();
        else if (c.tamanho > 0 && c.tamanho <= 20)
            campo->setMaximumWidth(c.tamanho <= 2 ? 48 : 180);
        w = campo;
    }
    w->setObjectName(QStringLiteral("txt") + c.coluna);
    return w;
}

QString TextoDoEditor(const QWidget* editor)
{
    if (auto* l = qobject_cast<const QLineEdit*>(editor))
        return l->text();
    if (auto* c = qobject_cast<const QComboBox*>(editor))
        return c->currentText();
    if (auto* b = qobject_cast<const QCheckBox*>(editor))
        return b->isChecked() ? QStringLiteral("Sim") : QStringLiteral("Não");
    return {};
}

void DefineTextoDoEditor(QWidget* editor, const QString& texto)
{
    if (auto* l = qobject_cast<QLineEdit*>(editor))
        l->setText(texto);
    else if (auto* c = qobject_cast<QComboBox*>(editor))
        c->setCurrentIndex(std::max(0, c->findText(texto)));
    else if (auto* b = qobject_cast<QCheckBox*>(editor))
        b->setChecked(texto == QStringLiteral("Sim"));
}

void PadraoGrade(QTableView* grade)
{
    // Without Arial the style hint picks the machine's sans-serif.
    QFont fonte(QStringLiteral("Arial"), grade->font().pointSize());
    fonte.setStyleHint(QFont::SansSerif);
    grade->setFont(fonte);
    grade->horizontalHeader()->setFont(fonte);
    grade->verticalHeader()->setFont(fonte);
    grade->horizontalHeader()->setVisible(true);
    grade->horizontalHeader()->setHighlightSections(false);
    grade->horizontalHeader()->setStretchLastSection(false);
    grade->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grade->setCornerButtonEnabled(false);
    grade->setWordWrap(false);
    grade->setShowGrid(true);
    grade->setFrameShape(QFrame::StyledPanel);
    const int altura = QFontMetrics(fonte).height() + 8;
    grade->verticalHeader()->setMinimumSectionSize(altura);
    grade->verticalHeader()->setDefaultSectionSize(altura);
    grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

CampoTexto* NovoCampoTexto(QWidget* pai, const QString& nome, int tamanho)
{
    auto* c = new CampoTexto(pai);
    c->setObjectName(nome);
    c->setMaxLength(tamanho);
    return c;
}

QPushButton* NovoBotao(QWidget* pai, const QString& nome, const QString& texto)
{
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    return b;
}

QTableWidget* NovaGradeLista(QWidget* pai, const QStringList& cabecalhos, int elastica)
{
    auto* grade = new QTableWidget(0, int(cabecalhos.size()), pai);
    grade->setObjectName(QStringLiteral("Grid"));
    grade->setHorizontalHeaderLabels(cabecalhos);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->verticalHeader()->hide();
    grade->verticalHeader()->setDefaultSectionSize(grade->fontMetrics().height() + 8);
    for (int c = 0; c < grade->columnCount(); ++c)
        grade->horizontalHeader()->setSectionResizeMode(c, c == elastica ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    grade->setTabKeyNavigation(false);
    return grade;
}

int PreencheGradeLista(QTableWidget* grade, const QList<QStringList>& linhas, const QString& codigo)
{
    const QSignalBlocker bloqueio(grade);
    grade->clearContents();
    grade->setRowCount(int(linhas.size()));
    int escolhida = -1;
    for (int i = 0; i < linhas.size(); ++i) {
        for (int c = 0; c < linhas[i].size() && c < grade->columnCount(); ++c)
            grade->setItem(i, c, new QTableWidgetItem(linhas[i][c]));
        if (escolhida < 0 && !codigo.isEmpty() && linhas[i].value(0) == codigo)
            escolhida = i;
    }
    grade->setCurrentCell(escolhida, 0);
    return escolhida;
}

QDialogButtonBox* BotoesConsulta(QDialog* consulta, const std::function<void()>& confirma)
{
    auto* botoes = new QDialogButtonBox(consulta);
    QPushButton* ok = botoes->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    QPushButton* fechar = botoes->addButton(QStringLiteral("&Fechar"), QDialogButtonBox::RejectRole);
    fechar->setObjectName(QStringLiteral("cmdFechar"));
    QObject::connect(ok, &QPushButton::clicked, consulta, confirma);
    QObject::connect(fechar, &QPushButton::clicked, consulta, &QDialog::reject);
    return botoes;
}

BotoesEditor NovosBotoesEditor(QWidget* tela)
{
    BotoesEditor b{NovoBotao(tela, QStringLiteral("cmdNovo"), QStringLiteral("N&ovo")),
                   NovoBotao(tela, QStringLiteral("cmdGravar"), QStringLiteral("G&ravar")),
                   NovoBotao(tela, QStringLiteral("cmdExcluir"), QStringLiteral("&Excluir")),
                   NovoBotao(tela, QStringLiteral("cmdFechar"), QStringLiteral("&Fechar")), new QHBoxLayout};
    for (QPushButton* botao : {b.novo, b.gravar, b.excluir})
        b.linha->addWidget(botao);
    b.linha->addStretch();
    b.linha->addWidget(b.fechar);
    return b;
}

void FechaTela(QWidget* tela)
{
    for (QWidget* w = tela->parentWidget(); w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            sub->close();
            return;
        }
    tela->close();
}

bool EnterAvancaCampo(QWidget* tela, QKeyEvent* evento)
{
    if (evento->key() != Qt::Key_Return && evento->key() != Qt::Key_Enter)
        return false;
    // The screen handles a Tab as it always does: the next field of its focus chain.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(tela, &tab);
    return true;
}
