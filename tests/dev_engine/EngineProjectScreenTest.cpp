// Projects through the loaded engine: systems sized on the selectors and
// added, lines added on the project screen, saved, opened again, a system
// reopened and put back, opened against changed data, and exported. Runs
// in a scratch copy with the demo data (see RunInScratchCopy); the edits are
// in EngineProjectEditTest.cpp.
#include "ProjectScreenHarness.h"

#include <QDesktopServices>

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

// Receives the URLs the screens ask the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Open(const QUrl& AUrl) { Urls.append(AUrl); }
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

} // namespace
} // namespace vantor::test

#include "EngineProjectScreenTest.moc"
