#pragma once
#include "reports/Motor.h"

class QWidget;
struct Contexto;

// Shows or prints a report: the preview window (Tela), the printer with its copies
// (Impressora), or a file (Pdf, Xlsx, Csv at `arquivo`). Reports a layout or database failure
// with MostraErro and returns false; the cursor is back to normal on return. The problems window
// and the generation screen call it with PedidoProblemas / PedidoResumo (reports/Relatorios.h).
bool MostraRelatorio(Contexto& ctx, const PedidoRelatorio& pedido, DestinoRelatorio destino, QWidget* pai = nullptr,
                     int copias = 1, const QString& arquivo = {});
