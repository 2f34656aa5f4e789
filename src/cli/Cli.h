#pragma once
#include "core/Contexto.h"
#include "core/Interacao.h"

#include <QStringList>
#include <functional>

// lumo-cli: the rules of the program without windows. Exit statuses: 0 done, 1 refused by the
// system (a check or validation failed, a sign-in was not recognised), 2 bad usage or a
// file/database error.
namespace cli {

enum Saida { Ok = 0, Recusado = 1, ErroUso = 2 };

struct Opcoes {
    QString programa;       // --programa (default: the current folder)
    QString orgao;          // --orgao
    QString usuario;        // --usuario
    int resposta = 0;       // --sim: 1, --nao: -1, none: 0 (questions answered No)
    bool json = false;
    QString comando;
    QStringList argumentos; // after the command, options it does not know included
};

// Answers questions from --sim/--nao and prints every box: information on stdout, warnings
// and errors on stderr.
class InteracaoCli : public Interacao {
public:
    explicit InteracaoCli(int resposta) : resposta_(resposta) {}
    void mensagem(Icone icone, const QString& titulo, const QString& texto) override;
    using Interacao::pergunta;
    bool pergunta(const QString& titulo, const QString& texto, Padrao padrao) override;
    QString escolheArquivo(const QString& titulo, const QString& filtro, const QString& inicio, bool salvar) override;
    void progressoInicia(const QString& texto, qint64 total) override;
    bool progressoAvanca(qint64 feito) override;
    void progressoTermina() override;
    bool houveErro = false;
    bool houveFalha = false; // an error box (a database or file failure) was shown

private:
    int resposta_;
    QString textoProgresso_;
    qint64 totalProgresso_ = 0;
    int ultimoPercentual_ = -1;
};

struct Sessao {
    Opcoes opcoes;
    InteracaoCli ui;
    Contexto ctx;
    explicit Sessao(const Opcoes& o) : opcoes(o), ui(o.resposta) { ctx.ui = &ui; ctx.pastaPrograma = o.programa; }

    // Opens data.mdb (ErroUso when the folder is no program folder).
    int abreConfig();
    // Opens the body of --orgao (or the only configured one), loads its open period and signs
    // in with --usuario and LUMO_SENHA (or a password asked on the terminal).
    int entra();
    // The same, and then the permissions the screen asks, in order.
    int entraCom(const QStringList& permissoes);
};

struct Comando {
    QString nome;
    QString uso;
    std::function<int(Sessao&)> executa;
};

// Each command file registers its commands with a static Registro.
std::vector<Comando>& Comandos();
struct Registro {
    explicit Registro(Comando c) { Comandos().push_back(std::move(c)); }
};

// Prints to stdout / stderr in UTF-8.
void Escreve(const QString& texto);
void EscreveErro(const QString& texto);
// Usage error: prints the text and the command's usage; returns ErroUso.
int Uso(const Sessao& s, const QString& texto);
// The command's only option "--destino PASTA", an existing folder, as an absolute path; empty
// (the usage or the missing folder told) when it is not.
QString PastaDeDestino(const Sessao& s);
// Reports a database failure; returns ErroUso.
int FalhaBanco(const ErroBanco& e);
// Whether the file opens as a configuration database (data.mdb) with its body tables.
bool BancoDeConfiguracao(const QString& caminho);
// The template folder of the build next to this program.
QString PastaModelo();

} // namespace cli
