#include "comum/InteracaoRoteiro.h"

void InteracaoRoteiro::mensagem(Icone icone, const QString& titulo, const QString& texto)
{
    mensagens.append({icone, titulo, texto});
}

bool InteracaoRoteiro::pergunta(const QString& titulo, const QString& texto, Padrao padrao)
{
    perguntas.append({Icone::Pergunta, titulo, texto});
    padroes.append(padrao);
    return respostas.isEmpty() ? false : respostas.takeFirst();
}

QString InteracaoRoteiro::escolheArquivo(const QString&, const QString& filtro, const QString& inicio, bool)
{
    inicios << inicio;
    filtros << filtro;
    return arquivos.isEmpty() ? QString() : arquivos.takeFirst();
}

QStringList InteracaoRoteiro::textos() const
{
    QStringList r;
    for (const auto& m : mensagens)
        r << m.texto;
    return r;
}
