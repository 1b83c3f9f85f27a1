#include "dev/core/HandOver.h"

#include <cstdlib>
#include <cstring>

namespace vantor::devengine {

namespace {

void DestroyStream(TEngineStream* self)
{
    std::free(self);
}

} // namespace

TEngineString NewEngineString(const QString& text)
{
    return EngineStringAlloc(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<uint32_t>(text.size()));
}

TEngineStream* NewEngineStream(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return nullptr;
    // The bytes follow the record in the same block, so one free releases both.
    void* block = std::malloc(sizeof(TEngineStream) + static_cast<size_t>(bytes.size()));
    if (block == nullptr)
        return nullptr;
    auto* stream = static_cast<TEngineStream*>(block);
    auto* data = reinterpret_cast<uint8_t*>(stream + 1);
    std::memcpy(data, bytes.constData(), static_cast<size_t>(bytes.size()));
    stream->Bytes = data;
    stream->Size = static_cast<uint64_t>(bytes.size());
    stream->Position = 0;
    stream->Destroy = &DestroyStream;
    return stream;
}

} // namespace vantor::devengine
