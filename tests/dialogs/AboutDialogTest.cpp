#include "data/InstalledVersion.h"
#include "dialogs/dlgAbout.h"
#include "i18n/uLanguages.h"
#include "skins/VantorComponents.h"
#include "testlib/AccessibleControls.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace vantor::test {
namespace {

class AboutDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedSetup = GlobalSetupData;
        savedVersion = InstalledVersion;
        savedStyle = CommandPanelStyle;
        ASSERT_TRUE(LoadTranslations(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml")));
        GlobalSetupData.LanguageId = QStringLiteral("ENG");
        SetTextLanguage(GlobalSetupData.LanguageId);
        GlobalSetupData.UsageType = TUsageType::utMaronel;
        GlobalSetupData.RootPath = folder.path();
        GlobalSetupData.CatalogueCode = QStringLiteral("380");
        GlobalSetupData.CataloguePath = folder.path() + "Catalogues/380/";
        GlobalSetupData.Database.Pricelist.IsValid = true;
        SetCommandPanelStyle(TUsageType::utMaronel);
        InstalledVersion = TInstalledVersion();
        InstalledVersion.Engine = {4, 2, 0, 17};
        InstalledVersion.DbMain = {2012, 3, 1, -2};
        InstalledVersion.DbDevices = {1, 0, 0, 0};
        InstalledVersion.Catalogues = {{QStringLiteral("250"), QStringLiteral("20110101"), QString()},
                                       {QStringLiteral("380"), QStringLiteral("20120229"), QStringLiteral("20130115")}};
        for (const char* file : {"Vantor", "Updater", "libEngine.so", "Data/Data.vt4", "Data/Devices.vt4",
                                 "Catalogues/380/Catalogue.vt4", "Catalogues/380/Pricelist.vt4"})
            folder.write(QString::fromLatin1(file), "x");
    }
    void TearDown() override
    {
        GlobalSetupData = savedSetup;
        InstalledVersion = savedVersion;
        CommandPanelStyle = savedStyle;
        UnloadTranslations();
    }

    static QStringList Column(const TFrmAbout& dialog, int column)
    {
        QStringList texts;
        for (int row = 0; row < dialog.lvModules->rowCount(); ++row)
            texts << dialog.lvModules->item(row, column)->text();
        return texts;
    }

    TempFolder folder;
    TGlobalSetupData savedSetup;
    TInstalledVersion savedVersion;
    TCommandPanelStyle savedStyle;
};

bool NoBranding(TOemData&, bool)
{
    return false;
}

TEST_F(AboutDialogTest, ModuleRows)
{
    {
        TFrmAbout dialog(nullptr, NoBranding);
        EXPECT_EQ(Column(dialog, 0), QStringList({"Vantor", "Updater", "libEngine.so", "Data.vt4", "Devices.vt4",
                                                  "Catalogue.vt4", "Pricelist.vt4"}));
        const QStringList versions = Column(dialog, 1);
        EXPECT_EQ(versions.mid(1, 4), QStringList({"0.0.0.0", "4.2.0.17", "2012.3.1.-2", "1.0.0.0"}));
        EXPECT_EQ(versions[5], QLocale().toString(QDate(2012, 2, 29), QLocale::ShortFormat));
        EXPECT_EQ(versions[6], QLocale().toString(QDate(2013, 1, 15), QLocale::ShortFormat));
        const QString root = QDir(folder.path()).absolutePath() + "/";
        EXPECT_EQ(Column(dialog, 2), QStringList({root, root, root, root + "Data/", root + "Data/",
                                                  root + "Catalogues/380/", root + "Catalogues/380/"}));
        EXPECT_EQ(dialog.lvModules->horizontalHeaderItem(1)->text(), QStringLiteral(" ") + GetText("IDS_CONTAINER_10"));
    }
    {
        // A build that reads unsigned manifests says so beside its version.
        TFrmAbout dialog(nullptr, NoBranding, true);
        EXPECT_TRUE(Column(dialog, 1).first().endsWith(", unsigned updates"))
            << Column(dialog, 1).first().toStdString();
        EXPECT_EQ(Column(dialog, 1).filter("unsigned").size(), 1);
        TFrmAbout signedBuild(nullptr, NoBranding);
        EXPECT_TRUE(Column(signedBuild, 1).filter("unsigned").isEmpty());
    }

    // A missing Updater gives no row; a pricelist whose validity is no date
    // gives none either, and the same for a pricelist marked not valid.
    QFile::remove(folder.path() + "Updater");
    InstalledVersion.Catalogues[1].Pricelist = QStringLiteral("-1");
    {
        TFrmAbout dialog(nullptr, NoBranding);
        EXPECT_EQ(Column(dialog, 0),
                  QStringList({"Vantor", "libEngine.so", "Data.vt4", "Devices.vt4", "Catalogue.vt4"}));
    }
    InstalledVersion.Catalogues[1].Pricelist = QStringLiteral("20130115");
    GlobalSetupData.Database.Pricelist.IsValid = false;
    {
        TFrmAbout dialog(nullptr, NoBranding);
        EXPECT_EQ(Column(dialog, 0).last(), QStringLiteral("Catalogue.vt4"));
    }

    // A catalogue that is not installed, or whose version is no date, shows
    // the error text as its version.
    GlobalSetupData.CatalogueCode = QStringLiteral("0380");
    {
        TFrmAbout dialog(nullptr, NoBranding);
        EXPECT_EQ(Column(dialog, 1).last(), GetText("IDS_COMMON_51"));
    }
    GlobalSetupData.CatalogueCode = QStringLiteral("380");
    InstalledVersion.Catalogues[1].Database = QStringLiteral("20130229");
    {
        TFrmAbout dialog(nullptr, NoBranding);
        EXPECT_EQ(Column(dialog, 1).last(), QStringLiteral("Error"));
    }
}

TEST_F(AboutDialogTest, FootTexts)
{
    EXPECT_EQ(FormatOsInfo("Debian GNU/Linux 12 (bookworm)", 18, 0),
              QStringLiteral("Debian GNU/Linux 12 (bookworm) (Build 18)"));
    EXPECT_EQ(FormatOsInfo("Sample", 7, 1), QStringLiteral("Sample (Build 7; Service Pack 1)"));
    const std::uint64_t twoGiB = 2ull * 1024 * 1024 * 1024;
    EXPECT_EQ(FormatMemoryKilobytes(twoGiB, QLocale(QLocale::English)), QStringLiteral("2,097,152"));
    EXPECT_EQ(FormatMemoryKilobytes(twoGiB, QLocale(QLocale::German)), QStringLiteral("2.097.152"));
    EXPECT_EQ(FormatMemoryKilobytes(1536, QLocale(QLocale::English)), QStringLiteral("2"));
    // Grouping is kept even when the locale was set to omit it.
    QLocale plain(QLocale::English);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    EXPECT_EQ(FormatMemoryKilobytes(1024ull * 1000000, plain), QStringLiteral("1,000,000"));
    EXPECT_EQ(FormatOneString("Physical memory: %s KB", "1,024"), QStringLiteral("Physical memory: 1,024 KB"));
    EXPECT_EQ(FormatOneString("100%% %s %s", "x"), QStringLiteral("100% x %s"));

    TFrmAbout dialog(nullptr, NoBranding);
    EXPECT_TRUE(dialog.lblOsInfo->text().contains(QStringLiteral(" (Build ")));
    EXPECT_TRUE(dialog.lblOsMemory->text().startsWith(QStringLiteral("Physical memory: ")));
    EXPECT_TRUE(dialog.lblOsMemory->text().endsWith(QStringLiteral(" KB")));
    // Texts from outside are never read as markup.
    for (QLabel* label :
         {dialog.lblOsInfo, dialog.lblOsMemory, dialog.lblProductName, dialog.lblProductVersion, dialog.lblCopyright})
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

TEST_F(AboutDialogTest, BrandingFromTheEngine)
{
    bool askedForInfoLogo = false;
    auto loader = [&](TOemData& data, bool infoLogo) {
        askedForInfoLogo = infoLogo;
        data.sProduct = QStringLiteral("Vantorix Pro");
        data.sCopyright = QStringLiteral("Copyright 2026");
        data.sHomePage = QStringLiteral("HTTP://www.Example.com/ups/index.html");
        data.Version = {5, 1, 3, 999};
        QImage image(600, 100, QImage::Format_ARGB32);
        image.fill(Qt::darkBlue);
        QByteArray png;
        QBuffer writer(&png);
        writer.open(QIODevice::WriteOnly);
        image.save(&writer, "PNG");
        auto stream = std::make_unique<QBuffer>();
        stream->setData(png);
        stream->open(QIODevice::ReadOnly);
        data.Logo = std::move(stream);
        return true;
    };
    TFrmAbout dialog(nullptr, loader);
    EXPECT_TRUE(askedForInfoLogo);
    EXPECT_EQ(dialog.lblProductName->text(), QStringLiteral("Vantorix Pro"));
    EXPECT_EQ(dialog.lblProductVersion->text(), QStringLiteral("Version 5.1.3"));
    EXPECT_EQ(dialog.lblCopyright->text(), QStringLiteral("Copyright 2026"));
    EXPECT_TRUE(dialog.lblHomePage->text().contains(QStringLiteral(">www.example.com/</a>")));
    EXPECT_EQ(dialog.HomePage(), QStringLiteral("HTTP://www.Example.com/ups/index.html"));
    // Shrunk proportionally into 296 x 86.
    EXPECT_EQ(dialog.imgLogo->pixmap().size(), QSize(296, 49));

    dialog.show();
    const int panelWidth = dialog.pnlAboutBack->width();
    for (QLabel* label : {dialog.lblProductName, dialog.lblProductVersion, dialog.lblHomePage, dialog.lblCopyright}) {
        EXPECT_EQ(label->x(), (panelWidth - label->width()) / 2) << label->text().toStdString();
    }
    EXPECT_EQ(dialog.lblProductName->y(), 113);

    // A raising or failing query leaves the placeholders.
    TFrmAbout failed(nullptr, [](TOemData& data, bool) -> bool {
        data.sProduct = QStringLiteral("half");
        throw std::runtime_error("engine gone");
    });
    EXPECT_EQ(failed.lblProductName->text(), QStringLiteral("Vantorix"));
    EXPECT_TRUE(failed.lblProductVersion->text().isEmpty());
    EXPECT_TRUE(failed.imgLogo->pixmap().isNull());
}

TEST_F(AboutDialogTest, PagesCaptionsAndLicence)
{
    GlobalSetupData.LanguageId = QStringLiteral("REF");
    SetTextLanguage(GlobalSetupData.LanguageId);
    {
        TFrmAbout dialog(nullptr, TOemDataLoader());
        EXPECT_EQ(dialog.PageControl->currentWidget(), dialog.tabAbout);
        EXPECT_EQ(dialog.PageControl->count(), 4);
        EXPECT_FALSE(dialog.PageControl->isTabVisible(dialog.PageControl->indexOf(dialog.tabNotes)));
        EXPECT_TRUE(dialog.richLicence->toPlainText().isEmpty());
        EXPECT_EQ(dialog.size(), QSize(519, 308));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About"));
    }
    GlobalSetupData.LanguageId = QStringLiteral("ita");
    SetTextLanguage(GlobalSetupData.LanguageId);
    TFrmAbout dialog(nullptr, NoBranding);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Informazioni"));
    EXPECT_TRUE(dialog.richLicence->toPlainText().startsWith(QStringLiteral("CONTRATTO DI LICENZA")));
    EXPECT_EQ(dialog.PageControl->tabText(dialog.PageControl->indexOf(dialog.tabLicence)), GetText("IDS_CONTAINER_24"));
    EXPECT_EQ(dialog.pnlCommands->ButtonCancel()->text(), GetText("IDS_COMMON_20"));
    EXPECT_EQ(dialog.pnlCommands->ButtonOk()->text(), GetText("IDS_COMMON_20"));
}

TEST_F(AboutDialogTest, SingleButtonByVariant)
{
    for (TUsageType usage : {TUsageType::utMaronel, TUsageType::utKelvra, TUsageType::utPorvik, TUsageType::utSandel,
                             TUsageType::utQuillon, TUsageType::utGeneric, TUsageType::utWebMaronel}) {
        GlobalSetupData.UsageType = usage;
        SetCommandPanelStyle(usage);
        TFrmAbout dialog(nullptr, NoBranding);
        const bool okOnly = usage == TUsageType::utPorvik || usage == TUsageType::utSandel;
        SCOPED_TRACE(static_cast<int>(usage));
        EXPECT_EQ(dialog.pnlCommands->ButtonOk()->isVisibleTo(&dialog), okOnly);
        EXPECT_EQ(dialog.pnlCommands->ButtonCancel()->isVisibleTo(&dialog), !okOnly);
        EXPECT_EQ(dialog.lblOsInfo->UseSkinColor(), !okOnly);
        EXPECT_EQ(dialog.pnlCommands->height(), 43);
        // Either button closes the dialog with OK.
        dialog.open();
        (okOnly ? dialog.pnlCommands->ButtonOk() : dialog.pnlCommands->ButtonCancel())->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST_F(AboutDialogTest, RunAboutDialogShowsModallyAndReleases)
{
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    QPointer<TFrmAbout> shown;
    int calls = 0;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<TFrmAbout*>(QApplication::activeModalWidget());
        if (shown)
            shown->pnlCommands->ButtonCancel()->click();
    });
    RunAboutDialog(&owner, [&](TOemData&, bool) {
        ++calls;
        return false;
    });
    EXPECT_EQ(calls, 1);
    // It was shown, and it is gone once the call returns.
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(owner.findChildren<TFrmAbout*>().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AboutDialogTest, ScreenReadersCanAnnounceEveryControl)
{
    TFrmAbout dialog(nullptr, NoBranding);
    dialog.show();
    for (int page = 0; page < dialog.PageControl->count(); ++page) {
        if (!dialog.PageControl->isTabVisible(page))
            continue;
        dialog.PageControl->setCurrentIndex(page);
        EXPECT_EQ(UnannouncedControls(&dialog).join(", ").toStdString(), "") << "page " << page;
    }
}

} // namespace
} // namespace vantor::test
