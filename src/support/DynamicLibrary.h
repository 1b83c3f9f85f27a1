// Loading a shared library at run time and looking up its exports by name.
#pragma once

#include <QString>

namespace vantor::platform {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Loads a library by path (with "/") or by plain name through the system's
    // library search. False, with LastError() set, when it cannot be loaded.
    [[nodiscard]] bool Load(const QString& fileName);
    void Unload();
    [[nodiscard]] bool IsLoaded() const { return handle_ != nullptr; }

    // The export of that name, looked up now; nullptr when missing.
    void* Symbol(const char* name) const;

    const QString& LastError() const { return lastError_; }

private:
    void* handle_ = nullptr;
    QString lastError_;
};

} // namespace vantor::platform
