#pragma once
#include "core/Interacao.h"

#include <QPointer>
#include <QProgressDialog>

class QWidget;

// The desktop program's interaction: message boxes with the system's titles and texts, Yes/No
// questions, file dialogs, and the busy pointer.
class InteracaoQt : public Interacao {
public:
    explicit InteracaoQt(QWidget* pai = nullptr) : pai_(pai) {}
    void defineJanela(QWidget* pai) { pai_ = pai; }
    void mensagem(Icone icone, const QString& titulo, const QString& texto) override;
    using Interacao::pergunta;
    bool pergunta(const QString& titulo, const QString& texto, Padrao padrao) override;
    QString escolheArquivo(const QString& titulo, const QString& filtro, const QString& inicio, bool salvar) override;
    void cursorOcupado() override;
    void cursorNormal() override;
    void progressoInicia(const QString& texto, qint64 total) override;
    bool progressoAvanca(qint64 feito) override;
    void progressoTermina() override;

private:
    QWidget* pai_;
    QPointer<QProgressDialog> progresso_;
    qint64 escala_ = 1; // QProgressDialog counts in int
};
