// relatorio --anexo "Anexo 14 (Pagamentos)" [--periodo BB/AAAA] [--sintetico] (--pdf F | --xlsx F | --csv F)
// relatorio --listar
// The printed reports of the report menu, made into files.
#include "Cli.h"
#include "core/Conversoes.h"
#include "core/Menu.h"
#include "reports/Relatorios.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>

namespace cli {
namespace {

int lista(Sessao& s)
{
    QString tipoMenu;
    {
        QSqlQuery q = s.ctx.BancoOrgao.executa(QStringLiteral("SELECT TipoMenu FROM tabOrgaos WHERE Codigo = ?"), {s.ctx.CodigoOrgao});
        if (q.next())
            tipoMenu = q.value(0).toString();
    }
    for (const EntradaRelatorio& e : EntradasRelatorio()) {
        const QString arquivo = ArquivoDaEntrada(e, s.ctx.CodigoOrgao, tipoMenu);
        const bool existe = QFileInfo::exists(CaminhoRelatorio(s.ctx, arquivo));
        Escreve(e.nome + u'\t' + arquivo + (existe ? QString() : QStringLiteral("\t(layout ainda não disponível)")));
    }
    return Ok;
}

int relatorio(Sessao& s)
{
    QString anexo, periodo, arquivo;
    DestinoRelatorio destino = DestinoRelatorio::Tela;
    bool listar = false, sintetico = false;
    int saidas = 0;
    const QStringList& a = s.opcoes.argumentos;
    for (qsizetype i = 0; i < a.size(); ++i) {
        auto valor = [&](QString& v) {
            if (i + 1 >= a.size())
                return false;
            v = a[++i];
            return true;
        };
        bool ok = true;
        if (a[i] == QStringLiteral("--anexo"))
            ok = valor(anexo);
        else if (a[i] == QStringLiteral("--periodo"))
            ok = valor(periodo);
        else if (a[i] == QStringLiteral("--pdf") || a[i] == QStringLiteral("--xlsx") || a[i] == QStringLiteral("--csv")) {
            destino = a[i] == QStringLiteral("--pdf") ? DestinoRelatorio::Pdf
                    : a[i] == QStringLiteral("--xlsx") ? DestinoRelatorio::Xlsx : DestinoRelatorio::Csv;
            ++saidas;
            ok = valor(arquivo);
        } else if (a[i] == QStringLiteral("--listar"))
            listar = true;
        else if (a[i] == QStringLiteral("--sintetico"))
            sintetico = true;
        else
            return Uso(s, QStringLiteral("Opção desconhecida: ") + a[i]);
        if (!ok)
            return Uso(s, QStringLiteral("A opção ") + a[i] + QStringLiteral(" precisa de um valor."));
    }
    const EntradaRelatorio* e = nullptr;
    if (!listar) {
        if (anexo.isEmpty())
            return Uso(s, QStringLiteral("Informe o relatório com --anexo, como no menu Relatórios (veja relatorio --listar)."));
        e = EntradaDeNome(anexo);
        if (!e)
            return Uso(s, QStringLiteral("Relatório desconhecido: \"%1\" (veja relatorio --listar).").arg(anexo));
        if (saidas != 1)
            return Uso(s, QStringLiteral("Informe um só destino: --pdf ARQUIVO, --xlsx ARQUIVO ou --csv ARQUIVO."));
        if (!periodo.isEmpty() && !QRegularExpression(QStringLiteral("^\\d{2}/\\d{4}$")).match(periodo).hasMatch())
            return Uso(s, QStringLiteral("O período deve ter a forma BB/AAAA, como 03/2012."));
    }
    if (int r = s.entraCom({QStringLiteral("P05")}); r != Ok)
        return r;
    try {
        if (listar)
            return lista(s);
        CalculaAnexosDoBimestre(s.ctx);
        const QString chave = periodo.isEmpty() ? s.ctx.BimReferencia : PeriodoDeTela(periodo.left(2) + periodo.mid(3));
        const PedidoRelatorio pedido = PedidoDaEntrada(s.ctx, *e, chave, sintetico);
        const QString caminho = QDir(QDir::currentPath()).absoluteFilePath(arquivo);
        const int linhas = GravaRelatorio(s.ctx.BancoOrgao, pedido, destino, caminho);
        EscreveErro(QStringLiteral("Relatório \"%1\" de %2 gravado em %3 (%4 registros).")
                        .arg(e->nome, PeriodoFormatado(chave), QDir::toNativeSeparators(caminho))
                        .arg(linhas));
        return Ok;
    } catch (const ErroRelatorio& x) {
        EscreveErro(x.texto());
        return ErroUso;
    } catch (const ErroBanco& x) {
        return FalhaBanco(x);
    }
}

const Registro r({QStringLiteral("relatorio"),
                  QStringLiteral("--orgao C --usuario U relatorio (--listar | --anexo \"Anexo 14 (Pagamentos)\" [--periodo BB/AAAA] "
                                 "[--sintetico] (--pdf F | --xlsx F | --csv F))"),
                  relatorio});

} // namespace
} // namespace cli
