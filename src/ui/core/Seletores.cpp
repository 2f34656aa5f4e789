#include "ui/core/Seletores.h"

#include <QHash>

namespace {
QHash<QString, FabricaSeletor>& registro()
{
    static QHash<QString, FabricaSeletor> r;
    return r;
}
} // namespace

void RegistraSeletor(const QString& id, FabricaSeletor fabrica) { registro().insert(id, std::move(fabrica)); }

const FabricaSeletor* SeletorDeId(const QString& id)
{
    const auto it = registro().constFind(id);
    return it == registro().constEnd() ? nullptr : &it.value();
}

FabricaSeletor ComOutrosCampos(const QString& id, std::vector<std::pair<QString, QString>> nomes)
{
    return [id, nomes = std::move(nomes)](Contexto& ctx, const Grade& g, int linha, QWidget* pai) -> std::optional<ResultadoSeletor> {
        const FabricaSeletor* original = SeletorDeId(id);
        if (!original)
            return std::nullopt;
        std::optional<ResultadoSeletor> r = (*original)(ctx, g, linha, pai);
        if (r)
            for (auto& [campo, texto] : *r)
                for (const auto& [de, para] : nomes)
                    if (campo == de)
                        campo = para;
        return r;
    };
}
