// A failure of vantor-pack that ends the run with a message.
#pragma once

#include <QString>

#include <stdexcept>

namespace vantor::pack {

class PackError : public std::runtime_error {
public:
    explicit PackError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace vantor::pack
