#pragma once
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// Exact money: a count of ten-thousandths (four decimal places), stored as INTEGER in the
// databases so that sums in SQL stay exact. Shown "#,##0.00" with Brazilian separators.
class Moeda {
public:
    static constexpr std::int64_t Escala = 10000;

    constexpr Moeda() = default;
    static constexpr Moeda deDecimos(std::int64_t decimosMilesimos) { Moeda m; m.v_ = decimosMilesimos; return m; }
    static constexpr Moeda deReais(std::int64_t reais) { return deDecimos(reais * Escala); }

    // Reads Brazilian text ("1.234,50", "-10", "0,5"): points are thousand separators, one
    // comma starts the decimals; a sign may lead or trail. More than four decimals are
    // rounded half away from zero. Anything else is not a number.
    static std::optional<Moeda> deTexto(const QString& texto);

    constexpr std::int64_t decimos() const { return v_; }
    // "#,##0.00": rounded half away from zero to cents.
    QString formata() const;
    // Plain form for files and SQL literals: "-1234.5000".
    QString paraTextoSimples() const;

    constexpr Moeda operator+(Moeda o) const { return deDecimos(v_ + o.v_); }
    constexpr Moeda operator-(Moeda o) const { return deDecimos(v_ - o.v_); }
    constexpr Moeda operator-() const { return deDecimos(-v_); }
    Moeda& operator+=(Moeda o) { v_ += o.v_; return *this; }
    Moeda& operator-=(Moeda o) { v_ -= o.v_; return *this; }
    constexpr auto operator<=>(const Moeda&) const = default;
    constexpr bool ehZero() const { return v_ == 0; }

private:
    std::int64_t v_ = 0;
};
