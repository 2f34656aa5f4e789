// gerar --destino PASTA [--json], envios [--json]: the submission package and its history.
#include "Cli.h"
#include "core/Conversoes.h"
#include "core/Menu.h"
#include "submission/Pacote.h"
#include "submission/Criticas.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {
namespace {

// The permissions of the menu entry "Gerar Arquivo para o Vantor...".
const QStringList PermissoesGerar = {QStringLiteral("P03"), QStringLiteral("P04")};

// stdout carries only the result: the boxes the generation shows on the way go to stderr.
class InteracaoGerar : public Interacao {
public:
    explicit InteracaoGerar(Interacao& base) : base_(base) {}
    void mensagem(Icone icone, const QString& titulo, const QString& texto) override
    {
        if (icone == Icone::Informacao)
            EscreveErro(QString(texto).replace(u'\r', u'\n'));
        else
            base_.mensagem(icone, titulo, texto);
    }
    using Interacao::pergunta;
    bool pergunta(const QString& titulo, const QString& texto, Padrao padrao) override { return base_.pergunta(titulo, texto, padrao); }
    QString escolheArquivo(const QString& t, const QString& f, const QString& i, bool s) override { return base_.escolheArquivo(t, f, i, s); }
    void progressoInicia(const QString& texto, qint64 total) override { base_.progressoInicia(texto, total); }
    bool progressoAvanca(qint64 feito) override { return base_.progressoAvanca(feito); }
    void progressoTermina() override { base_.progressoTermina(); }

private:
    Interacao& base_;
};

QJsonArray resumoJson(const std::vector<LinhaResumo>& resumo)
{
    QJsonArray a;
    for (const LinhaResumo& l : resumo)
        a.append(QJsonObject{{"anexo", l.anexo}, {"valor", TextoSimplesResumo(l.valor)}});
    return a;
}

int gerar(Sessao& s)
{
    const QString pasta = PastaDeDestino(s);
    if (pasta.isEmpty())
        return ErroUso;
    if (int r = s.entraCom(PermissoesGerar); r != Ok)
        return r;
    InteracaoGerar interacao(s.ui);
    s.ctx.ui = &interacao;
    try {
        CalculaAnexosDoBimestre(s.ctx);
        if (s.ctx.BimReferencia.trimmed().isEmpty()) {
            EscreveErro(QStringLiteral("Não há bimestre aberto para gerar o arquivo."));
            return Recusado;
        }
        if (!VerificaOrgao(s.ctx))
            return Recusado;
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
    OuvintePacote ouvinte;
    ouvinte.situacao = [](const QString& t) { EscreveErro(t); };
    Problemas problemas;
    const ResultadoPacote r = CriticaEGera(s.ctx, pasta, problemas, ouvinte);
    if (!problemas.empty()) {
        if (s.opcoes.json) {
            QJsonArray lista;
            for (const Problema& p : problemas)
                lista.append(QJsonObject{{"id", p.verificacao}, {"anexo", p.anexo}, {"item", p.item}, {"mensagem", p.mensagem},
                                         {"solucao", p.solucao}, {"tabela", p.tabela}, {"registro", QJsonValue::fromVariant(p.linha)}});
            Escreve(QString::fromUtf8(QJsonDocument(QJsonObject{{"problemas", lista}}).toJson(QJsonDocument::Indented)));
        } else {
            for (const Problema& p : problemas)
                Escreve(p.anexo + u'\t' + p.item + p.mensagem + u'\t' + p.solucao);
        }
        EscreveErro(QStringLiteral("O arquivo não foi gerado: %1 problema(s) encontrado(s).").arg(problemas.size()));
        return Recusado;
    }
    if (!r.gerado)
        return ErroUso; // the box said what failed
    if (s.opcoes.json) {
        Escreve(QString::fromUtf8(QJsonDocument(QJsonObject{{"arquivo", QDir::toNativeSeparators(r.arquivo)},
                                                            {"tamanho", r.tamanho},
                                                            {"sha256", r.sha256},
                                                            {"periodo", s.ctx.BimReferencia},
                                                            {"resumo", resumoJson(r.resumo)}})
                                      .toJson(QJsonDocument::Indented)));
        return Ok;
    }
    Escreve(QStringLiteral("Arquivo: ") + QDir::toNativeSeparators(r.arquivo));
    Escreve(QStringLiteral("SHA-256: ") + r.sha256);
    for (const LinhaResumo& l : r.resumo)
        Escreve(l.anexo + u'\t' + TextoValorResumo(l.valor));
    return Ok;
}

int envios(Sessao& s)
{
    if (!s.opcoes.argumentos.isEmpty())
        return Uso(s, QStringLiteral("O comando envios não recebe argumentos."));
    if (int r = s.entraCom(PermissoesGerar); r != Ok)
        return r;
    try {
        const auto lista = ListaEnvios(s.ctx.BancoOrgao);
        if (s.opcoes.json) {
            QJsonArray a;
            for (const Envio& e : lista)
                a.append(QJsonObject{{"id", e.id}, {"data", e.dataHora}, {"periodo", e.periodo}, {"usuario", e.usuario},
                                     {"destino", e.destino}, {"tamanho", e.tamanho}, {"sha256", e.sha256},
                                     {"resumo", resumoJson(e.resumo)}});
            Escreve(QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Indented)));
            return Ok;
        }
        for (const Envio& e : lista)
            Escreve(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6")
                        .arg(e.dataHora, PeriodoFormatado(e.periodo), e.usuario, e.destino, QString::number(e.tamanho), e.sha256));
        return Ok;
    } catch (const ErroBanco& e) {
        return FalhaBanco(e);
    }
}

const Registro r1({QStringLiteral("gerar"), QStringLiteral("--orgao C --usuario U gerar --destino PASTA [--json]"), gerar});
const Registro r2({QStringLiteral("envios"), QStringLiteral("--orgao C --usuario U envios [--json]"), envios});

} // namespace
} // namespace cli
