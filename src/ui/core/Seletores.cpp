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
