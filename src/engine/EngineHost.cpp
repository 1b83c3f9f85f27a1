#include "engine/EngineHost.h"

#include "data/InstalledVersion.h"

#include <QBuffer>
#include <QFileInfo>

#include <cstddef>
#include <cstdio>
#include <string>
#include <type_traits>

namespace vantor {

// The shell's version records are handed to the engine as the boundary's records.
static_assert(sizeof(vantor::TInfoVersion) == sizeof(::TInfoVersion));
static_assert(std::is_standard_layout_v<vantor::TInfoVersion>);
static_assert(offsetof(vantor::TInfoVersion, wBuild) == offsetof(::TInfoVersion, wBuild));

namespace {

// The host whose OnPanel the engine's callback reaches.
TEngineHost* PanelHost = nullptr;

::TInfoVersion* AtBoundary(vantor::TInfoVersion& version)
{
    return reinterpret_cast<::TInfoVersion*>(&version);
}

std::u16string Utf16(const QString& text)
{
    return text.toStdU16String();
}

QString TakeString(TEngineString& text)
{
    QString result;
    if (text != nullptr)
        result = QString::fromUtf16(text, EngineStringLength(text));
    EngineStringFree(text);
    text = nullptr;
    return result;
}

// The engine's stream becomes a buffer of ours, read from where it stood.
std::unique_ptr<QIODevice> TakeLogo(TEngineStream*& stream)
{
    if (stream == nullptr)
        return nullptr;
    QByteArray bytes;
    if (stream->Bytes != nullptr && stream->Position < stream->Size) {
        const std::uint64_t remaining = stream->Size - stream->Position;
        bytes = QByteArray(reinterpret_cast<const char*>(stream->Bytes + stream->Position),
                           static_cast<qsizetype>(remaining));
    }
    if (stream->Destroy != nullptr)
        stream->Destroy(stream);
    stream = nullptr;
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

} // namespace

void AddOption(bool Flag, const QString& Word, QString& Options)
{
    if (!Flag)
        return;
    if (Options.isEmpty())
        Options = Word;
    else
        Options += QLatin1String(ENGINE_OPTION_SEPARATOR) + Word;
}

QString BuildEngineOptions(const TGlobalSetupData& settings)
{
    const TAdvancedOptions& advanced = settings.AdvancedOptions;
    QString options;
    AddOption(settings.DebugMode, QStringLiteral(ENGINE_OPTION_DEBUG_MODE), options);
    AddOption(advanced.ShowAllConfigurations, QStringLiteral(ENGINE_OPTION_SHOW_ALL_CONFIGURATIONS), options);
    AddOption(advanced.UnlimitedBatteryCabs, QStringLiteral(ENGINE_OPTION_UNLIMITED_BATTERY_CABINETS), options);
    AddOption(advanced.SortSolutionsByPrice, QStringLiteral(ENGINE_OPTION_SORT_BY_PRICE), options);
    AddOption(advanced.HideThreePhaseUps, QStringLiteral(ENGINE_OPTION_HIDE_THREE_PHASE), options);
    AddOption(advanced.ShowTechDataAutonomyLower, QStringLiteral(ENGINE_OPTION_SHOW_AUTONOMY_LOWER), options);
    return options;
}

TEngineHost::TEngineHost(const QString& programFolder) : programFolder_(programFolder)
{
    if (!programFolder_.isEmpty() && !programFolder_.endsWith('/'))
        programFolder_ += '/';
}

TEngineHost::~TEngineHost()
{
    UnloadEngine();
    if (PanelHost == this)
        PanelHost = nullptr;
}

void TEngineHost::LoadProcNames()
{
    EngineProcNames.clear();
    for (const char* name : ENGINE_PROC_NAMES)
        EngineProcNames.append(QString::fromLatin1(name));
}

bool TEngineHost::LoadEngine()
{
    if (IsEngineLoaded())
        return true;
    EngineInitialized = false;
    // The engine beside the program, or only when there is none there, one of
    // that name on the system's library path: a broken engine beside the
    // program must not let another library stand in for it.
    const QString beside = programFolder_ + QLatin1String(EngineLibraryName);
    const QString chosen = QFileInfo::exists(beside) ? beside : QString::fromLatin1(EngineLibraryName);
    if (library_.Load(chosen))
        return true;
    std::fprintf(stderr, "Vantor: cannot load the engine %s: %s\n", qPrintable(chosen),
                 qPrintable(library_.LastError()));
    return false;
}

bool TEngineHost::InitializeEngine(const TGlobalSetupData& settings, const TEngineBinding& binding,
                                   TInstalledVersion& installed)
{
    if (!IsEngineLoaded() && !LoadEngine())
        return false;
    if (IsEngineReady())
        return true;

    // The texts live until the call returns; the engine copies what it keeps.
    const std::u16string reserved;
    const std::u16string languageId = Utf16(settings.LanguageId);
    const std::u16string cataloguePath = Utf16(settings.CataloguePath);
    const std::u16string password = Utf16(settings.Database.Pricelist.sPassword);
    const std::u16string options = Utf16(BuildEngineOptions(settings));

    TEngineInitData data{};
    data.AppHandle = binding.AppHandle;
    data.UsageType = static_cast<std::uint8_t>(settings.UsageType);
    data.ContainerPanel = binding.ContainerPanel;
    data.CallBack = binding.CallBack;
    if (data.CallBack == nullptr && binding.OnPanel) {
        onPanel_ = binding.OnPanel;
        PanelHost = this;
        data.CallBack = &TEngineHost::PanelCallback;
    }
    data.ShowPrices = settings.ShowPrices ? -1 : 0;
    data.Reserved = reserved.c_str();
    data.LanguageId = languageId.c_str();
    data.CataloguePath = cataloguePath.c_str();
    data.Password = password.c_str();
    data.Options = options.c_str();

    const QString name = EngineProcNames.isEmpty() ? QString::fromLatin1(ENGINE_PROC_NAMES[0]) : EngineProcNames[0];
    const auto initialize = reinterpret_cast<TInitializeForMaronelProc>(library_.Symbol(name.toLatin1().constData()));
    if (initialize != nullptr) {
        const std::int32_t result = initialize(&data, AtBoundary(installed.Engine), AtBoundary(installed.DbMain),
                                               AtBoundary(installed.DbDevices));
        EngineInitialized = result == ENGINE_INIT_OK || result == ENGINE_INIT_OK_WITH_NOTICE;
    }
    return EngineInitialized;
}

void TEngineHost::PanelCallback(std::int32_t ShowWelcome, std::int32_t ShowContainer)
{
    // Booleans of one byte at the boundary: only the low byte counts.
    if (PanelHost != nullptr && PanelHost->onPanel_)
        PanelHost->onPanel_((ShowWelcome & 0xFF) != 0, (ShowContainer & 0xFF) != 0);
}

void TEngineHost::UninitializeEngine()
{
    const auto uninitialize = reinterpret_cast<TUninitializeLibraryProc>(library_.Symbol(ENGINE_UNINITIALIZE_PROC));
    if (uninitialize != nullptr)
        uninitialize();
    EngineInitialized = false;
}

bool TEngineHost::ReinitializeEngine(const TGlobalSetupData& settings, const TEngineBinding& binding,
                                     TInstalledVersion& installed)
{
    UninitializeEngine();
    return InitializeEngine(settings, binding, installed);
}

void TEngineHost::UnloadEngine()
{
    if (EngineInitialized)
        UninitializeEngine();
    library_.Unload();
    EngineInitialized = false;
}

void TEngineHost::ExecuteEngineProc(const QString& Name)
{
    if (!IsEngineReady())
        return;
    const auto selector = reinterpret_cast<TUpsSelectorProc>(library_.Symbol(Name.toLatin1().constData()));
    if (selector != nullptr)
        selector();
}

bool TEngineHost::LoadOemData(TOemData& AOemData, bool InfoLogo)
{
    const auto getOemData = reinterpret_cast<TGetOemDataProc>(library_.Symbol(ENGINE_GET_OEM_DATA_PROC));
    if (getOemData == nullptr)
        return false;
    ::TOemData raw{};
    const std::int32_t result = getOemData(&raw, InfoLogo ? 1 : 0);
    AOemData.sName = TakeString(raw.sName);
    AOemData.sProduct = TakeString(raw.sProduct);
    AOemData.sCopyright = TakeString(raw.sCopyright);
    AOemData.sHomePage = TakeString(raw.sHomePage);
    AOemData.Version = {raw.Version.wMajor, raw.Version.wMinor, raw.Version.wRelease, raw.Version.wBuild};
    AOemData.Logo = TakeLogo(raw.Logo);
    return result == 0;
}

} // namespace vantor
