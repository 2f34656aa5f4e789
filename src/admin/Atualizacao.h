#pragma once
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class Interacao;
class QSettings;

// The check at start-up for a newer installer on the download server.
//
// The installed version and the download address are read from the installation's settings:
// on Windows the registry key HKEY_LOCAL_MACHINE\SOFTWARE\Vantor\Lumo 2012 (read only), written
// by the installer; elsewhere the ini file "versao.ini" in the program folder. The values are
// "Version" (the installed version; missing means no check) and "EnderecoDownload" (the
// download folder's address; missing means EnderecoDownloadPadrao, empty switches the check off).
// The local updater (menu entry and revision change) is IniciaAtualizador, in core/Inicio.h.

// The settings of the installation in the program folder, in the platform's place.
std::unique_ptr<QSettings> ConfiguracaoInstalacao(const QString& pastaPrograma);

// The installed version; nothing when the value is missing.
std::optional<QString> LeVersaoInstalada(const QSettings& configuracao);

QString EnderecoDownloadPadrao();
// The download folder's address, without a trailing "/"; empty when the check is switched off.
QString LeEnderecoDownload(const QSettings& configuracao);

enum class AposVerificacao { Continua, Encerra };

// Receives the installer's address for the browser to download it.
using AbreEndereco = std::function<void(const QString& endereco)>;

// Fetches download folder + "/version.txt" and, when it differs from the installed version,
// offers the installer. Any failure of the request (no network, an HTTP error, no answer
// within `limite`) is silent and start-up goes on. Encerra when the user accepted the
// download: the program must end.
AposVerificacao VerificaVersaoWeb(Interacao& ui, const QString& instalada, const QString& enderecoDownload,
                                  const AbreEndereco& abre,
                                  std::chrono::milliseconds limite = std::chrono::seconds(3));
