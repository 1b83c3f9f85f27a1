#include "support/DynamicLibrary.h"

#include <QFile>

#include <dlfcn.h>

namespace vantor::platform {

DynamicLibrary::~DynamicLibrary()
{
    Unload();
}

bool DynamicLibrary::Load(const QString& fileName)
{
    Unload();
    // RTLD_LOCAL: an engine's symbols must not leak into the program or into
    // another engine loaded later.
    handle_ = ::dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* error = ::dlerror();
        lastError_ = error != nullptr ? QString::fromLocal8Bit(error) : QStringLiteral("cannot load %1").arg(fileName);
        return false;
    }
    lastError_.clear();
    return true;
}

void DynamicLibrary::Unload()
{
    if (handle_ != nullptr) {
        ::dlclose(handle_);
        handle_ = nullptr;
    }
}

void* DynamicLibrary::Symbol(const char* name) const
{
    if (handle_ == nullptr || name == nullptr)
        return nullptr;
    return ::dlsym(handle_, name);
}

} // namespace vantor::platform
