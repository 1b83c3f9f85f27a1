// The error raised while reading an update package (".Z").
#pragma once

#include <QString>

#include <stdexcept>

namespace vantor {

class PackageError : public std::runtime_error {
public:
    explicit PackageError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }

    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace vantor
