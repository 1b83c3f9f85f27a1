#include "EngineHarness.h"

#include "testlib/TempFolder.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>

namespace vantor::test {

LoadedEngine::LoadedEngine(const char* path)
{
    handle_ = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        ADD_FAILURE() << "cannot load " << path << ": " << dlerror();
        return;
    }
    Initialize = reinterpret_cast<TInitializeForMaronelProc>(Symbol(ENGINE_INITIALIZE_PROC));
    Uninitialize = reinterpret_cast<TUninitializeLibraryProc>(Symbol(ENGINE_UNINITIALIZE_PROC));
    GetOemData = reinterpret_cast<TGetOemDataProc>(Symbol(ENGINE_GET_OEM_DATA_PROC));
    SelectorAdvanced = reinterpret_cast<TUpsSelectorProc>(Symbol(ENGINE_SELECTOR_ADVANCED_PROC));
    SelectorBase = reinterpret_cast<TUpsSelectorProc>(Symbol(ENGINE_SELECTOR_BASE_PROC));
    SelectorModular = reinterpret_cast<TUpsSelectorProc>(Symbol(ENGINE_SELECTOR_MODULAR_PROC));
    SelectorRuntime = reinterpret_cast<TUpsSelectorProc>(Symbol(ENGINE_SELECTOR_RUNTIME_PROC));
}

LoadedEngine::~LoadedEngine()
{
    Unload();
}

void* LoadedEngine::Symbol(const char* name) const
{
    return handle_ == nullptr ? nullptr : dlsym(handle_, name);
}

void LoadedEngine::Unload()
{
    if (handle_ == nullptr)
        return;
    if (Uninitialize != nullptr)
        Uninitialize();
    dlclose(handle_);
    handle_ = nullptr;
}

InitRecord::InitRecord(QWidget* container) : Container(container)
{}

const TEngineInitData* InitRecord::Get()
{
    reserved_.clear();
    language_ = LanguageId.toStdU16String();
    cataloguePath_ = CataloguePath.toStdU16String();
    password_ = Password.toStdU16String();
    options_ = Options.toStdU16String();
    // Stray bytes in the padding after UsageType must not matter.
    std::memset(&data_, 0xA5, sizeof data_);
    data_.AppHandle = 0;
    data_.UsageType = UsageType;
    data_.ContainerPanel = Container;
    data_.CallBack = &RecordPanelCall;
    data_.ShowPrices = ShowPrices ? -1 : 0;
    data_.Reserved = reserved_.c_str();
    data_.LanguageId = language_.c_str();
    data_.CataloguePath = cataloguePath_.c_str();
    data_.Password = password_.c_str();
    data_.Options = options_.c_str();
    return &data_;
}

void InitRecord::Scramble()
{
    for (std::u16string* text : {&language_, &cataloguePath_, &password_, &options_})
        text->assign(text->size(), u'#');
    data_.ContainerPanel = nullptr;
    data_.CallBack = nullptr;
}

std::vector<PanelCall>& PanelCalls()
{
    static std::vector<PanelCall> calls;
    return calls;
}

void ClearPanelCalls()
{
    PanelCalls().clear();
}

void RecordPanelCall(int32_t ShowWelcome, int32_t ShowContainer)
{
    PanelCalls().push_back({ShowWelcome, ShowContainer});
}

QString TakeEngineString(TEngineString text)
{
    if (text == nullptr)
        return {};
    const QString result = QString::fromUtf16(text, EngineStringLength(text));
    EngineStringFree(text);
    return result;
}

QImage TakeEngineLogo(TEngineStream* stream, QByteArray* bytes)
{
    if (stream == nullptr)
        return {};
    QByteArray data;
    if (stream->Position <= stream->Size)
        data = QByteArray(reinterpret_cast<const char*>(stream->Bytes + stream->Position),
                          static_cast<qsizetype>(stream->Size - stream->Position));
    stream->Destroy(stream);
    if (bytes != nullptr)
        *bytes = data;
    return QImage::fromData(data, "PNG");
}

QWidget* EngineScreen(QWidget* container)
{
    QWidget* found = nullptr;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden()) {
            EXPECT_EQ(found, nullptr) << "more than one screen in the container";
            found = child;
        }
    return found;
}

void ProcessDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {
constexpr const char* ScratchVariable = "VANTOR_ENGINE_SCRATCH_RUN";
} // namespace

void RunInScratchCopy(const char* AFilter, const std::function<void(const QString& AFolder)>& APrepare)
{
    TempFolder scratch;
    const QString copy = scratch.path() + QStringLiteral("engine_program");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner);
    APrepare(scratch.path());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ScratchVariable), scratch.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto run = [&](const QStringList& AArguments) {
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(copy, AArguments);
        EXPECT_TRUE(child.waitForFinished(300'000)) << "the copy did not finish";
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        return output;
    };
    // One process per test: each loads and unloads the engine as a host does
    // once, which is what the engine promises.
    QStringList tests;
    QString suite;
    const QString listing =
        run({QStringLiteral("--gtest_list_tests"), QStringLiteral("--gtest_filter=%1").arg(QLatin1String(AFilter))});
    for (const QString& line : listing.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u' ') && line.endsWith(u'.'))
            suite = line;
        else if (line.startsWith(QStringLiteral("  ")))
            tests.append(suite + line.trimmed().section(u' ', 0, 0));
    }
    ASSERT_FALSE(tests.isEmpty()) << listing.toStdString();
    for (const QString& test : std::as_const(tests)) {
        const QString output = run({QStringLiteral("--gtest_filter=%1").arg(test)});
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    }
}

QString ScratchFolder()
{
    return qEnvironmentVariable(ScratchVariable);
}

} // namespace vantor::test
