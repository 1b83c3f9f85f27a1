// Results in tests: a result the test needs fails the test with its message,
// and a failure of the catalogue sources is taken apart into file, line and
// text again.
#pragma once

#include "support/Result.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace vantor::test {

// Records a failure carrying the result's message.
inline void ExpectOk(const Result<void>& AResult)
{
    if (!AResult)
        ADD_FAILURE() << AResult.message().toStdString();
}

// The value, or a default one after recording the failure.
template <typename T>
T ValueOf(Result<T> AResult)
{
    if (!AResult) {
        ADD_FAILURE() << AResult.message().toStdString();
        return T{};
    }
    return std::move(AResult).value();
}

// A failure read as "file:line: text" (line from its code) or "file: text".
struct SourceFault {
    QString File;
    int Line = 0;
    QString Text;
    QString Message;
};

inline SourceFault SourceFaultOf(const Error& AError)
{
    const QString marker = AError.code() > 0 ? QStringLiteral(":%1: ").arg(AError.code()) : QStringLiteral(": ");
    const qsizetype at = AError.message().indexOf(marker);
    if (at < 0)
        return {{}, AError.code(), AError.message(), AError.message()};
    return {AError.message().left(at), AError.code(), AError.message().mid(at + marker.size()), AError.message()};
}

template <typename T>
std::optional<SourceFault> SourceFaultOf(const Result<T>& AResult)
{
    if (AResult)
        return std::nullopt;
    return SourceFaultOf(AResult.error());
}

} // namespace vantor::test
