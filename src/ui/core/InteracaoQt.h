#pragma once
#include "core/Interacao.h"

class QWidget;

// The desktop program's interaction: message boxes with the system's titles and texts, Yes/No
// questions, file dialogs, and the busy pointer.
class InteracaoQt : public Interacao {
public:
    explicit InteracaoQt(QWidget* pai = nullptr) : pai_(pai) {}
    void defineJanela(QWidget* pai) { pai_ = pai; }
    void mensagem(Icone icone, const QString& titulo, const QString& texto) override;
    bool pergunta(const QString& titulo, const QString& texto) override;
    QString escolheArquivo(const QString& titulo, const QString& filtro, const QString& inicio, bool salvar) override;
    void cursorOcupado() override;
    void cursorNormal() override;

private:
    QWidget* pai_;
};
