#include "ui/reports/Relatorio.h"
#include "core/Banco.h"
#include "core/Contexto.h"
#include "reports/Relatorios.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The cursor comes back whatever way the report ends.
struct CursorOcupado {
    Interacao& ui;
    explicit CursorOcupado(Interacao& i) : ui(i) { ui.cursorOcupado(); }
    ~CursorOcupado() { ui.cursorNormal(); }
};

} // namespace

bool MostraRelatorio(Contexto& ctx, const PedidoRelatorio& pedido, DestinoRelatorio destino, QWidget* pai, int copias,
                     const QString& arquivo)
{
    Interacao& ui = ctx.interacao();
    try {
        CursorOcupado cursor(ui);
        const DadosRelatorio dados = CarregaRelatorio(ctx.BancoOrgao, pedido);
        switch (destino) {
        case DestinoRelatorio::Tela: {
            QPrinter impressora(QPrinter::HighResolution);
            impressora.setDocName(dados.titulo());
            impressora.setPageOrientation(dados.layout.paisagem ? QPageLayout::Landscape : QPageLayout::Portrait);
            QPrintPreviewDialog previa(&impressora, pai);
            previa.setObjectName(QStringLiteral("frmVisualizaRelatorio"));
            previa.setWindowTitle(QStringLiteral("Visualizar Relatório - ") + dados.titulo());
            QObject::connect(&previa, &QPrintPreviewDialog::paintRequested, &previa,
                             [&dados](QPrinter* p) { DesenhaRelatorio(dados, *p); });
            previa.resize(1000, 720);
            ui.cursorNormal();
            previa.exec();
            break;
        }
        case DestinoRelatorio::Impressora: {
            if (QPrinterInfo::availablePrinters().isEmpty()) {
                ui.cursorNormal();
                MostraAviso(ui, QStringLiteral("Nenhuma impressora está instalada neste computador."));
                return false;
            }
            QPrinter impressora(QPrinter::HighResolution);
            impressora.setDocName(dados.titulo());
            impressora.setCopyCount(copias < 1 ? 1 : copias);
            DesenhaRelatorio(dados, impressora);
            break;
        }
        case DestinoRelatorio::Pdf:
            GravaPdf(dados, arquivo);
            break;
        case DestinoRelatorio::Xlsx:
            GravaXlsx(dados, arquivo);
            break;
        case DestinoRelatorio::Csv:
            GravaCsv(dados, arquivo);
            break;
        }
        return true;
    } catch (const ErroRelatorio& e) {
        MostraErro(ui, QStringLiteral("Erro ao emitir o relatório."), {QStringLiteral("Relatório"), 0, e.texto()});
    } catch (const ErroBanco& e) {
        MostraErro(ui, QStringLiteral("Erro ao emitir o relatório."), e.falha());
    }
    return false;
}
