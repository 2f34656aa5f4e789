#pragma once
#include <chrono>

class QNetworkReply;

// Waits for a network reply in a local event loop for at most `limite` (the whole exchange,
// name look-up included): the windows keep repainting meanwhile; with seguraEntrada the user's
// keys and clicks wait until the reply is in. A reply not finished in time is aborted; false
// then.
bool AguardaResposta(QNetworkReply& resposta, std::chrono::milliseconds limite, bool seguraEntrada = false);
