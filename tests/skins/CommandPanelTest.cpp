#include "skins/VantorComponents.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// Restores the program-wide records the panel reads, and the application's
// style sheet, after each test.
class CommandPanelTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        GlobalSetupData.UsageType = savedUsage;
        CommandPanelStyle = savedStyle;
        qApp->setStyleSheet(QString());
    }

    void UseVariant(TUsageType usage)
    {
        GlobalSetupData.UsageType = usage;
        SetCommandPanelStyle(usage);
    }

    const TUsageType savedUsage = GlobalSetupData.UsageType;
    const TCommandPanelStyle savedStyle = CommandPanelStyle;
};

// A dialog as wide as the setup dialog with the panel at its foot; its stored
// tab order puts Cancel before OK.
struct SetupSizedDialog {
    SetupSizedDialog()
    {
        auto* layout = new QVBoxLayout(&dialog);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new QLineEdit(&dialog), 1); // stands for the page control
        panel = new TCommandPanelEx(&dialog);
        layout->addWidget(panel);
        panel->SetOkFirstInTabOrder(false);
        dialog.resize(423, 350);
        dialog.show();
        QApplication::processEvents();
    }
    QDialog dialog;
    TCommandPanelEx* panel = nullptr;
};

TEST_F(CommandPanelTest, AFreshPanelHoldsOkAndCancelAtItsRightEnd)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    TCommandPanelEx panel(&dialog);
    layout->addWidget(&panel);
    dialog.resize(500, 200);
    dialog.show();
    QApplication::processEvents();

    EXPECT_EQ(panel.width(), 500); // spans the dialog
    EXPECT_EQ(panel.height(), 44);
    EXPECT_EQ(panel.y() + panel.height(), dialog.height());
    EXPECT_EQ(SkinSection(&panel), "COMMAND_PANEL");
    EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);

    TSkinButton* ok = panel.ButtonOk();
    TSkinButton* cancel = panel.ButtonCancel();
    EXPECT_EQ(cancel->geometry(), QRect(410, 8, 80, 30));
    EXPECT_EQ(ok->geometry(), QRect(325, 8, 80, 30));
    EXPECT_EQ(ok->objectName(), "ButtonOk");
    EXPECT_EQ(ok->text(), "ButtonOk");
    EXPECT_EQ(cancel->objectName(), "ButtonCancel");
    EXPECT_EQ(cancel->text(), "ButtonCancel");
    EXPECT_FALSE(ok->ShowFocusRect());
    EXPECT_FALSE(cancel->ShowFocusRect());
    EXPECT_TRUE(ok->isVisible());
    EXPECT_TRUE(cancel->isVisible());
    EXPECT_TRUE(panel.OkFirstInTabOrder());
    EXPECT_EQ(ok->nextInFocusChain(), cancel);

    // Anchored to the right edge: widening the dialog moves both buttons along.
    dialog.resize(650, 200);
    QApplication::processEvents();
    EXPECT_EQ(cancel->x(), 560);
    EXPECT_EQ(ok->x(), 475);
    EXPECT_EQ(cancel->y(), 8);
}

TEST_F(CommandPanelTest, TabOrderCanBeSetWhenTheButtonsEndTheFocusChain)
{
    QDialog dialog;
    auto* first = new QLineEdit(&dialog);
    TCommandPanelEx panel(&dialog);
    panel.SetOkFirstInTabOrder(false);
    EXPECT_FALSE(panel.OkFirstInTabOrder());
    EXPECT_EQ(panel.ButtonCancel()->nextInFocusChain(), panel.ButtonOk());
    panel.SetOkFirstInTabOrder(true);
    EXPECT_TRUE(panel.OkFirstInTabOrder());
    EXPECT_EQ(panel.ButtonOk()->nextInFocusChain(), panel.ButtonCancel());
    EXPECT_EQ(first->nextInFocusChain(), &panel); // nothing else moved
}

TEST_F(CommandPanelTest, PorvikPutsABoldOkRightOfCancelAndFirstInTabOrder)
{
    UseVariant(TUsageType::utPorvik);
    SetupSizedDialog setup;
    TCommandPanelEx* panel = setup.panel;
    ASSERT_EQ(panel->ButtonOk()->x(), 248);
    ASSERT_FALSE(panel->OkFirstInTabOrder());

    panel->ArrangeButtons(true);
    QApplication::processEvents();
    EXPECT_EQ(panel->height(), 43);
    EXPECT_EQ(panel->ButtonCancel()->geometry(), QRect(248, 9, 80, 30));
    EXPECT_EQ(panel->ButtonOk()->geometry(), QRect(333, 9, 80, 30));
    EXPECT_TRUE(panel->OkFirstInTabOrder());
    EXPECT_EQ(panel->ButtonOk()->nextInFocusChain(), panel->ButtonCancel());
    EXPECT_EQ(SkinSection(panel->ButtonOk()), "BUTTON_OK");
    EXPECT_TRUE(panel->ButtonOk()->font().bold());
    EXPECT_FALSE(panel->ButtonCancel()->font().bold());

    // A second call keeps the places but exchanges the tab order back.
    panel->ArrangeButtons(true);
    EXPECT_EQ(panel->ButtonOk()->x(), 333);
    EXPECT_EQ(panel->ButtonCancel()->x(), 248);
    EXPECT_FALSE(panel->OkFirstInTabOrder());
    EXPECT_EQ(panel->ButtonCancel()->nextInFocusChain(), panel->ButtonOk());

    // The exchanged places stay anchored to the right edge.
    setup.dialog.resize(523, 350);
    QApplication::processEvents();
    EXPECT_EQ(panel->ButtonOk()->x(), 433);
    EXPECT_EQ(panel->ButtonCancel()->x(), 348);
}

TEST_F(CommandPanelTest, MaronelKeepsOkLeftAndRegular)
{
    UseVariant(TUsageType::utMaronel);
    SetupSizedDialog setup;
    TCommandPanelEx* panel = setup.panel;
    panel->ArrangeButtons(true);
    EXPECT_EQ(panel->height(), 43);
    EXPECT_EQ(panel->ButtonOk()->geometry(), QRect(248, 9, 80, 30));
    EXPECT_EQ(panel->ButtonCancel()->geometry(), QRect(333, 9, 80, 30));
    EXPECT_FALSE(panel->OkFirstInTabOrder()); // the dialog's own order stands
    EXPECT_EQ(SkinSection(panel->ButtonOk()), "BUTTON_OK");
    EXPECT_FALSE(panel->ButtonOk()->font().bold());
}

TEST_F(CommandPanelTest, WithoutHighlightOkKeepsItsSectionAndFont)
{
    UseVariant(TUsageType::utPorvik);
    SetupSizedDialog setup;
    SetSkinSection(setup.panel->ButtonOk(), QStringLiteral("BUTTON"));
    setup.panel->ArrangeButtons(false);
    EXPECT_EQ(SkinSection(setup.panel->ButtonOk()), "BUTTON");
    EXPECT_FALSE(setup.panel->ButtonOk()->font().bold());
    EXPECT_EQ(setup.panel->ButtonOk()->x(), 333);
}

TEST_F(CommandPanelTest, SetButtonWidthKeepsMarginGapAndOrder)
{
    UseVariant(TUsageType::utPorvik);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* panel = new TCommandPanelEx(&dialog);
    layout->addWidget(panel);
    dialog.resize(519, 308);
    dialog.show();
    QApplication::processEvents();

    panel->SetButtonWidth(85);
    EXPECT_EQ(panel->ButtonCancel()->geometry(), QRect(424, 8, 85, 30));
    EXPECT_EQ(panel->ButtonOk()->geometry(), QRect(334, 8, 85, 30));
    panel->ArrangeButtons(true);
    panel->SetButtonWidth(90);
    EXPECT_EQ(panel->ButtonOk()->x(), 519 - 100);
    EXPECT_EQ(panel->ButtonCancel()->x(), 519 - 195);
}

TEST_F(CommandPanelTest, ShowSingleButtonKeepsOkOnlyForPorvikAndSandel)
{
    for (TUsageType usage : {TUsageType::utMaronel, TUsageType::utKelvra, TUsageType::utPorvik, TUsageType::utSandel,
                             TUsageType::utQuillon, TUsageType::utGeneric, TUsageType::utWebMaronel}) {
        SCOPED_TRACE(static_cast<int>(usage));
        TCommandPanelEx panel;
        panel.ShowSingleButton(usage);
        const bool okOnly = usage == TUsageType::utPorvik || usage == TUsageType::utSandel;
        EXPECT_EQ(panel.ButtonOk()->isVisibleTo(&panel), okOnly);
        EXPECT_EQ(panel.ButtonCancel()->isVisibleTo(&panel), !okOnly);
    }
}

TEST_F(CommandPanelTest, ApplyLabelColorsOverridesTheSkinOnlyWhereTheStyleSaysSo)
{
    qApp->setStyleSheet(QStringLiteral("QLabel { color: #ff0000; }"));
    const QColor skinColor(0xff, 0, 0);

    for (TUsageType usage : {TUsageType::utPorvik, TUsageType::utKelvra}) {
        SCOPED_TRACE(static_cast<int>(usage));
        UseVariant(usage);
        QDialog dialog;
        auto* panel = new TCommandPanelEx(&dialog);
        auto* osInfo = new TSkinLabel(QStringLiteral("os"), panel);
        auto* memory = new TSkinLabel(QStringLiteral("memory"), panel);
        auto* plain = new QLabel(QStringLiteral("plain"), panel);
        auto* inner = new QWidget(panel);
        auto* nested = new TSkinLabel(QStringLiteral("nested"), inner);
        panel->ApplyLabelColors();
        dialog.show();
        QApplication::processEvents();

        const bool white = usage == TUsageType::utPorvik;
        for (TSkinLabel* label : {osInfo, memory}) {
            EXPECT_EQ(label->UseSkinColor(), !white);
            EXPECT_EQ(label->palette().color(QPalette::WindowText), white ? QColor(Qt::white) : skinColor);
        }
        // Only skinned labels placed directly on the panel are touched.
        EXPECT_EQ(plain->palette().color(QPalette::WindowText), skinColor);
        EXPECT_TRUE(nested->UseSkinColor());
        EXPECT_EQ(nested->palette().color(QPalette::WindowText), skinColor);
    }
}

TEST_F(CommandPanelTest, SkinLabelGoesBackToTheSkinColour)
{
    qApp->setStyleSheet(QStringLiteral("QLabel { color: #ff0000; }"));
    QWidget window;
    auto* label = new TSkinLabel(QStringLiteral("text"), &window);
    window.show();
    label->SetFontColor(Qt::blue);
    label->SetUseSkinColor(false);
    QApplication::processEvents();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    label->SetUseSkinColor(true);
    QApplication::processEvents();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0xff, 0, 0));
}

TEST_F(CommandPanelTest, ChangingTheSectionOfAShownWidgetRestylesItAndKeepsItsFont)
{
    qApp->setStyleSheet(QStringLiteral("QLabel { color: #ff0000; } *[skinSection=\"GREEN\"] { color: #00ff00; }"));
    QWidget window;
    auto* label = new QLabel(QStringLiteral("text"), &window);
    window.show();
    QApplication::processEvents();
    QFont font = label->font();
    font.setPixelSize(27);
    font.setBold(true);
    label->setFont(font);

    SetSkinSection(label, QStringLiteral("GREEN"));
    QApplication::processEvents();
    EXPECT_EQ(SkinSection(label), "GREEN");
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0xff, 0));
    EXPECT_EQ(label->font().pixelSize(), 27);
    EXPECT_TRUE(label->font().bold());

    SetSkinSection(label, QString());
    QApplication::processEvents();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0xff, 0, 0));
    EXPECT_EQ(label->font().pixelSize(), 27);
}

} // namespace
} // namespace vantor::test
