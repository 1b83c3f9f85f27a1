// The selector screens sizing with the demo installation's product data,
// through the engine library loaded as the shell loads it. The engine reads
// Data/ beside the running program, so these run in a scratch copy of this
// test program (see RunInScratchCopy).
#include "EngineHarness.h"
#include "testlib/ResultChecks.h"

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueSource.h"
#include "common/uConstants.h"
#include "dev/core/EngineTexts.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

using devengine::EngineText;
using devengine::TextId;

// Columns of the solution table.
enum { Ups, Configuration, Battery, Runtime, Loading, Price, Trace, New, AllRunning };

TEST(EngineSizing, ScreensSizeWithTheDemoProductData)
{
    if (!ScratchFolder().isEmpty())
        GTEST_SKIP() << "already the scratch copy";
    RunInScratchCopy("SizingScreens.*", [](const QString& AFolder) {
        const QString demoData = QFileInfo(QStringLiteral(VANTOR_ENGINE_LIBRARY)).path() + QStringLiteral("/Data/");
        QDir().mkpath(AFolder + QStringLiteral("Data"));
        for (const char* name : {"Data.vt4", "Devices.vt4"})
            ASSERT_TRUE(
                QFile::copy(demoData + QLatin1String(name), AFolder + QStringLiteral("Data/") + QLatin1String(name)))
                << name;
    });
}

// Receives the URLs the screens ask the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Open(const QUrl& AUrl) { Urls.append(AUrl); }
};

class SizingScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ScratchFolder().isEmpty())
            GTEST_SKIP() << "runs in the scratch copy made by EngineSizing.ScreensSizeWithTheDemoProductData";
        ASSERT_TRUE(engine.IsLoaded());
        container.resize(1020, 582);
        record.Password = QString::fromLatin1(DatabasePassword);
        record.CataloguePath = folder.makeFolder(QStringLiteral("Catalogues/826")) + u'/';
        const tools::CatalogueSource demo =
            vantor::test::ValueOf(tools::ReadCatalogueSource(QStringLiteral(VANTOR_SOURCE_DIR "/demo/catalogues/826")));
        vantor::test::ExpectOk(
            tools::WriteDatabase(record.CataloguePath + QStringLiteral("Pricelist.vt4"), record.Password,
                                 tools::PricelistContent(demo.Code, demo.Validity, demo.Items), true));
    }

    void Open(TUpsSelectorProc ASelector)
    {
        engine.Uninitialize();
        TInfoVersion version{};
        ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
        ASelector();
        ASSERT_NE(EngineScreen(&container), nullptr);
    }

    template <typename T>
    T* Find(const char* AName)
    {
        QWidget* screen = EngineScreen(&container);
        return screen == nullptr ? nullptr : screen->findChild<T*>(QString::fromLatin1(AName));
    }

    QTableWidget* Table() { return Find<QTableWidget>("SolutionTable"); }

    QStringList Column(int AColumn)
    {
        QStringList texts;
        for (int row = 0; row < Table()->rowCount(); ++row)
            texts.append(Table()->item(row, AColumn)->text());
        return texts;
    }

    // The base selector's question: 6 kW at 0.9 for 15 minutes.
    void AskForSixKilowatts(double AMinutes = 15)
    {
        Find<QDoubleSpinBox>("LoadInput")->setValue(6000);
        Find<QDoubleSpinBox>("PowerFactorInput")->setValue(0.9);
        Find<QDoubleSpinBox>("AutonomyInput")->setValue(AMinutes);
    }

    LoadedEngine engine;
    TempFolder folder;
    QWidget container;
    InitRecord record{&container};
};

TEST_F(SizingScreens, TheBaseSelectorRanksSolutionsWithRuntimesAndPrices)
{
    Open(engine.SelectorBase);
    AskForSixKilowatts();
    EXPECT_TRUE(Find<QLabel>("SolutionSummary")->text().contains(QStringLiteral("6,000 W / 6,667 VA for 15 min")))
        << Find<QLabel>("SolutionSummary")->text().toStdString();
    ASSERT_GT(Table()->rowCount(), 3);
    // The smallest that carries 6,667 VA: the 10 kVA tower with one cabinet
    // (3,569.00 + 1,625.50 in the UK pricelist).
    EXPECT_EQ(Table()->item(0, Ups)->text(), QStringLiteral("B 010"));
    EXPECT_EQ(Table()->item(0, Price)->text(), QStringLiteral("5,194.50"));
    EXPECT_EQ(Table()->item(0, Battery)->text(), QStringLiteral("1 × D 240"));
    EXPECT_EQ(Table()->item(0, Battery)->toolTip(), QStringLiteral("1 × D 240 · 4 × 20 blocks"));
    EXPECT_FALSE(Table()->isColumnHidden(Price));
    EXPECT_TRUE(Table()->isColumnHidden(Trace));
    for (const QString& runtime : Column(Runtime)) {
        const double minutes = QLocale(QLocale::English).toDouble(runtime.section(u' ', 0, 0).remove(u','));
        EXPECT_GE(minutes, 15) << runtime.toStdString();
    }
    EXPECT_TRUE(Find<QPushButton>("QuoteButton")->isEnabled());

    // A load no UPS of the range carries says so.
    Find<QDoubleSpinBox>("LoadInput")->setValue(900'000);
    EXPECT_EQ(Table()->rowCount(), 0);
    EXPECT_TRUE(Find<QLabel>("SolutionSummary")->text().contains(QStringLiteral("No UPS")));
    EXPECT_FALSE(Find<QPushButton>("QuoteButton")->isEnabled());
    // Nothing to size, and autonomy beyond every table, are refused with a reason.
    Find<QDoubleSpinBox>("LoadInput")->setValue(0);
    EXPECT_TRUE(Find<QLabel>("SolutionSummary")->text().contains(QStringLiteral("above zero")));
    Find<QDoubleSpinBox>("LoadInput")->setValue(6000);
    Find<QDoubleSpinBox>("AutonomyInput")->setValue(1000);
    EXPECT_TRUE(Find<QLabel>("SolutionSummary")->text().contains(QStringLiteral("at most")));
    EXPECT_EQ(Table()->rowCount(), 0);
}

TEST_F(SizingScreens, PricesStayHiddenWhenTheShellHidesThem)
{
    record.ShowPrices = false;
    Open(engine.SelectorBase);
    AskForSixKilowatts();
    ASSERT_GT(Table()->rowCount(), 0);
    EXPECT_TRUE(Table()->isColumnHidden(Price));
    for (const QLabel* label : EngineScreen(&container)->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(QStringLiteral("5,194"))) << label->text().toStdString();
    for (int row = 0; row < Table()->rowCount(); ++row)
        EXPECT_EQ(Table()->item(row, Price), nullptr);
}

TEST_F(SizingScreens, EachOptionWordChangesTheList)
{
    const auto rowsWith = [this](const char* AOptions, double AMinutes) {
        record.Options = QString::fromLatin1(AOptions);
        Open(engine.SelectorBase);
        AskForSixKilowatts(AMinutes);
        return Table()->rowCount();
    };
    const int plain = rowsWith("", 15);
    const QStringList bySize = Column(Ups);
    EXPECT_GT(rowsWith("SHOW_ALLCFG", 15), plain);
    EXPECT_LT(rowsWith("HIDE_3PH_UPS", 15), plain);
    for (const QString& ups : Column(Ups))
        EXPECT_FALSE(ups.startsWith(u'T') || ups.startsWith(u'C') || ups.startsWith(u'F')) << ups.toStdString();

    rowsWith("SORT_BY_PRICE", 15);
    QList<double> prices;
    for (QString price : Column(Price))
        prices.append(price.remove(u',').toDouble());
    EXPECT_TRUE(std::is_sorted(prices.begin(), prices.end()));
    EXPECT_NE(Column(Ups), bySize);

    // Two hours need more cabinets than the models take.
    const int limited = rowsWith("", 120);
    EXPECT_GT(rowsWith("UNLIMITED_BATTCAB", 120), limited);
    const int shortToo = rowsWith("SHOW_AUTONOMY_LOWER", 120);
    EXPECT_GT(shortToo, limited);
    EXPECT_TRUE(Column(Runtime).last().contains(QStringLiteral("short of the autonomy")));
    EXPECT_FALSE(Column(Runtime).first().contains(QStringLiteral("short")));

    rowsWith("DEBUG_MODE", 15);
    EXPECT_FALSE(Table()->isColumnHidden(Trace));
    EXPECT_TRUE(Column(Trace).first().contains(QStringLiteral("W/cell"))) << Column(Trace).first().toStdString();
}

TEST_F(SizingScreens, TheAdvancedAndModularSelectorsAddRedundancyPhasesAndModules)
{
    Open(engine.SelectorAdvanced);
    Find<QDoubleSpinBox>("LoadInput")->setValue(6000);
    Find<QSpinBox>("RedundancyInput")->setValue(1);
    ASSERT_GT(Table()->rowCount(), 0);
    for (int row = 0; row < Table()->rowCount(); ++row) {
        // Parallel systems, or a single unit big enough for the load with
        // none left over, are not offered: every row has its spare unit.
        EXPECT_EQ(Table()->item(row, Configuration)->text(), QStringLiteral("N+1"));
        EXPECT_TRUE(Table()->item(row, Ups)->text().contains(u'×'));
    }
    EXPECT_EQ(Table()->item(0, Configuration)->toolTip().right(17), QStringLiteral("in parallel (N+1)"));
    Find<QWidget>("PhasesInput")->findChildren<QPushButton*>().at(2)->click(); // three-phase output
    ASSERT_GT(Table()->rowCount(), 0);
    for (const QString& ups : Column(Ups)) {
        const QString model = ups.section(u'×', -1).trimmed();
        EXPECT_TRUE(model.startsWith(u'T') || model.startsWith(u'F')) << ups.toStdString();
    }

    Open(engine.SelectorModular);
    Find<QDoubleSpinBox>("LoadInput")->setValue(30'000);
    ASSERT_GT(Table()->rowCount(), 0);
    // 33,333 VA in 20 kVA modules: 2 + 1 redundant in the 100 kVA frame.
    EXPECT_EQ(Table()->item(0, Ups)->text(), QStringLiteral("F 100"));
    EXPECT_EQ(Table()->item(0, Configuration)->text(), QStringLiteral("3 modules (N+1)"));
}

TEST_F(SizingScreens, TheSwitchOpensTheRuntimeCalculatorWithItsCurve)
{
    Open(engine.SelectorBase);
    ClearPanelCalls();
    QPushButton* runtime = nullptr;
    for (QPushButton* button : Find<QWidget>("SelectorSwitch")->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Runtime"))
            runtime = button;
    ASSERT_NE(runtime, nullptr);
    runtime->click();
    ProcessDeferredDeletes();
    ASSERT_NE(Find<QWidget>("CurveView"), nullptr);
    EXPECT_EQ(PanelCalls(), (std::vector<PanelCall>{{0, 1}}));
    Find<QComboBox>("ModelInput")->setCurrentIndex(Find<QComboBox>("ModelInput")->findData(QStringLiteral("B 6K0")));
    Find<QDoubleSpinBox>("LoadInput")->setValue(4000);
    Find<QSpinBox>("CabinetsInput")->setValue(1);
    const QString result = Find<QLabel>("RuntimeResult")->text();
    EXPECT_TRUE(result.startsWith(QStringLiteral("Runtime at 4,000 W: "))) << result.toStdString();
    EXPECT_TRUE(result.contains(QStringLiteral("1 × D 240"))) << result.toStdString();
    EXPECT_EQ(Find<QSpinBox>("CabinetsInput")->maximum(), 4) << "the model's limit";
    EXPECT_TRUE(Find<QPushButton>("SavePngButton")->isEnabled());
}

TEST_F(SizingScreens, AQuoteIsWrittenAsPdfAndOpened)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(folder.path()));
    qunsetenv("XDG_CONFIG_HOME");
    OpenedUrls opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    Open(engine.SelectorBase);
    AskForSixKilowatts();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("CustomerInput"))->setText(QStringLiteral("Harbour Clinic"));
        dialog->findChild<QLineEdit*>(QStringLiteral("ProjectInput"))->setText(QStringLiteral("Server room B"));
        dialog->accept();
    });
    Find<QPushButton>("QuoteButton")->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    qputenv("HOME", home);

    ASSERT_EQ(opened.Urls.size(), 1);
    const QString file = opened.Urls.first().toLocalFile();
    EXPECT_TRUE(file.startsWith(folder.path() + QStringLiteral("Documents/"))) << file.toStdString();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30'000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    for (const char* expected : {"Harbour Clinic", "Server room B", "B 010 UK", "D 240 UK", "5,194.50"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_TRUE(Find<QLabel>("FooterNote")->text().contains(file));
}

TEST_F(SizingScreens, RedundancyHoldsWithAUnitOutAndTheDetailsGiveTheInstallationData)
{
    Open(engine.SelectorAdvanced);
    Find<QDoubleSpinBox>("LoadInput")->setValue(15'000);
    Find<QSpinBox>("RedundancyInput")->setValue(1);
    ASSERT_GT(Table()->rowCount(), 0);
    EXPECT_FALSE(Table()->isColumnHidden(AllRunning));
    const QLocale english(QLocale::English);
    for (int row = 0; row < Table()->rowCount(); ++row) {
        const double out = english.toDouble(Table()->item(row, Runtime)->text().section(u' ', 0, 0).remove(u','));
        const double all = english.toDouble(Table()->item(row, AllRunning)->text().section(u' ', 0, 0).remove(u','));
        EXPECT_GE(out, 15) << Table()->item(row, Ups)->text().toStdString();
        EXPECT_GT(all, out);
    }
    EXPECT_TRUE(Find<QLabel>("SolutionSummary")->text().contains(QStringLiteral("with 1 redundant out")));

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QStringList facts;
        for (const QLabel* label : dialog->findChildren<QLabel*>(QStringLiteral("DetailsValue")))
            facts.append(label->accessibleName() + QStringLiteral(": ") + label->text());
        qApp->setProperty("facts", facts);
        dialog->reject();
    });
    ASSERT_TRUE(Find<QPushButton>("DetailsButton")->isEnabled());
    Find<QPushButton>("DetailsButton")->click();
    const QString facts = qApp->property("facts").toStringList().join(u'\n');
    for (const char* expected :
         {"End voltage: ", "V/cell, the UPS's own at this load", "Redundant units: N+1: the runtime holds with 1 out",
          "Runtime at end of life, 1 out: ", "Runtime, new batteries, all running: ", "BTU/h)",
          "Input protective device: ", "A on each input", "Recharge to 90 %: ", "Total weight: "})
        EXPECT_TRUE(facts.contains(QString::fromUtf8(expected))) << expected << "\n" << facts.toStdString();

    // Five megawatts: no model carries it, and the screen says so.
    Find<QDoubleSpinBox>("LoadInput")->setValue(5'000'000);
    EXPECT_EQ(Table()->rowCount(), 0);
    EXPECT_TRUE(Find<QLabel>("SolutionSummary")->text().contains(QStringLiteral("not even in parallel")));
    EXPECT_FALSE(Find<QPushButton>("DetailsButton")->isEnabled());
}

TEST_F(SizingScreens, TextsAndNumbersFollowTheLanguage)
{
    record.LanguageId = QStringLiteral("GER");
    Open(engine.SelectorBase);
    AskForSixKilowatts();
    constexpr int German = 2;
    EXPECT_EQ(Table()->horizontalHeaderItem(Runtime)->text(), EngineText(TextId::ColumnRuntime, German));
    EXPECT_NE(EngineText(TextId::ColumnRuntime, German), EngineText(TextId::ColumnRuntime, 0));
    EXPECT_EQ(Table()->item(0, Price)->text(), QStringLiteral("5.194,50"));
    EXPECT_TRUE(Find<QLabel>("SolutionSummary")->text().contains(QStringLiteral("6.000 W / 6.667 VA")))
        << Find<QLabel>("SolutionSummary")->text().toStdString();

    record.LanguageId = QStringLiteral("REF");
    Open(engine.SelectorBase);
    EXPECT_EQ(Table()->horizontalHeaderItem(Runtime)->text(), QStringLiteral("Runtime"));
}

TEST_F(SizingScreens, TheInventoryAddsUpTheDevices)
{
    Open(engine.SelectorBase);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("InventoryTable"));
        ASSERT_GE(table->rowCount(), 20);
        // Two of the first device and three of the second.
        const double first = table->item(0, 2)->text().remove(u',').toDouble();
        const double second = table->item(1, 2)->text().remove(u',').toDouble();
        qobject_cast<QSpinBox*>(table->cellWidget(0, 4))->setValue(2);
        qobject_cast<QSpinBox*>(table->cellWidget(1, 4))->setValue(3);
        qApp->setProperty("expectedWatts", 2 * first + 3 * second);
        dialog->accept();
    });
    Find<QPushButton>("InventoryButton")->click();
    const double expected = qApp->property("expectedWatts").toDouble();
    ASSERT_GT(expected, 0);
    EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>("LoadInput")->value(), expected);
    EXPECT_GT(Find<QDoubleSpinBox>("PowerFactorInput")->value(), 0.3);
    EXPECT_LE(Find<QDoubleSpinBox>("PowerFactorInput")->value(), 1.0);
}

} // namespace
} // namespace vantor::test

#include "EngineSizingScreenTest.moc"
