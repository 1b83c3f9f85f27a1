#include "dev/core/Rating.h"

#include <QRegularExpression>
#include <QStringList>

namespace vantor::devengine {

namespace {

double ParseNumber(QString text)
{
    const qsizetype separator = text.indexOf(QRegularExpression(QStringLiteral("[.,]")));
    if (separator >= 0) {
        const qsizetype digitsAfter = text.size() - separator - 1;
        if (digitsAfter == 3)
            text.remove(separator, 1);
        else
            text[separator] = u'.';
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0;
}

} // namespace

std::optional<Rating> ParseRating(const QString& description)
{
    // The number must not continue a range ("2-3 kVA") or a longer number.
    static const QRegularExpression pair(
        QStringLiteral(R"((?<![\d.,\-])(\d+(?:[.,]\d+)?)\s*(k?)VA\s*/\s*(\d+(?:[.,]\d+)?)\s*(k?)W(?![A-Za-z]))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pair.match(description);
    if (!match.hasMatch())
        return std::nullopt;
    Rating rating;
    rating.VoltAmperes = ParseNumber(match.captured(1)) * (match.captured(2).isEmpty() ? 1 : 1000);
    rating.Watts = ParseNumber(match.captured(3)) * (match.captured(4).isEmpty() ? 1 : 1000);
    if (rating.VoltAmperes <= 0 || rating.Watts <= 0)
        return std::nullopt;
    return rating;
}

QString FormatPower(double value, const QString& unit, const QLocale& locale)
{
    if (value >= 10000)
        return QStringLiteral("%1 k%2").arg(locale.toString(value / 1000, 'g', 4), unit);
    return QStringLiteral("%1 %2").arg(locale.toString(qRound64(value)), unit);
}

QString FormatRating(const Rating& rating, const QLocale& locale)
{
    return FormatPower(rating.VoltAmperes, QStringLiteral("VA"), locale) + QStringLiteral(" / ") +
           FormatPower(rating.Watts, QStringLiteral("W"), locale);
}

bool IsThreePhase(const QString& description)
{
    static const QStringList words = {
        QStringLiteral("three-phase"), QStringLiteral("three phase"), QStringLiteral("3-phase"),
        QStringLiteral("trifase"),     QStringLiteral("triphasé"),    QStringLiteral("triphase"),
        QStringLiteral("dreiphasig"),  QStringLiteral("drehstrom"),   QStringLiteral("trifásic"),
        QStringLiteral("trójfazow"),   QStringLiteral("трехфазн"),    QStringLiteral("трёхфазн"),
        QStringLiteral("háromfázis"),
    };
    for (const QString& word : words)
        if (description.contains(word, Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace vantor::devengine
