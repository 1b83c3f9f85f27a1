// The library's exports, as the host calls them. Nothing may escape across
// the C boundary: every failure becomes a result (or nothing, for the calls
// without one).
#include "dev/EngineSession.h"
#include "engine/EngineApi.h"

#include <type_traits>

using vantor::devengine::EngineSession;
using vantor::devengine::SelectorKind;

namespace {

constexpr int32_t EngineFailure = -1;

void OpenSelector(SelectorKind kind) noexcept
{
    try {
        EngineSession::Instance().OpenSelector(kind);
    } catch (...) {
    }
}

} // namespace

extern "C" {

ENGINE_EXPORT int32_t InitializeForMaronel(const TEngineInitData* InitData, TInfoVersion* Engine, TInfoVersion* DbMain,
                                           TInfoVersion* DbDevices)
{
    if (InitData == nullptr)
        return vantor::devengine::EngineInitNoRecord;
    try {
        return EngineSession::Instance().Initialize(*InitData, Engine, DbMain, DbDevices);
    } catch (...) {
        return EngineFailure;
    }
}

ENGINE_EXPORT void UninitializeLibrary(void)
{
    try {
        EngineSession::Instance().Uninitialize();
    } catch (...) {
    }
}

ENGINE_EXPORT int32_t GetOemData(TOemData* OemData, int32_t InfoLogo)
{
    if (OemData == nullptr)
        return EngineFailure;
    try {
        return EngineSession::Instance().FillOemData(*OemData, InfoLogo != 0);
    } catch (...) {
        return EngineFailure;
    }
}

ENGINE_EXPORT void UpsSelectorA_MaronelStandalone(void)
{
    OpenSelector(SelectorKind::Advanced);
}

ENGINE_EXPORT void UpsSelectorB_MaronelStandalone(void)
{
    OpenSelector(SelectorKind::Base);
}

ENGINE_EXPORT void UpsSelectorM_MaronelStandalone(void)
{
    OpenSelector(SelectorKind::Modular);
}

ENGINE_EXPORT void UpsSelectorR_MaronelStandalone(void)
{
    OpenSelector(SelectorKind::Runtime);
}

} // extern "C"

// The exports have exactly the types the host calls them through.
static_assert(std::is_same_v<decltype(&InitializeForMaronel), TInitializeForMaronelProc>);
static_assert(std::is_same_v<decltype(&UninitializeLibrary), TUninitializeLibraryProc>);
static_assert(std::is_same_v<decltype(&GetOemData), TGetOemDataProc>);
static_assert(std::is_same_v<decltype(&UpsSelectorA_MaronelStandalone), TUpsSelectorProc>);
static_assert(std::is_same_v<decltype(&UpsSelectorB_MaronelStandalone), TUpsSelectorProc>);
static_assert(std::is_same_v<decltype(&UpsSelectorM_MaronelStandalone), TUpsSelectorProc>);
static_assert(std::is_same_v<decltype(&UpsSelectorR_MaronelStandalone), TUpsSelectorProc>);
