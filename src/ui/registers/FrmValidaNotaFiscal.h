#pragma once
#include <QWidget>
#include <memory>

class CampoTexto;
class CampoValor;
class QLabel;
class QLineEdit;
class ValidadorNotaFiscal;
struct Contexto;

// "Validar código autenticador da nota fiscal": one invoice checked by hand with the same
// validator the payments of Anexo XIV use.
class FrmValidaNotaFiscal : public QWidget {
    Q_OBJECT
public:
    explicit FrmValidaNotaFiscal(Contexto& ctx, QWidget* pai = nullptr);
    ~FrmValidaNotaFiscal() override;

public Q_SLOTS:
    void valida();
    void limpa();

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void escondeResultado();

    Contexto& ctx_;
    std::unique_ptr<ValidadorNotaFiscal> validador_;
    CampoTexto* numero_;
    CampoTexto* serie_;
    QLineEdit* emissao_;
    CampoValor* valor_;
    CampoTexto* cnpj_;
    CampoTexto* codigo_;
    QLabel* certo_;
    QLabel* errado_;
    QLabel* detalhe_;
};
