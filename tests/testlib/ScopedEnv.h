// Sets an environment variable for the life of the object and restores it.
#pragma once

#include <QByteArray>
#include <QString>

namespace vantor::test {

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), saved_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv()
    {
        if (wasSet_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    QByteArray saved_;
    bool wasSet_;
};

} // namespace vantor::test
