#pragma once
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class Grade;
class QWidget;
struct Contexto;

// The pickers the grids open from a cell (F4): each lists something, lets the user filter and
// choose, and hands back the cells of the row to fill, by field name, as typed text. A picker
// is registered under the id that the grid's column names (ColunaGrade::seletor).
using ResultadoSeletor = std::vector<std::pair<QString, QString>>;
// linha is -1 for the new row. Nothing when the user closed the picker without a choice.
using FabricaSeletor = std::function<std::optional<ResultadoSeletor>(Contexto&, const Grade&, int linha, QWidget* pai)>;

void RegistraSeletor(const QString& id, FabricaSeletor fabrica);
const FabricaSeletor* SeletorDeId(const QString& id);

// The picker registered under `id`, filling cells of other names: a field it hands back under
// the first name of a pair goes to the cell named by the second (the Anexo I pickers on the
// cells of a register).
FabricaSeletor ComOutrosCampos(const QString& id, std::vector<std::pair<QString, QString>> nomes);
