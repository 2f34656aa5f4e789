#pragma once
#include "core/Contexto.h"
#include "core/Moeda.h"
#include "statements/Tabela.h"

#include <QString>
#include <array>
#include <vector>

// Anexo 03, the current net revenue (RCL) month by month over the twelve months that end with
// the last month of the open bimester. Values are kept by month, not by period
// (`tabAnexo03Movimento`: campo, anomes "MMAAAA", valor), so a month typed in one bimester is
// seen again, one column further left, in the next ones. Besides the months each line keeps its
// twelve-month total as of the bimester ("TOT" + bimester) and the same twelve months of the
// previous exercise ("PA" + bimester, typed per line).
//
// The body types its revenue and deduction lines; a group line (`grupo`) is the sum of the typed
// lines whose code begins with its own, and line "3" (the RCL) is line "1" minus line "2". Every
// typed cell is stored at once, with the group lines, line "3" and the totals it changes, in one
// transaction.

inline constexpr int MesesAnexo03 = 12;
inline const QString TituloAnexo03 = QStringLiteral("Anexo 03 - Demonstr. da Receita Corrente Líquida");
inline const QString CampoRcl = QStringLiteral("3");
inline const QString TituloColunaLinhasAnexo03 = QStringLiteral("Especificação");
inline const QString TituloTotalAnexo03 = QStringLiteral("Total (Últ. 12 meses)");
inline const QString TituloPAAnexo03 = QStringLiteral("PA");

// One month of the window: the key of its rows ("042012") and its caption ("04/2012").
struct MesAnexo03 {
    QString chave;
    QString titulo;
};

// `Preenche_Cabecalho_Meses_Anteriores`: the twelve months of the open period's window, oldest
// first; the last one is month 2 x bimester of the period's year. Empty for a text that is no
// period.
std::vector<MesAnexo03> JanelaAnexo03(const QString& periodo);

struct LinhaAnexo03 {
    QString campo;
    QString descricao;
    bool grupo = false;
    std::array<Moeda, MesesAnexo03> meses{};
    Moeda total; // "TOT" + bimester
    Moeda pa;    // "PA" + bimester
    // Worked out by the rules, never typed: the group lines and the RCL.
    bool calculada() const { return grupo || campo == CampoRcl; }
};

class Anexo03 {
public:
    explicit Anexo03(Contexto& ctx);

    // Opening: the window, the body's lines (sphere "EM" and its own) with their values, then
    // every line's total rewritten as the sum of its twelve months, in one transaction.
    // Throws ErroBanco; on a failure nothing was written and the lines stay as they were.
    void carrega();
    // The same, reporting a failure with MostraErro; false then.
    bool abre();

    const std::vector<MesAnexo03>& meses() const { return meses_; }
    const std::vector<LinhaAnexo03>& linhas() const { return linhas_; }
    // The two digits of the open bimester ("03"); empty without an open period.
    const QString& bimestre() const { return bimestre_; }
    // Month `mes` (0 = oldest) can be typed: every month in bimester 01, otherwise only the two
    // months of the open bimester (the last two).
    bool mesDigitavel(int mes) const;
    // The line takes typed values (not a group, not the RCL).
    bool linhaDigitavel(int linha) const;
    int linhaDoCampo(const QString& campo) const;

    // A typed month of a typed line: the line's row for that month, every group line's and line
    // "3"'s, then the totals of the lines changed, in one transaction. False (reported with
    // MostraErro, nothing written, the lines as before) on a database failure; false without a
    // message for a cell that is not typed.
    bool gravaMes(int linha, int mes, Moeda valor);
    // The PA value of a typed line, with the groups' and line "3"'s PA, the same way.
    bool gravaPA(int linha, Moeda valor);

private:
    // Applies one typed value to a copy of the lines, works out the groups and the RCL of that
    // value's column (a month 0..11, or -1 for PA) and the totals, and stores what changed.
    bool grava(int linha, int mes, Moeda valor);

    Contexto& ctx_;
    std::vector<MesAnexo03> meses_;
    std::vector<LinhaAnexo03> linhas_;
    QString bimestre_;
};

// The statement as the editor shows it after opening (totals rewritten): "Especificação", the
// twelve months, "Total (Últ. 12 meses)" and "PA", money as "1.234,56". Throws ErroBanco.
TabelaDemonstrativo TabelaAnexo03(Contexto& ctx);
