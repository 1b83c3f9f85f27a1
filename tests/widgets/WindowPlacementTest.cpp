#include "widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

TEST(WindowPlacement, CentresAndTruncatesTowardZero)
{
    EXPECT_EQ(CenteredTopLeft(QRect(0, 0, 1000, 800), QSize(400, 300)), QPoint(300, 250));
    EXPECT_EQ(CenteredTopLeft(QRect(10, 20, 101, 51), QSize(0, 0)), QPoint(60, 45));
    // A window larger than the area by 101 goes 50 to the left, not 51.
    EXPECT_EQ(CenteredTopLeft(QRect(0, 0, 100, 100), QSize(201, 301)), QPoint(-50, -100));
    EXPECT_EQ(CenteredTopLeft(QRect(-500, 40, 100, 100), QSize(201, 100)), QPoint(-550, 40));
}

TEST(WindowPlacement, WorkAreaUsesOuterSize)
{
    QWidget form;
    form.resize(300, 200);
    CenterFormOnWorkArea(&form);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = form.frameGeometry();
    EXPECT_EQ(frame.topLeft(), CenteredTopLeft(area, frame.size()));
    CenterFormOnWorkArea(nullptr);
}

TEST(WindowPlacement, DialogCentredOverOwnerWithoutClipping)
{
    QWidget owner;
    owner.setGeometry(-300, -200, 200, 100);
    QWidget dialog;
    dialog.resize(401, 50);
    CenterFormOnForm(&owner, &dialog);
    EXPECT_EQ(dialog.frameGeometry().topLeft(), CenteredTopLeft(owner.frameGeometry(), dialog.frameGeometry().size()));
    EXPECT_LT(dialog.frameGeometry().left(), 0);
    CenterFormOnForm(nullptr, &dialog);
    CenterFormOnForm(&owner, nullptr);
}

} // namespace
} // namespace vantor::test
