// The accessories and services a chosen UPS system takes: the maker's rules
// (the Accessories table of Data.vt4) matched against the system, and the
// catalogue's pricelist for what is offered and at what price.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Pricelist.h"
#include "dev/core/UpsSolutions.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantor::devengine {

// In the order the offers are listed.
enum class AccessoryKind { Communication, Mounting, Service, Warranty };

// "communication", "mounting", "service", "warranty" as the data stores
// them; none for any other word.
std::optional<AccessoryKind> AccessoryKindNamed(const QString& AName);
// The kind's heading on screen.
TextId AccessoryKindText(AccessoryKind AKind);

// One line of the maker's rules: Item suits the models matching one of the
// patterns, with that many output phases and a system rating in the range.
struct AccessoryRule {
    QString Item; // the pricelist code without its country suffix, "N SNM"
    AccessoryKind Kind = AccessoryKind::Communication;
    QStringList Models;           // codes with "*" for any characters and "?" for one
    int Phases = 0;               // output phases; 0: any
    std::optional<double> MinKVA; // of all units together, both bounds included; none: open
    std::optional<double> MaxKVA;

    bool Suits(const UpsModel& AModel, double ASystemVA) const;
};

struct AccessoryOffer {
    PriceItem Item; // as in the pricelist, with its country suffix
    AccessoryKind Kind = AccessoryKind::Communication;
};

// The rules of the Accessories table's rows; rows of a kind this engine does
// not know (newer data) are left out.
QList<AccessoryRule> AccessoryRulesFrom(const QList<QHash<QString, QString>>& ARows);

// The pricelist items that suit ASolution of AModel, each once, by kind and
// then product code. Items the pricelist does not list are left out; items
// it lists at price 0 are offered on request.
QList<AccessoryOffer> SuitableAccessories(const UpsModel& AModel, const Solution& ASolution,
                                          const QList<AccessoryRule>& ARules, const Pricelist& APricelist);

} // namespace vantor::devengine
