#pragma once
#include "budget/Classificacao.h"
#include "core/Grade.h"

// Anexo XIII: the body's procurement acts as four registers in a strict hierarchy, edited on the
// tabs of one editor: bidding processes (and acts of waiver or non-requirement), the firms or
// persons that took part in a process with the items each won, the contracts signed with a
// participant, and the amendments of a contract. The process number is what commitments
// (Anexo XIV) and contracted works (Anexo XXIII) name.
//
// Every rule shows its own text: a cell's rule when the cell is left (a refused cell is
// emptied), the row's checks in their order when the row is stored, the deletion's refusals
// before its question. A parent with children is never deleted.

DefinicaoGrade DefinicaoLicitacoes();
// The participants of the selected process (in its period, or up to it with the box ticked).
DefinicaoGrade DefinicaoParticipantes();
// The contracts of the selected participant, and the amendments of the selected contract, of
// every period.
DefinicaoGrade DefinicaoContratos();
DefinicaoGrade DefinicaoAditivos();

inline const QString LegendaLicitacoesAnteriores = QStringLiteral("Selecionar Licitações de Bimestres Anteriores");
// Told by the contract and amendment tabs when no stored process is selected.
inline const QString MensagemSemProcessoLicitacao
    = QStringLiteral("Selecione um Processo de Licitação ou Salve os dados da Licitação que estava sendo digitada.");

// The modality that requires the receipt number (electronic auction).
inline const QString ModalidadeComRecibo = QStringLiteral("13");
// A code cell shows "code-description" (typed) or "code - description" (listed) and stores
// its first two characters.
QString CodigoDaCelula(const QString& celula);

// The pickers the code cells open (F4): the general look-up of the modalities, and of the legal
// bases of processes ("13A") and of amendments ("13B").
inline const QString SeletorModalidade = QStringLiteral("anexo13.modalidade");
inline const QString SeletorBaseLegalProcesso = QStringLiteral("anexo13.baselegal.processo");
inline const QString SeletorBaseLegalAditivo = QStringLiteral("anexo13.baselegal.aditivo");

// The bidding-process look-up of the commitments (Anexo XIV) and of the contracted works: the
// processes up to the open period, filtered by object and by number, by period and number.
// The chosen number goes into the caller's "ProcessoLicitacao".
inline const QString SeletorProcessoLicitacao = QStringLiteral("processo.licitacao");
DefinicaoLista ListaProcessosLicitacao();
