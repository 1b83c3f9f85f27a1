// The built engine library, loaded and called the way the shell does it:
// dlopen by path, exports looked up by name, an initialisation record whose
// texts live only as long as the test keeps them, and a panel callback that
// records what the engine asks for.
#pragma once

#include "engine/EngineApi.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

#include <ostream>
#include <string>
#include <vector>

// Comparison and printing for the test assertions; they must be found where
// the record's type lives.
inline bool operator==(const TInfoVersion& a, const TInfoVersion& b)
{
    return a.wMajor == b.wMajor && a.wMinor == b.wMinor && a.wRelease == b.wRelease && a.wBuild == b.wBuild;
}

inline void PrintTo(const TInfoVersion& v, std::ostream* os)
{
    *os << v.wMajor << '.' << v.wMinor << '.' << v.wRelease << '.' << v.wBuild;
}

namespace vantor::test {

inline constexpr TInfoVersion ProjectVersion{VANTOR_VERSION_MAJOR, VANTOR_VERSION_MINOR, VANTOR_VERSION_PATCH,
                                             VANTOR_VERSION_TWEAK};

class LoadedEngine {
public:
    // The built engine, or the library at path.
    explicit LoadedEngine(const char* path = VANTOR_ENGINE_LIBRARY);
    // Uninitialises the engine and unloads it.
    ~LoadedEngine();
    LoadedEngine(const LoadedEngine&) = delete;
    LoadedEngine& operator=(const LoadedEngine&) = delete;

    bool IsLoaded() const { return handle_ != nullptr; }
    void* Symbol(const char* name) const;
    // Uninitialise and dlclose now (the destructor then does nothing).
    void Unload();

    TInitializeForMaronelProc Initialize = nullptr;
    TUninitializeLibraryProc Uninitialize = nullptr;
    TGetOemDataProc GetOemData = nullptr;
    TUpsSelectorProc SelectorAdvanced = nullptr;
    TUpsSelectorProc SelectorBase = nullptr;
    TUpsSelectorProc SelectorModular = nullptr;
    TUpsSelectorProc SelectorRuntime = nullptr;

private:
    void* handle_ = nullptr;
};

// An initialisation record and the texts it points to.
class InitRecord {
public:
    explicit InitRecord(QWidget* container = nullptr);

    uint8_t UsageType = 0;
    QWidget* Container;
    bool ShowPrices = true;
    QString LanguageId = QStringLiteral("ENG");
    QString CataloguePath;
    QString Password = QStringLiteral("engine-test-password");
    QString Options;

    // The record, pointing at copies of the texts above that stay valid until
    // the next call or Scramble().
    const TEngineInitData* Get();
    // Overwrites the texts the last record pointed to, as a host that
    // released them would leave them.
    void Scramble();

private:
    std::u16string reserved_, language_, cataloguePath_, password_, options_;
    TEngineInitData data_{};
};

struct PanelCall {
    int32_t ShowWelcome;
    int32_t ShowContainer;
    bool operator==(const PanelCall&) const = default;
};

// The calls of RecordPanelCall since the last ClearPanelCalls().
std::vector<PanelCall>& PanelCalls();
void ClearPanelCalls();
void RecordPanelCall(int32_t ShowWelcome, int32_t ShowContainer);

// The length-prefixed string as text, then freed the way the shell frees it.
QString TakeEngineString(TEngineString text);
// Decodes the stream's PNG from its position, then destroys the stream.
QImage TakeEngineLogo(TEngineStream* stream, QByteArray* bytes = nullptr);

// The screen the engine put into the container: its one direct child widget
// that is not hidden, or nullptr.
QWidget* EngineScreen(QWidget* container);

// Deletes what the engine left for deletion later.
void ProcessDeferredDeletes();

// The engine reads its databases from Data/ beside the running program. To
// give it one without touching the build tree, a test copies this test
// program into a scratch folder, lets APrepare fill the folder, and runs the
// copy's tests matching AFilter there. Expects them all to pass.
void RunInScratchCopy(const char* AFilter, const std::function<void(const QString& AFolder)>& APrepare);
// The scratch folder when this process is such a copy; empty otherwise.
QString ScratchFolder();

} // namespace vantor::test
