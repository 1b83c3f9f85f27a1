// The installer's window: it runs the work once shown, then shows the
// outcome and closes with Return; a screen reader can name every control.
#include "installer/FrmInstaller.h"
#include "testlib/AccessibleControls.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

using namespace vantor::installer;

TEST(FrmInstaller, ShowsProgressAndOutcomeAndClosesWithReturnOnlyWhenDone)
{
    int runs = 0;
    bool closableDuringWork = true;
    TFrmInstaller* window = nullptr;
    const auto work = [&](const TProgress& AProgress) {
        ++runs;
        AProgress(3, 7);
        EXPECT_EQ(window->findChild<QProgressBar*>("ProgressBar")->value(), 3);
        QTest::keyClick(window, Qt::Key_Escape); // nothing interrupts the work
        closableDuringWork = !window->isVisible();
        TInstallResult result;
        result.Status = TInstallStatus::Installed;
        result.Folder = "/home/u/.local/share/Vantor";
        return result;
    };
    TFrmInstaller form("Installing", work, (std::uint64_t{2} << 48) | 5);
    window = &form;
    QString unannounced = "not checked";
    QTimer::singleShot(0, &form, [&] {
        QTimer::singleShot(50, &form, [&] {
            EXPECT_TRUE(form.Finished());
            unannounced = UnannouncedControls(&form).join(", ");
            EXPECT_TRUE(form.findChild<QPushButton*>("btnClose")->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
    });
    form.show();
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(closableDuringWork);
    EXPECT_EQ(unannounced.toStdString(), "");
    EXPECT_EQ(form.findChild<QLabel*>("lblOutcome")->text(),
              "Vantor 2.0.0.5 is installed in /home/u/.local/share/Vantor. You find it in the application menu.");
}

} // namespace
} // namespace vantor::test
