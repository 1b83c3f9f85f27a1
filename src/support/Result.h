// The one way our own functions report failure: a Result holds either the
// value or the Error that says why (a message for people). Nothing in our
// code throws; exceptions are caught where a library throws them.
//
//   Result<QByteArray> ReadAll(const QString& AFile);
//   const auto bytes = ReadAll(file);
//   if (!bytes)
//       return bytes.error();      // passes the failure on
//   use(*bytes);
//
// Results are [[nodiscard]]: ignoring one does not compile in the -Werror build.
#pragma once

#include "support/Error.h"

#include <optional>
#include <utility>
#include <variant>

namespace vantor {

// The failure of a Result, made from a message ("return Failure(...)").
inline Error Failure(const QString& AMessage, int ACode = 0)
{
    return Error(AMessage, ACode);
}

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T AValue) : state_(std::in_place_index<0>, std::move(AValue)) {}
    Result(Error AError) : state_(std::in_place_index<1>, std::move(AError)) {}

    bool ok() const { return state_.index() == 0; }
    bool has_value() const { return ok(); }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T valueOr(T AFallback) const { return ok() ? value() : std::move(AFallback); }

    // Only when !ok().
    const Error& error() const { return std::get<1>(state_); }
    const QString& message() const { return error().message(); }

private:
    std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error AError) : error_(std::move(AError)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }

    const Error& error() const { return *error_; }
    const QString& message() const { return error_->message(); }

private:
    std::optional<Error> error_;
};

// Success of a Result<void> ("return Ok();").
inline Result<void> Ok()
{
    return {};
}

} // namespace vantor
