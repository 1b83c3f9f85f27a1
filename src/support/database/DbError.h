// Failures of the embedded database engine, raised as errors with a message.
#pragma once

#include <QString>

#include <stdexcept>

namespace vantor::db {

class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

} // namespace vantor::db
