// vantor-size: the engine's sizing run from the command line on an
// installation's databases and pricelist, so that the maker checks data
// before a release and tests compare numbers.
#pragma once

#include "dev/core/UpsSolutions.h"

#include <QJsonObject>
#include <QStringList>

#include <optional>

namespace vantor::size {

struct SizeCommand {
    QString Installation;
    QString Catalogue;
    devengine::SizingRequest Request;
    bool DebugTrace = false; // DEBUG_MODE
};

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitBadData = 1;
inline constexpr int ExitUsage = 2;

// Nothing for a wrong command line or input that makes no sense (negative
// loads, a power factor outside 0..1, an autonomy beyond the tables' reach
// of 8 hours); AError then says what.
std::optional<SizeCommand> ParseSizeArguments(const QStringList& AArguments, QString& AError);

// Runs the sizing; nothing when the installation's data cannot be used
// (AError names what is missing or damaged).
std::optional<QJsonObject> RunSizing(const SizeCommand& ACommand, QString& AError);

QString SizeUsage();

} // namespace vantor::size
