#include "core/Interacao.h"

void Avisa(Interacao& ui, Interacao::Icone icone, const QString& titulo, const QString& texto)
{
    ui.cursorNormal();
    ui.mensagem(icone, titulo, texto);
}

void MostraAviso(Interacao& ui, const QString& texto)
{
    Avisa(ui, Interacao::Icone::Informacao, TituloMensagem, texto);
}

void MostraErro(Interacao& ui, const QString& texto, const Falha& falha)
{
    Avisa(ui, Interacao::Icone::Critico, TituloMensagem,
          texto + u'\r' + QStringLiteral("Origem.: ") + falha.origem + u'\r'
              + QStringLiteral("Número.: ") + QString::number(falha.numero) + u'\r'
              + QStringLiteral("Descrição.: ") + falha.descricao);
}

#include "core/Problema.h"

QString TextoProblema(const Problema& p)
{
    QString t = p.anexo;
    if (!p.item.isEmpty())
        t += QStringLiteral(" - ") + p.item;
    t += QStringLiteral(": ") + p.mensagem;
    if (!p.solucao.isEmpty())
        t += QStringLiteral(" (") + p.solucao + u')';
    return t;
}
