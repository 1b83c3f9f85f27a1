// How a selector screen looks inside a container the size of the shell's, in
// the branding colours, also under the host's dark skin. With VANTOR_ENGINE_SCREENSHOTS set to a folder, the
// rendered screens are saved there as engine-<variant>.png.
#include "EngineHarness.h"
#include "testlib/ResultChecks.h"

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueSource.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

bool Near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 30;
}

struct Variant {
    uint8_t UsageType;
    const char* Name;
    const char* Language;
    void (*Open)(LoadedEngine&);
    QColor Primary, Accent;
    const char* Skin; // the host's skin applied to the application, or nullptr
};

// Applies a skin of the demo installation to the application for the test's
// duration, as the host's skin manager does.
class AppliedSkin {
public:
    explicit AppliedSkin(const char* name)
    {
        if (name == nullptr)
            return;
        QFile file(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Skins/%1.asz").arg(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
    }
    ~AppliedSkin() { qApp->setStyleSheet(QString()); }
};

// Dark pixels (text) inside a rectangle of the picture.
int DarkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 110)
                ++count;
    return count;
}

void PrintTo(const Variant& variant, std::ostream* os)
{
    *os << variant.Name;
}

class EngineLook : public ::testing::TestWithParam<Variant> {};

TEST_P(EngineLook, RendersTheScreenInTheBrandingColours)
{
    const Variant variant = GetParam();
    AppliedSkin skin(variant.Skin);
    LoadedEngine engine;
    ASSERT_TRUE(engine.IsLoaded());
    TempFolder folder;
    QWidget container;
    // The container's size in the shell's main window at 96 dots per inch.
    container.resize(1020, 582);
    container.show();
    InitRecord record(&container);
    record.UsageType = variant.UsageType;
    record.LanguageId = QString::fromLatin1(variant.Language);
    record.CataloguePath = folder.makeFolder(QStringLiteral("Catalogues/826")) + u'/';
    const tools::CatalogueSource demo =
        vantor::test::ValueOf(tools::ReadCatalogueSource(QStringLiteral(VANTOR_SOURCE_DIR "/demo/catalogues/826")));
    vantor::test::ExpectOk(tools::WriteDatabase(record.CataloguePath + QStringLiteral("Pricelist.vt4"), record.Password,
                                                tools::PricelistContent(demo.Code, demo.Validity, demo.Items), true));
    TInfoVersion version{};
    engine.Initialize(record.Get(), &version, &version, &version);
    variant.Open(engine);
    QApplication::processEvents();

    const QImage shot = container.grab().toImage();
    if (const QString target = qEnvironmentVariable("VANTOR_ENGINE_SCREENSHOTS"); !target.isEmpty()) {
        QDir().mkpath(target);
        shot.save(target + QStringLiteral("/engine-%1.png").arg(QString::fromLatin1(variant.Name)));
        for (int32_t infoLogo : {0, 1}) {
            TOemData data{};
            engine.GetOemData(&data, infoLogo);
            for (TEngineString text : {data.sName, data.sProduct, data.sCopyright, data.sHomePage})
                EngineStringFree(text);
            TakeEngineLogo(data.Logo).save(target + QStringLiteral("/logo-%1-%2.png")
                                                        .arg(QString::fromLatin1(variant.Name))
                                                        .arg(infoLogo == 0 ? "wide" : "square"));
        }
    }
    ASSERT_EQ(shot.size(), QSize(1020, 582) * shot.devicePixelRatio());
    // The header band starts in the primary colour and ends in the accent line.
    EXPECT_TRUE(Near(shot.pixelColor(4, 4), variant.Primary)) << shot.pixelColor(4, 4).name().toStdString();
    EXPECT_TRUE(Near(shot.pixelColor(500, 66), variant.Accent)) << shot.pixelColor(500, 66).name().toStdString();
    // The Back button is in the accent colour too, at the bottom right.
    const QWidget* back = container.findChild<QWidget*>(QStringLiteral("BackButton"));
    ASSERT_NE(back, nullptr);
    const QPoint inButton = back->mapTo(&container, QPoint(6, back->height() / 2));
    EXPECT_TRUE(Near(shot.pixelColor(inButton), variant.Accent)) << shot.pixelColor(inButton).name().toStdString();
    EXPECT_GT(inButton.x(), 800);
    EXPECT_GT(inButton.y(), 500);
    // The cards are white with dark text, whatever the host's skin says.
    const QWidget* summary = container.findChild<QWidget*>(QStringLiteral("SolutionSummary"));
    ASSERT_NE(summary, nullptr);
    const QRect inShot(summary->mapTo(&container, QPoint(0, 0)), summary->size());
    EXPECT_TRUE(Near(shot.pixelColor(inShot.right() - 2, inShot.top() + 1), Qt::white))
        << shot.pixelColor(inShot.right() - 2, inShot.top() + 1).name().toStdString();
    EXPECT_GT(DarkPixels(shot, inShot), 40);
    // So is the switch between the selectors, with the open one in the brand's colour.
    const QWidget* switcher = container.findChild<QWidget*>(QStringLiteral("SelectorSwitch"));
    ASSERT_NE(switcher, nullptr);
    EXPECT_GT(DarkPixels(shot, QRect(switcher->mapTo(&container, QPoint(0, 0)), switcher->size())), 40);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, EngineLook,
    ::testing::Values(Variant{0, "maronel", "ENG", [](LoadedEngine& engine) { engine.SelectorBase(); },
                              QColor(0x0B, 0x25, 0x45), QColor(0xF2, 0x8C, 0x28), nullptr},
                      Variant{1, "kelvra", "ENG", [](LoadedEngine& engine) { engine.SelectorModular(); },
                              QColor(0x2B, 0x2F, 0x36), QColor(0x14, 0xB8, 0xA6), "Kelvra"}),
    [](const ::testing::TestParamInfo<Variant>& param) { return std::string(param.param.Name); });

} // namespace
} // namespace vantor::test
