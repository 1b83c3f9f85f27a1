// The logos are rendered when the engine is built and embedded into it: the
// engine hands out the embedded bytes, needs no application object for them,
// keeps them registered only while it is loaded, and its main-window logos
// suit the host's skins.
#include "EngineHarness.h"

#include "dev/core/EmbeddedLogos.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cmath>
#include <memory>

namespace vantor::test {
namespace {

using devengine::LogoFileName;
using devengine::LogoKind;

// The resource folders of the development engines loaded now.
QStringList LogoRoots()
{
    return QDir(QStringLiteral(":/")).entryList({QStringLiteral("vantor-devengine-*")}, QDir::Dirs);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The logo's bytes as the engine hands them out for the usage type.
QByteArray LogoBytes(LoadedEngine& engine, InitRecord& record, uint8_t usageType, int32_t infoLogo)
{
    engine.Uninitialize();
    record.UsageType = usageType;
    TInfoVersion version{};
    engine.Initialize(record.Get(), &version, &version, &version);
    TOemData data{};
    EXPECT_EQ(engine.GetOemData(&data, infoLogo), 0);
    for (TEngineString text : {data.sName, data.sProduct, data.sCopyright, data.sHomePage})
        TakeEngineString(text);
    QByteArray bytes;
    TakeEngineLogo(data.Logo, &bytes);
    return bytes;
}

QImage WideLogo(LoadedEngine& engine, InitRecord& record, uint8_t usageType)
{
    return QImage::fromData(LogoBytes(engine, record, usageType, 0), "PNG").convertToFormat(QImage::Format_ARGB32);
}

bool StillLoaded(const char* path)
{
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr)
        dlclose(handle);
    return handle != nullptr;
}

TEST(EngineLogos, HandsOutTheEmbeddedPicturesOnlyWhileLoaded)
{
    {
        LoadedEngine engine;
        ASSERT_TRUE(engine.IsLoaded());
        const QStringList roots = LogoRoots();
        ASSERT_EQ(roots.size(), 1) << roots.join(u' ').toStdString();
        const QString root = QStringLiteral(":/%1/").arg(roots.first());
        InitRecord record;
        for (uint8_t usageType = 0; usageType <= 6; ++usageType) {
            SCOPED_TRACE(usageType);
            const QByteArray wide = ReadFile(root + LogoFileName(usageType, LogoKind::Wide));
            const QByteArray square = ReadFile(root + LogoFileName(usageType, LogoKind::Square));
            EXPECT_TRUE(wide.startsWith("\x89PNG"));
            EXPECT_NE(wide, square);
            EXPECT_EQ(LogoBytes(engine, record, usageType, 0), wide);
            EXPECT_EQ(LogoBytes(engine, record, usageType, 1), square);
        }
        // Unknown usage types get the neutral branding's logo.
        EXPECT_EQ(LogoBytes(engine, record, 200, 0), ReadFile(root + LogoFileName(5, LogoKind::Wide)));
    }
    if (StillLoaded(VANTOR_ENGINE_LIBRARY))
        GTEST_SKIP() << "the engine stayed loaded";
    EXPECT_TRUE(LogoRoots().isEmpty()) << "the logos must go with the library";
}

TEST(EngineLogos, TwoCopiesInOneProcessEachKeepTheirLogos)
{
    TempFolder scratch;
    const QString copy = scratch.path() + QStringLiteral("libEngine.so");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOR_ENGINE_LIBRARY), copy));
    const QByteArray copyPath = QFile::encodeName(copy);

    InitRecord record;
    auto first = std::make_unique<LoadedEngine>();
    LoadedEngine second(copyPath.constData());
    ASSERT_TRUE(first->IsLoaded());
    ASSERT_TRUE(second.IsLoaded());
    const QByteArray kelvra = LogoBytes(*first, record, 1, 0);
    const QByteArray maronel = LogoBytes(*first, record, 0, 1);
    ASSERT_FALSE(kelvra.isEmpty());
    EXPECT_EQ(LogoBytes(second, record, 1, 0), kelvra);

    // The first copy goes; the second must not trip over what it left.
    first.reset();
    EXPECT_EQ(LogoBytes(second, record, 1, 0), kelvra);
    EXPECT_EQ(LogoBytes(second, record, 0, 1), maronel);
}

TEST(EngineLogos, NeedNoApplicationObjectInTheHost)
{
#ifndef VANTOR_ENGINE_OEM_PROBE
    GTEST_SKIP() << "built without the probe host";
#else
    TempFolder scratch;
    LoadedEngine engine;
    ASSERT_TRUE(engine.IsLoaded());
    InitRecord record;
    for (int32_t infoLogo : {0, 1}) {
        SCOPED_TRACE(infoLogo);
        const QString output = scratch.path() + QStringLiteral("logo-%1.png").arg(infoLogo);
        QProcess probe;
        probe.setProcessChannelMode(QProcess::MergedChannels);
        // This test is about the bytes a Qt-less host receives. The probe
        // unloads the engine before it exits, so a sanitizer build cannot name
        // what the engine keeps for the process's life there; the in-process
        // tests check the logos for leaks.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(VANTOR_ENGINE_OEM_PROBE),
                    {QStringLiteral(VANTOR_ENGINE_LIBRARY), QStringLiteral("1"), QString::number(infoLogo), output});
        ASSERT_TRUE(probe.waitForFinished(60'000)) << "the probe did not finish";
        EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(probe.exitCode(), 0) << probe.readAll().toStdString();
        EXPECT_EQ(ReadFile(output), LogoBytes(engine, record, 1, infoLogo));
    }
#endif
}

double Luminance(const QColor& colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(EngineLogos, MainWindowLogoStandsOutOnItsSkin)
{
    // The window colours of the shell's skins, where the main-window logo lies.
    struct Skin {
        const char* Name;
        uint8_t UsageType;
        QColor Window;
    };
    const Skin skins[] = {{"Maronel", 0, QColor(0xEE, 0xF2, 0xF7)}, {"Kelvra", 1, QColor(0x24, 0x28, 0x2C)}};

    LoadedEngine engine;
    ASSERT_TRUE(engine.IsLoaded());
    InitRecord record;
    for (const Skin& skin : skins) {
        SCOPED_TRACE(skin.Name);
        const QImage logo = WideLogo(engine, record, skin.UsageType);
        QImage shown(logo.size(), QImage::Format_ARGB32);
        shown.fill(skin.Window);
        QPainter(&shown).drawImage(0, 0, logo);
        // Mark, name and tagline alike: nearly every column the logo covers
        // has pixels that stand out clearly from the window.
        int covered = 0, legible = 0;
        for (int x = 0; x < logo.width(); ++x) {
            bool coveredHere = false, legibleHere = false;
            for (int y = 0; y < logo.height(); ++y) {
                coveredHere = coveredHere || logo.pixelColor(x, y).alpha() > 96;
                legibleHere = legibleHere || Contrast(shown.pixelColor(x, y), skin.Window) >= 3.0;
            }
            covered += coveredHere ? 1 : 0;
            legible += coveredHere && legibleHere ? 1 : 0;
        }
        EXPECT_GT(covered, 150);
        EXPECT_GE(legible, covered * 9 / 10) << legible << " of " << covered << " columns stand out";
    }
}

TEST(EngineLogos, MainWindowLogosAreCentred)
{
    LoadedEngine engine;
    ASSERT_TRUE(engine.IsLoaded());
    InitRecord record;
    for (uint8_t usageType = 0; usageType <= 6; ++usageType) {
        SCOPED_TRACE(usageType);
        const QImage logo = WideLogo(engine, record, usageType);
        int first = logo.width(), last = -1;
        for (int y = 0; y < logo.height(); ++y)
            for (int x = 0; x < logo.width(); ++x)
                if (logo.pixelColor(x, y).alpha() > 0) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        ASSERT_LT(first, last);
        EXPECT_NEAR(first, logo.width() - 1 - last, 1) << "drawn from " << first << " to " << last;
    }
}

} // namespace
} // namespace vantor::test
