#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class Banco;
struct Contexto;

// Rules of the users editor, the groups editor and the change-password dialog. Every refusal
// and question goes through the context's Interacao; a database failure is shown with
// MostraErro and the action reports that nothing was done, so the editor stays as it was.

struct Usuario {
    QString codigo;
    QString nome;
    QString username;
    QString codigoGrupo;
};

struct Grupo {
    QString codigo;
    QString descricao;
    QString permissoes;
};

// One row of tabPermissoes; numero is the number after the "P" of the code (P03 -> 3).
struct Permissao {
    QString codigo;
    QString descricao;
    int numero = 0;
};

// The lists the editors show, ordered by code. They throw ErroBanco on failure.
QList<Usuario> ListaUsuarios(const Banco& banco);
QList<Grupo> ListaGrupos(const Banco& banco);
QList<Permissao> ListaPermissoes(const Banco& banco);

// Ten blanks stand in the password box of an existing user, so the digest is never shown.
inline const QString SenhaOculta = QString(10, u' ');

// What the users editor holds when Save is pressed; an empty codigo is a new user.
struct DadosUsuario {
    QString codigo;
    QString nome;
    QString username;
    QString senha;
    QString codigoGrupo;
};

enum class CampoUsuario { Nenhum, Nome, Username, Senha, Grupo };

struct GravacaoUsuario {
    bool gravado = false;
    CampoUsuario campo = CampoUsuario::Nenhum;   // the field a refusal is about
    QString codigo;                              // the user's code once saved
};

// Checks in the editor's order, then inserts (next code, upper-case user name, digest of
// the password) or updates; "Informações registradas com sucesso." on success.
GravacaoUsuario GravaUsuario(Contexto& ctx, const DadosUsuario& dados);
// Asks "Deseja realmente excluir o registro <nome> ?" and deletes on Yes.
bool ExcluiUsuario(Contexto& ctx, const QString& codigo, const QString& nome);

enum class CampoSenha { Nenhum, Atual, Nova };

// The change-password dialog's checks; nothing is written (the users editor stores the new
// password when it saves). Returns the field to go back to, Nenhum when accepted.
CampoSenha ConfereAlteracaoSenha(Contexto& ctx, const QString& codigoUsuario, const QString& atual,
                                 const QString& nova, const QString& confirmacao);

// The predefined group that holds every permission; the editor never changes it.
inline const QString GrupoPredefinido = QStringLiteral("01");
inline const QString TextoPermissaoTotal = QStringLiteral("Permissão Total");
bool GrupoEditavel(const QString& codigo);

// "P01;P03;" -> {"P01", "P03"}: three characters taken every four.
QStringList CodigosDePermissao(const QString& permissoes);
// 3 -> "P03".
QString CodigoPermissao(int numero);
// The numbers of the selected entries, in list order -> "P01;P03;".
QString MontaPermissoes(const QList<int>& numeros);
// The numbers of the list entries a group's string selects. A code that tabPermissoes does
// not hold is reported ("O Cód. de Permissão ... não foi encontrado.") and skipped.
QList<int> PermissoesDoGrupo(Contexto& ctx, const Grupo& grupo, const QList<Permissao>& lista);

struct DadosGrupo {
    QString codigo;            // empty for a new group
    QString descricao;
    QList<int> selecionadas;   // numbers of the selected entries, in list order
};

enum class CampoGrupo { Nenhum, Descricao, Permissoes };

struct GravacaoGrupo {
    bool gravado = false;
    CampoGrupo campo = CampoGrupo::Nenhum;
    QString codigo;
};

GravacaoGrupo GravaGrupo(Contexto& ctx, const DadosGrupo& dados);
bool ExcluiGrupo(Contexto& ctx, const QString& codigo, const QString& descricao);

// Next code of a new group, "000" formatted. Codes are compared as numbers, and the group
// codes still carried by users count too, so a new group never takes the code of an
// existing group nor of a deleted one that users still point to.
QString ProximoCodigoGrupo(const Banco& banco);
QString ProximoCodigoUsuario(const Banco& banco);
