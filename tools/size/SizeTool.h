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
inline constexpr int ExitBadData = 1; // also when nothing fits
inline constexpr int ExitUsage = 2;

// Nothing for a wrong command line or input the screens would not take
// (loads above zero up to what the load field holds, a power factor from
// 0.3 to 1, an autonomy from 1 minute to a day, ...); AError then says what.
// What is not given is what the selector's screen starts with.
std::optional<SizeCommand> ParseSizeArguments(const QStringList& AArguments, QString& AError);

// Runs the sizing; nothing when the installation's data cannot be used
// (AError names what is missing or damaged) or nothing fits (AError is the
// reason the screen gives).
std::optional<QJsonObject> RunSizing(const SizeCommand& ACommand, QString& AError);

QString SizeUsage();

} // namespace vantor::size
