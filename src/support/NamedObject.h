// A per-user named object that marks a program as running. It is a lock file
// in the user's runtime folder held with a shared lock: any number of
// holders may have it at once, and the lock goes with the process, also when
// it ends abnormally.
#pragma once

#include <QString>

namespace vantor::platform {

class NamedObject {
public:
    NamedObject() = default;
    ~NamedObject();
    NamedObject(const NamedObject&) = delete;
    NamedObject& operator=(const NamedObject&) = delete;

    // Creates the object or opens the existing one; never refuses a second holder.
    [[nodiscard]] bool Open(const QString& name);
    void Close();
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }

    // Where the object of that name lives for the current user.
    static QString PathFor(const QString& name);
    // True while any process holds the object of that name.
    static bool IsHeld(const QString& name);

private:
    int fd_ = -1;
};

} // namespace vantor::platform
