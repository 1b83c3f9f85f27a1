// The power rating of a product, read from its description. The catalogues
// write a UPS's rating as apparent over active power, "1000 VA / 900 W" or
// "10 kVA / 10 kW"; accessories ("battery cabinet for 2-3 kVA UPS") carry no
// such pair and have no rating.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace vantor::devengine {

struct Rating {
    double VoltAmperes = 0;
    double Watts = 0;
};

// The first "<number> [k]VA / <number> [k]W" in the text; nullopt when there
// is none or a number is zero. Numbers may carry a decimal point or comma
// ("1,5 kVA"); a separator followed by exactly three digits groups thousands
// ("10,000 VA").
std::optional<Rating> ParseRating(const QString& description);

// "1000 VA / 900 W", or in kVA/kW from 10 kVA on.
QString FormatRating(const Rating& rating, const QLocale& locale);
// One power value: "900 W", "1.5 kW" (unit "W" or "VA").
QString FormatPower(double value, const QString& unit, const QLocale& locale);

// Whether a description names a three-phase product, in the catalogues'
// languages.
bool IsThreePhase(const QString& description);

} // namespace vantor::devengine
