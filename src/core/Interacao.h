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
    virtual void mensagem(Icone icone, const QString& titulo, const QString& texto) = 0;
    // A Yes/No question; true for Yes.
    virtual bool pergunta(const QString& titulo, const QString& texto) = 0;
    // An empty result means the choice was abandoned.
    virtual QString escolheArquivo(const QString& titulo, const QString& filtro,
                                   const QString& inicio, bool salvar) = 0;
    // Long work shows the busy pointer; every message brings the arrow back first.
    virtual void cursorOcupado() {}
    virtual void cursorNormal() {}
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
