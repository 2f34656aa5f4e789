#pragma once
#include "core/Interacao.h"

#include <QList>
#include <QStringList>

// The scripted interaction of the tests: records every box and question, answers the
// questions and file choices from queues (a question with nothing queued is answered No).
class InteracaoRoteiro : public Interacao {
public:
    struct Registro {
        Icone icone;
        QString titulo;
        QString texto;
    };

    void mensagem(Icone icone, const QString& titulo, const QString& texto) override;
    using Interacao::pergunta;
    bool pergunta(const QString& titulo, const QString& texto, Padrao padrao) override;
    QString escolheArquivo(const QString& titulo, const QString& filtro, const QString& inicio, bool salvar) override;

    QList<Registro> mensagens;
    QList<Registro> perguntas;
    QList<bool> respostas;
    QStringList arquivos;
    QStringList inicios, filtros;   // where each file choice started, and its filter
    QList<Padrao> padroes;          // the default button of each question asked

    // The texts of every box shown, in order.
    QStringList textos() const;
    QString ultimo() const { return mensagens.isEmpty() ? QString() : mensagens.back().texto; }
    void limpa() { mensagens.clear(); perguntas.clear(); }
};
