#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include "core/TiposCampo.h"

#include <array>
#include <optional>
#include <vector>

struct Contexto;
class Interacao;

// The body's registration data and its three responsible persons of the open period, as the
// configuration screen edits them. Each tab is described by a form definition; the screen
// builds its fields from it and the rules read and write the same columns.

using CampoFicha = DefinicaoCampo;

struct Ficha {
    QString tabela;
    QString aba;                  // tab caption
    QString faltaObrigatorio;     // refusal when a required field is empty
    std::vector<CampoFicha> campos;
};

// The body's own data (tabChave) and the responsible persons in tab order: information,
// filling in, accounts.
const Ficha& FichaOrgao();
enum IndiceResponsavel { RespInformacao = 0, RespPreenchimento = 1, RespContabilidade = 2 };
const std::array<Ficha, 3>& FichasResponsaveis();
// "cpf,nome,..." in the form's order.
QString ColunasDaFicha(const Ficha& f);

// Values as the database keeps them: documents and CEP as digits, dates "yyyy-MM-dd".
using Valores = QHash<QString, QString>;

struct Comprovante {
    QString caminho;
    QByteArray conteudo;
    bool escolhido = false;       // chosen in this visit: its bytes are stored on saving
};

struct Configuracao {
    QString periodo;              // the open period, "201203"
    QString codigoOrgao;
    QString descricao;
    Valores orgao;
    std::array<Valores, 3> responsaveis;
    bool backup = true;
    bool integradoSet = false;
    bool temPreenchimento = false;   // the person responsible for filling in is saved for the period
    Comprovante rreo, rgf;
    bool primeiraConfiguracao = false; // never saved: the body's CNPJ is still empty
};

// "Configuração do Sistema 3º Bimestre".
QString TituloConfiguracao(const QString& periodo);
inline const QString AvisoComprovanteSemPreenchimento = QStringLiteral(
    " Para informar RREO e ou RGF o Resp. pelo preenchimento tem que ter sido informado, se você acabou de fazer isso "
    "feche a tela e entre novamente.");

// Opens the configuration: applies the first-opening defaults (key row "7.0", first period of
// the exercise open) and reads the body and the persons of the open period. Throws ErroBanco.
Configuracao LeConfiguracao(Contexto& ctx);

// The body's configuration was never saved (its CNPJ is still empty): the main window opens the
// configuration screen right after the sign-in.
bool ConfiguracaoPendente(const Contexto& ctx);

// The first fault in the order the screen checks them: the tab (0 body, 1-3 persons), the
// column to focus and the text that follows "Impossível gravar: ".
struct RecusaGravacao {
    int aba = 0;
    QString coluna;
    QString texto;
};
std::optional<RecusaGravacao> ValidaConfiguracao(const Configuracao& cfg);

enum class Gravacao { Recusada, Gravada, Falhou };
// Validates (showing the refusal), saves the key row, the three persons of the open period
// with the proof files, the IntegradoSet flag, and tells the outcome. After the first saving of
// the only body of the machine it offers the import of the previous exercise; `importar` is
// set when the user accepted.
Gravacao GravaConfiguracao(Contexto& ctx, Configuracao& cfg, bool* importar = nullptr);

// Closing the screen. A body configured for the first time whose data does not validate is
// either kept open (the user goes on typing) or removed with its folder's files.
enum class Fechamento { Fecha, Continua, OrgaoExcluido };
Fechamento FechaConfiguracao(Contexto& ctx, const Configuracao& cfg);
// Removes the active body: closes its database, deletes its folder's files and its OrgaosCad row.
bool ExcluiOrgao(Contexto& ctx);

// Proof files of publication: the RREO proof of the proof screen is a PDF; the configuration
// screen and the RGF proof take doc, pdf, jpg and jpeg.
inline const QStringList ExtensoesSoPdf{QStringLiteral("pdf")};
inline const QStringList ExtensoesComprovante{QStringLiteral("doc"), QStringLiteral("pdf"), QStringLiteral("jpg"),
                                              QStringLiteral("jpeg")};
// Reads a chosen file; a wrong extension or an empty file is refused with its message.
std::optional<Comprovante> LeComprovante(Interacao& ui, const QString& caminho, const QStringList& extensoes);

// The proof screen: paths stored for the open period and their saving.
struct Comprovantes {
    QString periodo;
    Comprovante rreo, rgf;
};
Comprovantes LeComprovantes(Contexto& ctx);
bool GravaComprovantes(Contexto& ctx, const Comprovantes& c);

// Imports the body data and the responsible persons from a database of the previous program
// version, chosen by the user. `codigoNaTela` is the body code of the screen. True when the
// body data was imported.
bool ImportaConfiguracaoAnterior(Contexto& ctx, const QString& codigoNaTela);
