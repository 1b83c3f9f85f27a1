// Projects through the loaded engine: systems sized on the selectors and
// added, lines added on the project screen, saved, opened again, a system
// reopened and put back, exported, and unsaved work a killed instance left
// offered at the next selector. Runs in a scratch copy with the demo data
// (see RunInScratchCopy).
#include "EngineHarness.h"
#include "testlib/ResultChecks.h"

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueSource.h"
#include "common/uConstants.h"
#include "dev/core/EngineTexts.h"
#include "testlib/TempFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace vantor::test {
namespace {

TEST(EngineProjects, ScreensKeepProjectsWithTheDemoProductData)
{
    if (!ScratchFolder().isEmpty())
        GTEST_SKIP() << "already the scratch copy";
    RunInScratchCopy("ProjectScreens.*", [](const QString& AFolder) {
        const QString demoData = QFileInfo(QStringLiteral(VANTOR_ENGINE_LIBRARY)).path() + QStringLiteral("/Data/");
        QDir().mkpath(AFolder + QStringLiteral("Data"));
        for (const char* name : {"Data.vt4", "Devices.vt4"})
            ASSERT_TRUE(
                QFile::copy(demoData + QLatin1String(name), AFolder + QStringLiteral("Data/") + QLatin1String(name)));
    });
}

// Runs AAnswer on the next modal dialog of class AClass once it is up (any
// dialog when empty); the caller then opens it. Several may wait at once.
void WhenModal(std::function<void(QWidget*)> AAnswer, const char* AClass = nullptr)
{
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, started, AAnswer, AClass] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool wanted = modal != nullptr && (AClass == nullptr || modal->inherits(AClass));
        if (!wanted && started->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (wanted)
            AAnswer(modal);
    });
    timer->start(10);
}

// AFile: a name in the folder the dialog opens at, or a whole path.
void ChooseFile(const QString& AFile, QString* AFolder = nullptr)
{
    WhenModal(
        [AFile, AFolder](QWidget* AModal) {
            auto* dialog = qobject_cast<QFileDialog*>(AModal);
            ASSERT_NE(dialog, nullptr);
            if (AFolder != nullptr)
                *AFolder = dialog->directory().absolutePath();
            // Typed, as a user would: selectFile leaves a suggested name alone.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(AFile);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        "QFileDialog");
}

void Answer(const QString& AButton, QString* AText = nullptr)
{
    WhenModal(
        [AButton, AText](QWidget* AModal) {
            auto* box = qobject_cast<QMessageBox*>(AModal);
            ASSERT_NE(box, nullptr);
            if (AText != nullptr)
                *AText = box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == AButton)
                    button->click();
        },
        "QMessageBox");
}

// Receives the URLs the screens ask the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Open(const QUrl& AUrl) { Urls.append(AUrl); }
};

class ProjectScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (ScratchFolder().isEmpty())
            GTEST_SKIP() << "runs in the scratch copy made by EngineProjects.ScreensKeepProjectsWithTheDemoProductData";
        ASSERT_TRUE(engine.IsLoaded());
        for (const char* name : {"HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME"})
            saved.append({name, qgetenv(name)});
        qputenv("HOME", QFile::encodeName(folder.path()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(folder.path() + QStringLiteral("state")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + QStringLiteral("config")));
        container.resize(1280, 760);
        record.Password = QString::fromLatin1(DatabasePassword);
        record.CataloguePath = folder.makeFolder(QStringLiteral("Catalogues/826")) + u'/';
        const tools::CatalogueSource demo =
            ValueOf(tools::ReadCatalogueSource(QStringLiteral(VANTOR_SOURCE_DIR "/demo/catalogues/826")));
        ExpectOk(tools::WriteDatabase(record.CataloguePath + QStringLiteral("Pricelist.vt4"), record.Password,
                                      tools::PricelistContent(demo.Code, demo.Validity, demo.Items), true));
        TInfoVersion version{};
        ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    }

    void TearDown() override
    {
        engine.Uninitialize();
        for (const auto& [name, value] : saved)
            qputenv(name, value);
    }

    template <typename T>
    T* Find(const char* AName)
    {
        QWidget* screen = EngineScreen(&container);
        return screen == nullptr ? nullptr : screen->findChild<T*>(QString::fromLatin1(AName));
    }

    void Click(const char* AName)
    {
        QPushButton* button = Find<QPushButton>(AName);
        ASSERT_NE(button, nullptr) << AName;
        ASSERT_TRUE(button->isEnabled()) << AName;
        button->click();
        ProcessDeferredDeletes();
    }

    // Sizes AWatts on the open selector and chooses the first solution.
    void Size(double AWatts)
    {
        Find<QDoubleSpinBox>("LoadInput")->setValue(AWatts);
        auto* table = Find<QTableWidget>("SolutionTable");
        ASSERT_GT(table->rowCount(), 0);
        table->selectRow(0);
    }

    QTreeWidget* Tree() { return Find<QTreeWidget>("ProjectTree"); }

    // The rows of the tree as "system/line: code", for comparing.
    QStringList Rows()
    {
        QStringList rows;
        for (int top = 0; top < Tree()->topLevelItemCount(); ++top) {
            const QTreeWidgetItem* item = Tree()->topLevelItem(top);
            rows.append(item->text(0) + QStringLiteral(": ") + item->text(1));
            for (int child = 0; child < item->childCount(); ++child)
                if (!item->child(child)->isFirstColumnSpanned()) // the system's figures
                    rows.append(QStringLiteral("  ") + item->child(child)->text(0).left(24) + QStringLiteral(": ") +
                                item->child(child)->text(1));
        }
        return rows;
    }

    void Screenshot(const char* AName)
    {
        if (const QString target = qEnvironmentVariable("VANTOR_ENGINE_SCREENSHOTS"); !target.isEmpty()) {
            EXPECT_TRUE(container.grab().save(target + u'/' + QLatin1String(AName)));
        }
    }

    LoadedEngine engine;
    TempFolder folder;
    QWidget container;
    InitRecord record{&container};
    QList<QPair<const char*, QByteArray>> saved;
};

TEST_F(ProjectScreens, SystemsAndLinesSurviveSaveNewAndOpenAndASystemIsPutBackChanged)
{
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Size(15'000);
    Click("AddToProjectButton");
    EXPECT_TRUE(Find<QLabel>("FooterNote")->text().contains(QStringLiteral("System 2")));
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().contains(QStringLiteral("2 systems")));
    Screenshot("selector-project.png");

    Click("ProjectViewButton");
    ASSERT_NE(Tree(), nullptr);
    ASSERT_EQ(Tree()->topLevelItemCount(), 2);
    // Two of the first system's accessories, from the first two kinds.
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    auto* accessories = Find<QTreeWidget>("AccessoryList");
    ASSERT_GE(accessories->topLevelItemCount(), 2);
    QStringList added;
    for (int kind = 0; kind < 2; ++kind) {
        QTreeWidgetItem* offer = accessories->topLevelItem(kind)->child(0);
        ASSERT_NE(offer, nullptr);
        added.append(offer->text(0));
        accessories->setCurrentItem(offer);
        Click("AddAccessoryButton");
    }
    Tree()->setCurrentItem(nullptr);
    Find<QLineEdit>("FreeTextInput")->setText(QStringLiteral("Cable works"));
    Find<QDoubleSpinBox>("FreeTextPrice")->setValue(480);
    Click("AddFreeTextButton");
    Find<QLineEdit>("CustomerName")->setText(QStringLiteral("Harbour Clinic"));
    Find<QLineEdit>("CustomerName")->textEdited(QStringLiteral("Harbour Clinic"));
    const QStringList sized = Rows();
    ASSERT_EQ(sized.size(), 6) << sized.join(u'\n').toStdString();
    EXPECT_TRUE(sized[1].endsWith(added[0])) << sized[1].toStdString();
    EXPECT_TRUE(sized[2].endsWith(added[1])) << sized[2].toStdString();
    EXPECT_TRUE(sized[5].startsWith(QStringLiteral("  Cable works"))) << sized[5].toStdString();
    // Net of both systems, two cards and the free line; VAT from the terms.
    EXPECT_TRUE(Find<QLabel>("ProjectTotals")->text().contains(QStringLiteral("Net total"))) << "prices shown";
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    Screenshot("project-view.png");

    // Saved into the projects' folder, made for it.
    QString projects;
    ChooseFile(QStringLiteral("clinic"), &projects);
    Click("SaveProjectButton");
    EXPECT_TRUE(projects.endsWith(QStringLiteral("/Documents/Vantor Projects"))) << projects.toStdString();
    const QString file = projects + QStringLiteral("/clinic.vantor");
    ASSERT_TRUE(QFile::exists(file)) << Find<QLabel>("FooterNote")->text().toStdString();
    EXPECT_FALSE(Find<QLabel>("ProjectName")->text().contains(QStringLiteral("unsaved")));
    Click("NewProjectButton");
    EXPECT_EQ(Tree()->topLevelItemCount(), 0);
    ChooseFile(file);
    Click("OpenProjectButton");
    EXPECT_EQ(Find<QLabel>("ProjectName")->toolTip(), file);
    EXPECT_EQ(Rows(), sized);
    EXPECT_EQ(Find<QLineEdit>("CustomerName")->text(), QStringLiteral("Harbour Clinic"));

    // Reopened, the second system's inputs are back on its selector; put
    // back with a bigger load, it replaces the system and keeps its name.
    Tree()->setCurrentItem(Tree()->topLevelItem(1));
    Click("ReopenButton");
    ASSERT_NE(Find<QTableWidget>("SolutionTable"), nullptr);
    EXPECT_EQ(Find<QDoubleSpinBox>("LoadInput")->value(), 15'000);
    EXPECT_EQ(Find<QPushButton>("AddToProjectButton")->text(), QStringLiteral("Put back into project"));
    Size(60'000);
    Click("AddToProjectButton");
    ASSERT_NE(Tree(), nullptr) << "back on the project screen";
    ASSERT_EQ(Tree()->topLevelItemCount(), 3);
    EXPECT_EQ(Tree()->topLevelItem(1)->text(0), QStringLiteral("System 2"));
    EXPECT_NE(Tree()->topLevelItem(1)->text(1), sized[3].section(QStringLiteral(": "), 1));
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().contains(QStringLiteral("unsaved")));

    // Changed work is not dropped silently: New asks first.
    QString question;
    Answer(QStringLiteral("Cancel"), &question);
    Click("NewProjectButton");
    EXPECT_TRUE(question.contains(QStringLiteral("unsaved changes"))) << question.toStdString();
    EXPECT_EQ(Tree()->topLevelItemCount(), 3);

    // The CSV export draws the quote number and keeps it in the project.
    const QString csv = folder.path() + QStringLiteral("clinic.csv");
    ChooseFile(csv);
    Click("ExportCsvButton");
    ASSERT_TRUE(QFile::exists(csv)) << Find<QLabel>("FooterNote")->text().toStdString();
    EXPECT_TRUE(Find<QLabel>("QuoteNumber")->text().startsWith(QStringLiteral("Q-"))) << "issued";
    EXPECT_TRUE(folder.read(QStringLiteral("clinic.csv")).contains(added[0].toUtf8()));
}

TEST_F(ProjectScreens, OpeningMarksWhatTheCatalogueLostAndOffersTodaysPrices)
{
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Size(15'000);
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    Find<QLineEdit>("PricelistSearch")->setText(QStringLiteral("N SNM"));
    Find<QTreeWidget>("SearchResults")->setCurrentItem(Find<QTreeWidget>("SearchResults")->topLevelItem(0));
    Click("AddFoundButton");
    const QString file = folder.path() + QStringLiteral("check.vantor");
    ChooseFile(file);
    Click("SaveProjectAsButton");
    ASSERT_TRUE(QFile::exists(file)) << Find<QLabel>("FooterNote")->text().toStdString();

    // Saved at another price, and the second system with a model since gone.
    QByteArray text = folder.read(QStringLiteral("check.vantor"));
    ASSERT_TRUE(text.contains("\"unitPrice\": 245\n"));
    text.replace("\"unitPrice\": 245\n", "\"unitPrice\": 199\n");
    ASSERT_TRUE(text.contains("\"model\": \"C 020\""));
    text.replace("\"model\": \"C 020\"", "\"model\": \"C 099\"");
    folder.write(QStringLiteral("check.vantor"), text);
    const QString damaged = folder.write(QStringLiteral("damaged.vantor"), "{\"schema\": 1, \"systems\": [");

    // A damaged file says so and changes nothing.
    Click("NewProjectButton");
    QString message;
    Answer(QStringLiteral("OK"), &message);
    ChooseFile(damaged);
    Click("OpenProjectButton");
    EXPECT_TRUE(message.contains(QStringLiteral("damaged")) || message.contains(QStringLiteral("JSON")))
        << message.toStdString();
    EXPECT_EQ(Tree()->topLevelItemCount(), 0);

    QString prices;
    Answer(QStringLiteral("Take today's prices"), &prices);
    ChooseFile(file);
    Click("OpenProjectButton");
    EXPECT_TRUE(prices.contains(QStringLiteral("N SNM UK is now 245.00 (199.00 when saved)"))) << prices.toStdString();
    ASSERT_EQ(Tree()->topLevelItemCount(), 2);
    const QTreeWidgetItem* card = Tree()->topLevelItem(0)->child(1);
    EXPECT_EQ(card->text(4), QStringLiteral("245.00"));
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().contains(QStringLiteral("unsaved"))) << "prices were taken";
    const QTreeWidgetItem* gone = Tree()->topLevelItem(1);
    EXPECT_TRUE(gone->child(0)->text(0).contains(QStringLiteral("no longer in the catalogue")));
    EXPECT_FALSE(Tree()->topLevelItem(0)->child(0)->text(0).contains(QStringLiteral("no longer")));
    EXPECT_TRUE(Find<QLabel>("FooterNote")->text().contains(QStringLiteral("reopen the marked systems")));
}

TEST_F(ProjectScreens, TotalsFollowQuantitiesDiscountsAndVatAndTheQuoteTakesTheSellersPrefix)
{
    engine.SelectorBase();
    Size(6000); // B 010 with one D 240: 5,194.50
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    Find<QLineEdit>("FreeTextInput")->setText(QStringLiteral("Cable works"));
    Find<QDoubleSpinBox>("FreeTextPrice")->setValue(100);
    Click("AddFreeTextButton");
    const auto totals = [this] { return Find<QLabel>("ProjectTotals")->text(); };
    EXPECT_TRUE(totals().contains(QStringLiteral("Net total £5,294.50"))) << totals().toStdString();

    // Three at 10 % off, then 20 % VAT, all without a rebuild of the rows.
    QTreeWidgetItem* line = Tree()->topLevelItem(1)->child(0);
    qobject_cast<QSpinBox*>(Tree()->itemWidget(line, 2))->setValue(3);
    qobject_cast<QDoubleSpinBox*>(Tree()->itemWidget(line, 3))->setValue(10);
    EXPECT_EQ(line->text(5), QStringLiteral("270.00"));
    // The catalogue's 20 % VAT.
    EXPECT_EQ(Find<QDoubleSpinBox>("VatPercent")->value(), 20);
    EXPECT_TRUE(totals().contains(QStringLiteral("Net total £5,464.50"))) << totals().toStdString();
    EXPECT_TRUE(totals().contains(QStringLiteral("VAT £1,092.90"))) << totals().toStdString();
    EXPECT_TRUE(totals().contains(QStringLiteral("£6,557.40"))) << totals().toStdString();
    // The overall discount comes off the subtotal.
    Find<QDoubleSpinBox>("OverallDiscount")->setValue(50);
    EXPECT_TRUE(totals().contains(QStringLiteral("Net total £2,732.25"))) << totals().toStdString();

    // An item the pricelist quotes on request adds no amount, and says so.
    Find<QLineEdit>("PricelistSearch")->setText(QStringLiteral("S 24H"));
    auto* found = Find<QTreeWidget>("SearchResults");
    ASSERT_EQ(found->topLevelItemCount(), 1);
    EXPECT_EQ(found->topLevelItem(0)->text(2), QStringLiteral("On request"));
    found->setCurrentItem(found->topLevelItem(0));
    Click("AddFoundButton");
    EXPECT_EQ(Tree()->topLevelItem(1)->child(1)->text(5), QStringLiteral("price on request"));
    EXPECT_TRUE(totals().contains(QStringLiteral("Net total £2,732.25"))) << totals().toStdString();
    Tree()->setCurrentItem(Tree()->topLevelItem(1)->child(1));
    Click("RemoveButton");

    // Removing the line takes its amount away.
    line = Tree()->topLevelItem(1)->child(0);
    Tree()->setCurrentItem(line);
    Click("RemoveButton");
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_TRUE(totals().contains(QStringLiteral("Net total £2,597.25"))) << totals().toStdString();

    // The seller's prefix numbers the quote; the PDF is opened once written.
    WhenModal([](QWidget* AModal) {
        AModal->findChild<QLineEdit*>(QStringLiteral("SellerName"))->setText(QStringLiteral("Ada Lind"));
        AModal->findChild<QLineEdit*>(QStringLiteral("QuotePrefix"))->setText(QStringLiteral("HC-{year}/"));
        QMetaObject::invokeMethod(AModal, "accept");
    });
    Click("SellerButton");
    EXPECT_TRUE(folder.read(QStringLiteral("config/Vantor/DevEngine.ini")).contains("Ada Lind"));
    OpenedUrls opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    const QString pdf = folder.path() + QStringLiteral("clinic.pdf");
    ChooseFile(pdf);
    Click("ExportPdfButton");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(opened.Urls.size(), 1) << Find<QLabel>("FooterNote")->text().toStdString();
    EXPECT_EQ(opened.Urls.first().toLocalFile(), pdf);
    const QString number = Find<QLabel>("QuoteNumber")->text();
    EXPECT_EQ(number, QStringLiteral("HC-%1/0001").arg(QDate::currentDate().year()));
    // A second export keeps the number.
    const QString xlsx = folder.path() + QStringLiteral("clinic.xlsx");
    ChooseFile(xlsx);
    Click("ExportXlsxButton");
    EXPECT_TRUE(QFile::exists(xlsx)) << Find<QLabel>("FooterNote")->text().toStdString();
    EXPECT_EQ(Find<QLabel>("QuoteNumber")->text(), number);
}

TEST_F(ProjectScreens, SystemsAreRenamedInPlaceAndRemovedWithTheirLines)
{
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Size(15'000);
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    auto* accessories = Find<QTreeWidget>("AccessoryList");
    accessories->setCurrentItem(accessories->topLevelItem(0)->child(0));
    Click("AddAccessoryButton");
    ASSERT_EQ(Tree()->topLevelItem(0)->childCount(), 2);

    Tree()->topLevelItem(1)->setText(0, QStringLiteral("Server room B"));
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    Click("RemoveButton");
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), QStringLiteral("Server room B"));
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), 1) << "only its figures: the first system's line went with it";
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().contains(QStringLiteral("1 systems")));

    // The name is the project's, and a quote's: it is saved with it.
    const QString file = folder.path() + QStringLiteral("renamed.vantor");
    ChooseFile(file);
    Click("SaveProjectButton");
    EXPECT_TRUE(folder.read(QStringLiteral("renamed.vantor")).contains("\"name\": \"Server room B\""));
}

TEST_F(ProjectScreens, HiddenPricesAreNowhereOnTheProjectScreen)
{
    record.ShowPrices = false;
    TInfoVersion version{};
    ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    Find<QLineEdit>("PricelistSearch")->setText(QStringLiteral("N SNM"));
    ASSERT_EQ(Find<QTreeWidget>("SearchResults")->topLevelItemCount(), 1);
    EXPECT_TRUE(Find<QTreeWidget>("SearchResults")->isColumnHidden(2));
    EXPECT_TRUE(Tree()->isColumnHidden(4));
    EXPECT_TRUE(Tree()->isColumnHidden(5));
    EXPECT_FALSE(Find<QLabel>("ProjectTotals")->isVisibleTo(EngineScreen(&container)));
    for (const QLabel* label : EngineScreen(&container)->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(QStringLiteral("5,194"))) << label->text().toStdString();
}

TEST_F(ProjectScreens, ChangesReachTheRecoveryFileSoonAndSavedFilesTheRecentList)
{
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    // Held back for a moment, then written without anything else happening.
    const QDir state(folder.path() + QStringLiteral("state/Vantor"));
    EXPECT_TRUE(state.entryList({QStringLiteral("*.json")}).isEmpty());
    QElapsedTimer waited;
    waited.start();
    while (state.entryList({QStringLiteral("*.json")}).isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(state.entryList({QStringLiteral("*.json")}).size(), 1);

    const QString file = folder.path() + QStringLiteral("recent.vantor");
    ChooseFile(file);
    Click("SaveProjectButton");
    EXPECT_TRUE(state.entryList({QStringLiteral("*.json")}).isEmpty()) << "a clean save clears the recovery";
    Click("NewProjectButton");
    QMenu* recent = Find<QPushButton>("RecentProjectsButton")->menu();
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions().first()->data().toString(), file);
    recent->actions().first()->trigger();
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().startsWith(QStringLiteral("recent  \u00B7  1 systems")))
        << Find<QLabel>("ProjectName")->text().toStdString();
}

TEST_F(ProjectScreens, ReopenedSystemsBringBackEverySelectorsInputs)
{
    engine.SelectorRuntime();
    auto* model = Find<QComboBox>("ModelInput");
    model->setCurrentIndex(model->findData(QStringLiteral("B 6K0")));
    Find<QDoubleSpinBox>("LoadInput")->setValue(4000);
    Find<QSpinBox>("CabinetsInput")->setValue(1);
    Click("AddToProjectButton");
    engine.SelectorAdvanced();
    Find<QSpinBox>("RedundancyInput")->setValue(1);
    Find<QDoubleSpinBox>("TemperatureInput")->setValue(30);
    Size(6000);
    Click("AddToProjectButton");

    Click("ProjectViewButton");
    ASSERT_EQ(Tree()->topLevelItemCount(), 2);
    Tree()->setCurrentItem(Tree()->topLevelItem(0));
    Click("ReopenButton");
    ASSERT_NE(Find<QComboBox>("ModelInput"), nullptr) << "the runtime calculator";
    EXPECT_EQ(Find<QComboBox>("ModelInput")->currentData().toString(), QStringLiteral("B 6K0"));
    EXPECT_EQ(Find<QSpinBox>("CabinetsInput")->value(), 1);
    EXPECT_EQ(Find<QDoubleSpinBox>("LoadInput")->value(), 4000);
    // Leaving the selector drops the reopening: the next one adds again.
    Click("BackButton");
    engine.SelectorBase();
    EXPECT_EQ(Find<QPushButton>("AddToProjectButton")->text(), QStringLiteral("Add to project"));

    Click("ProjectViewButton");
    Tree()->setCurrentItem(Tree()->topLevelItem(1));
    Click("ReopenButton");
    ASSERT_NE(Find<QSpinBox>("RedundancyInput"), nullptr) << "the advanced selector";
    EXPECT_EQ(Find<QSpinBox>("RedundancyInput")->value(), 1);
    EXPECT_EQ(Find<QDoubleSpinBox>("TemperatureInput")->value(), 30);
    EXPECT_EQ(Find<QDoubleSpinBox>("LoadInput")->value(), 6000);
}

TEST_F(ProjectScreens, TheProjectScreenSpeaksTheLanguage)
{
    record.LanguageId = QStringLiteral("GER");
    TInfoVersion version{};
    ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    engine.SelectorBase();
    Size(6000);
    Click("AddToProjectButton");
    Click("ProjectViewButton");
    constexpr int German = 2;
    using devengine::EngineText;
    using devengine::TextId;
    EXPECT_EQ(Tree()->headerItem()->text(0), EngineText(TextId::ProjectItem, German));
    EXPECT_NE(EngineText(TextId::ProjectItem, German), EngineText(TextId::ProjectItem, 0));
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), EngineText(TextId::SystemNumber, German).arg(1));
    EXPECT_EQ(Tree()->topLevelItem(0)->text(5), QStringLiteral("5.194,50"));
    EXPECT_TRUE(Find<QLabel>("ProjectTotals")
                    ->text()
                    .contains(EngineText(TextId::NetTotal, German) + QStringLiteral(" 5.194,50")))
        << Find<QLabel>("ProjectTotals")->text().toStdString();
    EXPECT_EQ(Find<QPushButton>("NewProjectButton")->text(), EngineText(TextId::ProjectNew, German));
}

TEST_F(ProjectScreens, WorkOfAKilledInstanceIsOfferedAtTheNextSelector)
{
    QProcess probe;
    probe.start(QStringLiteral(VANTOR_PROJECT_PROBE),
                {QStringLiteral("recover"), folder.path() + QStringLiteral("state/Vantor"), QStringLiteral("-1")});
    ASSERT_TRUE(probe.waitForFinished(30'000));
    ASSERT_EQ(probe.exitStatus(), QProcess::CrashExit);

    QString question;
    Answer(QStringLiteral("Restore"), &question);
    engine.SelectorBase();
    QElapsedTimer waited;
    waited.start();
    while (question.isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(question.startsWith(QStringLiteral("Unsaved work on the project /projects/seven.vantor")))
        << question.toStdString();
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().startsWith(QStringLiteral("Project 7 (unsaved)")))
        << Find<QLabel>("ProjectName")->text().toStdString();

    // Restored, it is this instance's own work now: the next opening asks
    // nothing, and a closed engine leaves it for the one after.
    engine.SelectorAdvanced();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    engine.Uninitialize();
    TInfoVersion version{};
    ASSERT_EQ(engine.Initialize(record.Get(), &version, &version, &version), ENGINE_INIT_OK);
    question.clear();
    Answer(QStringLiteral("Discard"), &question);
    engine.SelectorBase();
    waited.restart();
    while (question.isEmpty() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(question.isEmpty()) << "the unsaved work was offered again";
    EXPECT_TRUE(Find<QLabel>("ProjectName")->text().startsWith(QStringLiteral("New project")));
    EXPECT_TRUE(QDir(folder.path() + QStringLiteral("state/Vantor")).entryList({QStringLiteral("*.json")}).isEmpty());
}

} // namespace
} // namespace vantor::test

#include "EngineProjectScreenTest.moc"
