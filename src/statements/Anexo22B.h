#pragma once
#include "core/Contexto.h"
#include "statements/Tabela.h"

#include <QString>
#include <vector>

// Anexo 22B, the simplified fiscal-management statement: thirteen lines of two texts read from
// Anexos 03, 15, 16, 17, 18 and 20 of the open period, with the legal limits of the kind of
// body. Nothing is typed; saving stores the texts as shown.

inline const QString TituloAnexo22B = QStringLiteral("Anexo 22B - Demonstrativo Simplificado do Relatório de Gestão Fiscal (antigo Demonstrativo dos Limites)");
inline const QString LegendaDisponibilidade22B = QStringLiteral("DISPONIBILIDADE DE CAIXA LÍQUIDA (ANTES DA INSCRIÇÃO EM R P ") + QStringLiteral("2012") + u')';
inline const int LinhasAnexo22B = 13;

struct LinhaAnexo22B {
    int campo = 0;
    QString descricao;
    QString valor;  // first field (txta)
    QString limite; // second field (txtb)
};

// The kind of body: its code and the TipoMenu of its row in tabOrgaos.
struct TipoOrgao22B {
    QString codigo;
    QString tipoMenu;
};

// The column index of Anexos 16 and 17 for the open bimester: 1 for the kinds "A", "F" and
// "B"; for every other kind the half-year of the bimester (1 for bimesters 1 to 3, 2 for 4 to 6).
int IndiceQuadrimestre22B(const QString& tipoMenu, const QString& periodo);

struct LimitesPessoal22B {
    QString maximo;
    QString prudencial;
};
// First matching rule: the municipal executive ("P..."), then by TipoMenu and code.
LimitesPessoal22B LimitesPessoal(const TipoOrgao22B& orgao);
// The consolidated-debt limit (line 6).
QString LimiteDivida22B(const TipoOrgao22B& orgao);

// The kind of the open body. Throws ErroBanco.
TipoOrgao22B TipoDoOrgao(const Contexto& ctx);
// The thirteen lines as they are shown, read afresh from the source statements. Throws ErroBanco.
std::vector<LinhaAnexo22B> PreencheAnexo22B(const Contexto& ctx);
// Replaces the period's rows by the lines, in one transaction; "Valores gravados com sucesso!".
// False when the database failed (reported).
bool GravaAnexo22B(Contexto& ctx, const std::vector<LinhaAnexo22B>& linhas);
// The statement as the screen shows it after filling (for lumo-cli). Throws ErroBanco.
TabelaDemonstrativo TabelaAnexo22B(Contexto& ctx);
