#include "dev/core/Accessories.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace vantor::devengine {

namespace {

constexpr std::array<std::pair<AccessoryKind, const char*>, 4> KindNames{{
    {AccessoryKind::Communication, "communication"},
    {AccessoryKind::Mounting, "mounting"},
    {AccessoryKind::Service, "service"},
    {AccessoryKind::Warranty, "warranty"},
}};

// The tolerance of the range bounds: ratings are stored in VA, bounds in kVA.
constexpr double BoundSlackKVA = 1e-6;

std::optional<double> BoundFrom(const QString& AText)
{
    bool ok = false;
    const double value = AText.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<AccessoryKind> AccessoryKindNamed(const QString& AName)
{
    for (const auto& [kind, name] : KindNames) {
        if (AName == QLatin1String(name))
            return kind;
    }
    return std::nullopt;
}

TextId AccessoryKindText(AccessoryKind AKind)
{
    switch (AKind) {
    case AccessoryKind::Communication:
        return TextId::AccessoryCommunication;
    case AccessoryKind::Mounting:
        return TextId::AccessoryMounting;
    case AccessoryKind::Service:
        return TextId::AccessoryService;
    case AccessoryKind::Warranty:
        break;
    }
    return TextId::AccessoryWarranty;
}

bool AccessoryRule::Suits(const UpsModel& AModel, double ASystemVA) const
{
    if (Phases != 0 && Phases != AModel.OutputPhases)
        return false;
    const double kva = ASystemVA / 1000;
    if ((MinKVA && kva < *MinKVA - BoundSlackKVA) || (MaxKVA && kva > *MaxKVA + BoundSlackKVA))
        return false;
    return std::any_of(Models.begin(), Models.end(), [&](const QString& APattern) {
        return QRegularExpression(QRegularExpression::wildcardToRegularExpression(APattern))
            .match(AModel.Code)
            .hasMatch();
    });
}

QList<AccessoryRule> AccessoryRulesFrom(const QList<QHash<QString, QString>>& ARows)
{
    QList<AccessoryRule> rules;
    for (const auto& row : ARows) {
        const std::optional<AccessoryKind> kind = AccessoryKindNamed(row.value(QStringLiteral("Kind")));
        if (!kind)
            continue;
        AccessoryRule rule;
        rule.Item = row.value(QStringLiteral("Item"));
        rule.Kind = *kind;
        rule.Models = row.value(QStringLiteral("Models")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        rule.Phases = row.value(QStringLiteral("Phases")).toInt();
        rule.MinKVA = BoundFrom(row.value(QStringLiteral("MinKVA")));
        rule.MaxKVA = BoundFrom(row.value(QStringLiteral("MaxKVA")));
        rules.append(rule);
    }
    return rules;
}

QList<AccessoryOffer> SuitableAccessories(const UpsModel& AModel, const Solution& ASolution,
                                          const QList<AccessoryRule>& ARules, const Pricelist& APricelist)
{
    QHash<QString, const PriceItem*> listed;
    for (const QList<PriceItem>* items : {&APricelist.Items, &APricelist.OnRequest}) {
        for (const PriceItem& item : *items)
            listed.insert(ModelCode(item.ProductCode), &item);
    }
    QList<AccessoryOffer> offers;
    QSet<QString> offered; // an item may suit through several rules
    for (const AccessoryRule& rule : ARules) {
        if (offered.contains(rule.Item) || !rule.Suits(AModel, ASolution.SystemVA))
            continue;
        if (const PriceItem* item = listed.value(rule.Item)) {
            offers.append({*item, rule.Kind});
            offered.insert(rule.Item);
        }
    }
    std::sort(offers.begin(), offers.end(), [](const AccessoryOffer& A, const AccessoryOffer& B) {
        return std::tie(A.Kind, A.Item.ProductCode) < std::tie(B.Kind, B.Item.ProductCode);
    });
    return offers;
}

} // namespace vantor::devengine
