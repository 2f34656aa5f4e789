#pragma once
#include "core/Moeda.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The formula of a computed statement line, as its catalogue writes it: lines in brackets,
// constants, + - * / and parentheses. "[2]+[3]" is a total, "[1]-[8]" a difference,
// "[21]/[22]*100" a percentage. Values are money (ten-thousandths): sums and differences are
// exact; a product or quotient is rounded half away from zero to the ten-thousandth, and a
// division by zero gives 0 (a statement with nothing typed shows 0,00 %).
struct Formula {
    // Reads the text; nothing when it is not a formula (the reason in `erro`).
    static std::optional<Formula> le(const QString& texto, QString* erro = nullptr);
    // The value, asking each line's value of `linha`.
    Moeda calcula(const std::function<Moeda(int linha)>& linha) const;
    // The lines it reads.
    QList<int> linhas() const;

    QString texto;
    struct No; // the parsed expression

private:
    std::shared_ptr<const No> raiz_;
};
