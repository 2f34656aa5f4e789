#pragma once
#include <QString>
#include <QStringList>

// Where an error came from, as the error box shows it: "Origem.: ", "Número.: ", "Descrição.: ".
struct Falha {
    QString origem;
    int numero = 0;
    QString descricao;
};

// Every message, question and file choice of the rules goes through this interface: the
// desktop program shows message boxes, the CLI answers from its flags, tests from a script.
class Interacao {
public:
    enum class Icone { Informacao, Aviso, Critico, Pergunta };

    virtual ~Interacao() = default;
    // The button Enter presses: destructive questions (removing, replacing) default to No.
    enum class Padrao { Sim, Nao };

    virtual void mensagem(Icone icone, const QString& titulo, const QString& texto) = 0;
    // A Yes/No question; true for Yes.
    virtual bool pergunta(const QString& titulo, const QString& texto, Padrao padrao) = 0;
    bool pergunta(const QString& titulo, const QString& texto) { return pergunta(titulo, texto, Padrao::Sim); }
    // An empty result means the choice was abandoned.
    virtual QString escolheArquivo(const QString& titulo, const QString& filtro,
                                   const QString& inicio, bool salvar) = 0;
    // Long work shows the busy pointer; every message brings the arrow back first.
    virtual void cursorOcupado() {}
    virtual void cursorNormal() {}

    // Long work (the package, imports, copies, reports) reports its progress: a progress
    // dialog with Cancelar on screen, a line on the CLI's stderr. Use through Progresso.
    virtual void progressoInicia(const QString& /*texto*/, qint64 /*total*/) {}
    // False when the user asked to cancel.
    virtual bool progressoAvanca(qint64 /*feito*/) { return true; }
    virtual void progressoTermina() {}
};

// One piece of long work: shows its progress while it lives. avanca() tells whether the user
// asked to stop; the work then undoes what it started (its Transacao rolls back).
class Progresso {
public:
    Progresso(Interacao& ui, const QString& texto, qint64 total) : ui_(ui) { ui_.progressoInicia(texto, total); }
    ~Progresso() { ui_.progressoTermina(); }
    Progresso(const Progresso&) = delete;
    Progresso& operator=(const Progresso&) = delete;
    bool avanca(qint64 feito)
    {
        if (!cancelado_ && !ui_.progressoAvanca(feito))
            cancelado_ = true;
        return !cancelado_;
    }
    bool cancelado() const { return cancelado_; }

private:
    Interacao& ui_;
    bool cancelado_ = false;
};

inline const QString TituloMensagem = QStringLiteral("Mensagem do Sistema");
inline const QString TituloPrograma = QStringLiteral("Lumo Coleta 2012");
inline const QString AnoExercicio = QStringLiteral("2012");

// Information box titled "Mensagem do Sistema".
void MostraAviso(Interacao& ui, const QString& texto);
// Critical box with the text followed by the source, number and description of the failure.
void MostraErro(Interacao& ui, const QString& texto, const Falha& falha);
// A box of the given kind and title, after bringing the arrow pointer back.
void Avisa(Interacao& ui, Interacao::Icone icone, const QString& titulo, const QString& texto);
