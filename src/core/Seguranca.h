#pragma once
#include <QString>
#include <optional>

struct Contexto;

// Password digest kept in tabUsuarios.Senha. Each character weighs (9 - position) times its
// Windows-1252 code; the digest is made of pairs of the square root's decimals. A password
// whose weighted sum is negative has no digest.
std::optional<QString> CodificaSenha(const QString& senha);
// The Windows-1252 byte of a character ('?' when it has none) and back.
int CodigoCp1252(QChar c);
QChar CaractereCp1252(int codigo);

// True when the group's permission text grants the code ("P00;" grants everything).
bool TemPermissao(const QString& codigo, const QString& permissoes);
// Checks the signed-in user's group; a refusal shows "Acesso Negado" (no message when the
// user has no group row).
bool VerificaPermissao(Contexto& ctx, const QString& codigo);

enum class ResultadoLogin { Aceito, FaltaUsuario, FaltaSenha, NaoReconhecido, Falhou };
// The login screen's confirmation: shows the refusals; only an accepted sign-in sets UsuarioAtual.
ResultadoLogin Identifica(Contexto& ctx, const QString& usuario, const QString& senha);
