// What a failed Result carries (support/Result.h): a message for people,
// kept as QString so translated or file-name text survives; what() has it in
// UTF-8.
#pragma once

#include <QString>

#include <stdexcept>

namespace vantor {

// A failure: the message for people, and a code for the few callers that
// must tell kinds of failure apart (0 unless the failing function says).
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString()), message_(message), code_(code)
    {}

    const QString& message() const { return message_; }
    int code() const { return code_; }

private:
    QString message_;
    int code_ = 0;
};

} // namespace vantor
