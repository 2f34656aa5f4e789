#pragma once
#include "core/Banco.h"
#include <QString>
#include <QStringList>
#include <vector>

// Builds the program's databases from the text kept under data/: the schema files
// (data/schema/config.sql, data/schema/orgao/*.sql in name order) and the reference rows
// (data/ref/config/*.csv, data/ref/orgao/*.csv, one file per table named after it).
namespace esquema {

enum class Tipo { Config, Orgao, Exportacao };

// Creates the file at `caminho` (which must not exist yet) with the structure of its kind
// and, for the body and configuration databases, the reference rows. Throws ErroBanco.
void CriaBanco(Tipo tipo, const QString& dirDados, const QString& caminho);
// Runs a text of several statements separated by ";" (quotes and "--" comments respected).
void ExecutaScript(const Banco& banco, const QString& script);
QStringList DivideComandos(const QString& script);
// Loads a CSV file (header row with column names, RFC 4180 quoting) into a table. An empty
// unquoted field is NULL. Returns the number of rows.
int CarregaCsv(const Banco& banco, const QString& tabela, const QString& caminhoCsv);
// Reads a CSV text into rows of fields.
std::vector<QStringList> LeCsv(const QString& texto, std::vector<std::vector<bool>>* vazioSemAspas = nullptr);

} // namespace esquema
