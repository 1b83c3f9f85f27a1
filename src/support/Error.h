// The base of the project's own exceptions: a message for people, kept as
// QString so translated or file-name text survives; what() has it in UTF-8.
#pragma once

#include <QString>

#include <stdexcept>

namespace vantor {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace vantor
