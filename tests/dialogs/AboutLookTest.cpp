// The about dialog under the shipped skins: every page renders, and the
// About page stays a light sheet with dark text, the dark skin included.
// With VANTOR_SCREENSHOT_DIR set the pages are saved there as PNG files.
#include "data/InstalledVersion.h"
#include "dialogs/dlgAbout.h"
#include "i18n/uLanguages.h"
#include "skins/VantorComponents.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

bool DemoBranding(TOemData& data, bool)
{
    data.sProduct = QStringLiteral("Vantorix");
    data.sCopyright = QStringLiteral("Copyright \u00A9 2026 Vantorix developers");
    data.sHomePage = QStringLiteral("http://www.vantorix.example/downloads/");
    data.Version = {4, 2, 1, 305};
    QImage logo(296, 86, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(178, 34, 52));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(60, 13, 60, 60), 12, 12);
    painter.setPen(QColor(40, 40, 40));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(130, 13, 160, 60), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("UPS"));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(60, 13, 60, 60), Qt::AlignCenter, QStringLiteral("V"));
    painter.end();
    QByteArray png;
    QBuffer writer(&png);
    writer.open(QIODevice::WriteOnly);
    logo.save(&writer, "PNG");
    auto stream = std::make_unique<QBuffer>();
    stream->setData(png);
    stream->open(QIODevice::ReadOnly);
    data.Logo = std::move(stream);
    return true;
}

// Mean lightness of a widget's area in a window grab.
double Lightness(const QImage& image, const QWidget* widget, const QWidget* window)
{
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y < area.bottom(); y += 3)
        for (int x = area.left(); x < area.right(); x += 3) {
            sum += image.pixelColor(x, y).lightnessF();
            ++count;
        }
    return count > 0 ? sum / count : 0;
}

class AboutLookTest : public ::testing::TestWithParam<TUsageType> {
protected:
    void SetUp() override
    {
        savedSetup = GlobalSetupData;
        savedVersion = InstalledVersion;
        savedStyle = CommandPanelStyle;
        ASSERT_TRUE(LoadTranslations(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml")));
        GlobalSetupData.LanguageId = QStringLiteral("ENG");
        SetTextLanguage(GlobalSetupData.LanguageId);
        GlobalSetupData.UsageType = GetParam();
        GlobalSetupData.RootPath = folder.path();
        GlobalSetupData.CatalogueCode = QStringLiteral("380");
        GlobalSetupData.CataloguePath = folder.path() + "Catalogues/380/";
        GlobalSetupData.Database.Pricelist.IsValid = true;
        SetCommandPanelStyle(GetParam());
        InstalledVersion = TInstalledVersion();
        InstalledVersion.Engine = {4, 2, 1, 305};
        InstalledVersion.DbMain = {2026, 11, 2, 0};
        InstalledVersion.DbDevices = {2026, 10, 1, 0};
        InstalledVersion.Catalogues = {{QStringLiteral("380"), QStringLiteral("20261102"), QStringLiteral("20261115")}};
        for (const char* file : {"Vantor", "Updater", "libEngine.so", "Data/Data.vt4", "Data/Devices.vt4",
                                 "Catalogues/380/Catalogue.vt4", "Catalogues/380/Pricelist.vt4"})
            folder.write(QString::fromLatin1(file), "x");
        manager.SetSkinFolder(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Skins/"));
        manager.SetSkinName(GetSkinName(GetParam()));
        manager.SetActive(true);
    }
    void TearDown() override
    {
        manager.SetActive(false);
        GlobalSetupData = savedSetup;
        InstalledVersion = savedVersion;
        CommandPanelStyle = savedStyle;
        UnloadTranslations();
    }

    TempFolder folder;
    TSkinManager manager;
    TGlobalSetupData savedSetup;
    TInstalledVersion savedVersion;
    TCommandPanelStyle savedStyle;
};

TEST_P(AboutLookTest, PagesRender)
{
    ASSERT_TRUE(manager.Active());
    TFrmAbout dialog(nullptr, DemoBranding);
    dialog.show();
    QApplication::processEvents();
    const QString skin = GetSkinName(GetParam()).toLower();
    const QString outFolder = qEnvironmentVariable("VANTOR_SCREENSHOT_DIR");
    const struct {
        QWidget* page;
        const char* name;
    } pages[] = {{dialog.tabAbout, "about"}, {dialog.tabModules, "modules"}, {dialog.tabLicence, "licence"}};
    for (const auto& entry : pages) {
        dialog.PageControl->setCurrentWidget(entry.page);
        QApplication::processEvents();
        const QImage image = dialog.grab().toImage();
        ASSERT_FALSE(image.isNull());
        if (!outFolder.isEmpty())
            image.save(QDir(outFolder).filePath(QStringLiteral("about-%1-%2.png").arg(entry.name, skin)));
        if (entry.page == dialog.tabAbout) {
            // A white sheet whose labels are dark.
            EXPECT_GT(Lightness(image, dialog.pnlAboutBack, &dialog), 0.85);
            EXPECT_LT(Lightness(image, dialog.lblProductName, &dialog), 0.9);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Skins, AboutLookTest, ::testing::Values(TUsageType::utMaronel, TUsageType::utKelvra),
                         [](const auto& param) { return GetSkinName(param.param).toStdString(); });

} // namespace
} // namespace vantor::test
