// Hosts the selection engine: loads libEngine.so, initialises it with the
// settings, asks it for branding, starts its selectors, and uninitialises
// and unloads it. Knows nothing of windows: the shell hands over its
// container panel and callback, and turns failures into messages.
#pragma once

#include "common/uGlobals.h"
#include "engine/EngineApi.h"
#include "support/DynamicLibrary.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

namespace vantor {

struct TInstalledVersion;

inline constexpr const char* EngineLibraryName = "libEngine.so";

// The same for every branding variant: 0 initialises, 1 to 4 are the
// advanced, base, modular and runtime selectors.
inline constexpr std::array<const char*, 5> ENGINE_PROC_NAMES = {
    ENGINE_INITIALIZE_PROC, ENGINE_SELECTOR_ADVANCED_PROC, ENGINE_SELECTOR_BASE_PROC, ENGINE_SELECTOR_MODULAR_PROC,
    ENGINE_SELECTOR_RUNTIME_PROC};

// Appends Word to Options ("|" between words) when Flag is on.
void AddOption(bool Flag, const QString& Word, QString& Options);
// The option words of the flags that are on, in their fixed order.
[[nodiscard]] QString BuildEngineOptions(const TGlobalSetupData& settings);

// What the shell lends the engine for the whole run. The panel callback is
// either a plain function (CallBack) or, when that is unset, OnPanel, which
// the host calls from the function it hands the engine: the engine's callback
// carries no context, and one engine is loaded per process.
struct TEngineBinding {
    std::uintptr_t AppHandle = 0;
    void* ContainerPanel = nullptr;
    TEnginePanelCallback CallBack = nullptr;
    std::function<void(bool ShowWelcome, bool ShowContainer)> OnPanel;
};

class TEngineHost {
public:
    explicit TEngineHost(const QString& programFolder);
    ~TEngineHost();
    TEngineHost(const TEngineHost&) = delete;
    TEngineHost& operator=(const TEngineHost&) = delete;

    QStringList EngineProcNames;
    void LoadProcNames();

    // Loads the library from the program folder, else by plain name through
    // the system's library search. True when loaded (also when it already was).
    [[nodiscard]] bool LoadEngine();
    [[nodiscard]] bool IsEngineLoaded() const { return library_.IsLoaded(); }
    [[nodiscard]] bool IsEngineReady() const { return IsEngineLoaded() && EngineInitialized; }

    // Calls the initialisation export with the settings; the engine writes
    // its three versions into installed. True when the engine is ready.
    [[nodiscard]] bool InitializeEngine(const TGlobalSetupData& settings, const TEngineBinding& binding,
                                        TInstalledVersion& installed);
    void UninitializeEngine();
    [[nodiscard]] bool ReinitializeEngine(const TGlobalSetupData& settings, const TEngineBinding& binding,
                                          TInstalledVersion& installed);
    void UnloadEngine();

    // Calls a selector export when the engine is ready; a missing one does nothing.
    void ExecuteEngineProc(const QString& Name);

    // Asks the engine for its branding; whatever it hands back is copied into
    // AOemData and released, also when the call failed.
    [[nodiscard]] bool LoadOemData(TOemData& AOemData, bool InfoLogo);

    const QString& LastLoadError() const { return library_.LastError(); }

private:
    static void PanelCallback(std::int32_t ShowWelcome, std::int32_t ShowContainer);

    bool EngineInitialized = false;
    std::function<void(bool, bool)> onPanel_;
    QString programFolder_;
    platform::DynamicLibrary library_;
};

} // namespace vantor
