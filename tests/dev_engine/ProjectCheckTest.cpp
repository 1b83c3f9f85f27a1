// A saved project against today's catalogue and pricelist.
#include "dev/core/ProjectCheck.h"
#include "mock/SampleProject.h"

#include <gtest/gtest.h>

namespace vantor::devengine {
namespace {

const EngineTexts English(QStringLiteral("ENG"));

struct Today {
    ProductData Data;
    ModelPrices Prices;
    Pricelist List;
};

// What the sample project was saved with.
Today AsSaved()
{
    Today today;
    UpsModel model;
    model.Code = QStringLiteral("B 6K0");
    today.Data.Models.append(model);
    today.Data.Cabinets.append({QStringLiteral("CAB 6"), QStringLiteral("BLOCK"), 2});
    today.Prices.Prices = {{QStringLiteral("B 6K0"), 1000}, {QStringLiteral("CAB 6"), 300}};
    today.List.Readable = true;
    for (const int i : {0, 100})
        today.List.Items.append({QStringLiteral("ACC %1 IT").arg(i), {}, 12.5 + i * 0.1});
    return today;
}

TEST(ProjectCheck, NothingToReportAsSaved)
{
    const Today today = AsSaved();
    EXPECT_TRUE(CheckProject(test::SampleProject(1), today.Data, today.Prices, today.List).size() == 2);
    // The two lines saved without a price that now have one; nothing else.
    for (const ProjectFinding& finding : CheckProject(test::SampleProject(1), today.Data, today.Prices, today.List)) {
        EXPECT_EQ(finding.Kind, ProjectFindingKind::PriceChanged);
        EXPECT_FALSE(finding.SavedPrice.has_value());
        EXPECT_EQ(finding.Line, 0);
    }
}

TEST(ProjectCheck, DiscontinuedMissingAndChangedPricesThenTakingThem)
{
    Today today = AsSaved();
    today.Prices.Prices[QStringLiteral("CAB 6")] = 350;
    today.List.Items[1].Price = 20;
    Project project = test::SampleProject(1);
    project.Systems[0].Lines[0].UnitPrice = 12.5;
    project.Systems[1].Lines[0].UnitPrice = 12.5;
    project.Systems.append(project.Systems[0]);
    project.Systems[2].Name.clear();
    project.Systems[2].Solution->Model = QStringLiteral("B 9K0");
    project.Systems[0].Lines.append(test::SampleLine(5, true)); // ACC 5 IT, not in the pricelist

    const QList<ProjectFinding> findings = CheckProject(project, today.Data, today.Prices, today.List);
    QStringList texts;
    for (const ProjectFinding& finding : findings)
        texts.append(FindingText(finding, project, English));
    EXPECT_EQ(texts, QStringList({
                         "Room 1: the price of B 6K0 is now 2,700.00 (2,600.00 when saved).",
                         "Room 1: ACC 5 IT is no longer in the pricelist.",
                         "Room 2: the price of B 6K0 is now 2,700.00 (2,600.00 when saved).",
                         "System 3: B 9K0 is no longer in the catalogue; size this system again.",
                         "Whole project: the price of ACC 100 IT is now 20.00 (22.50 when saved).",
                     }));
    EXPECT_FALSE(NeedsSizingAgain(findings, 0));
    EXPECT_TRUE(NeedsSizingAgain(findings, 2));

    ApplyPricesToday(project, findings);
    EXPECT_EQ(project.Systems[0].Solution->Price, 2700);
    EXPECT_EQ(project.Lines[0].UnitPrice, 20);
    EXPECT_EQ(project.Systems[2].Solution->Price, 2600); // to be sized again, not repriced
    const QList<ProjectFinding> after = CheckProject(project, today.Data, today.Prices, today.List);
    ASSERT_EQ(after.size(), 2);
    EXPECT_EQ(after[0].Kind, ProjectFindingKind::ItemMissing);
    EXPECT_EQ(after[1].Kind, ProjectFindingKind::ModelDiscontinued);

    // A cabinet gone; an unreadable pricelist says nothing about the lines.
    today.Data.Cabinets.clear();
    today.List = {};
    const QList<ProjectFinding> noCabinet = CheckProject(project, today.Data, today.Prices, today.List);
    ASSERT_EQ(noCabinet.size(), 3);
    for (const ProjectFinding& finding : noCabinet)
        EXPECT_EQ(finding.Kind, ProjectFindingKind::ModelDiscontinued);
    EXPECT_EQ(noCabinet[0].Code, "CAB 6");
}

} // namespace
} // namespace vantor::devengine
