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
