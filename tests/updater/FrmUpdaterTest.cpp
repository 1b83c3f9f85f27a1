// The updater's window: the work at its first idle moment, the outcome, and
// the restart of the main program.
#include "UpdaterTestSupport.h"
#include "i18n/uLanguages.h"

#include "common/uGlobals.h"
#include "support/Process.h"
#include "testlib/AccessibleControls.h"
#include "testlib/TempFolder.h"
#include "updater/FrmUpdater.h"
#include "updater/uMain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

struct StartedProgram {
    QString Program;
    QString Parameters;
};

class UpdaterWindow : public ::testing::Test {
protected:
    UpdaterWindow()
    {
        root_.write("staging/Catalogues/250/Pricelist.vt4", "new pricelist");
        root_.write("app/Catalogues/250/Pricelist.vt4", "old pricelist");
        const QString data = root_.makeFolder("app/Data");
        Paths = {root_.path() + "staging/", data + '/', root_.path() + "app/Catalogues/"};
        GlobalSetupData.LanguageFile = WriteUpdaterTranslations(root_.path());
        GlobalSetupData.LanguageId = "ENG";
        SetTextLanguage(GlobalSetupData.LanguageId);
        form_.SetProgramStarter([this](const QString& AProgram, const QString& AParameters) {
            started_.append({AProgram, AParameters});
            return true;
        });
        image_ = form_.findChild<QLabel*>("imgStatus");
        label_ = form_.findChild<QLabel*>("lblStatus");
        button_ = form_.findChild<QPushButton*>("btnOk");
    }
    ~UpdaterWindow() override
    {
        Paths = {};
        GlobalSetupData = {};
    }

    // Shows the window and lets its first idle moment run to the outcome.
    void ShowUntilOutcome()
    {
        form_.show();
        EXPECT_EQ(button_->text(), "Okay");
        // The window cannot be closed while it works.
        form_.close();
        EXPECT_TRUE(form_.isVisible());
        WaitFor([this] { return image_->pixmap().cacheKey() != 0 && label_->text() != "Installing"; });
    }

    template <typename Condition>
    static bool WaitFor(Condition ACondition)
    {
        QElapsedTimer clock;
        clock.start();
        while (!ACondition() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return ACondition();
    }

    bool ShowsImage(TStatusImage AImage) const { return image_->pixmap().toImage() == StatusImage(AImage).toImage(); }

    TempFolder root_;
    TFrmUpdater form_;
    QList<StartedProgram> started_;
    QLabel* image_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* button_ = nullptr;
};

TEST_F(UpdaterWindow, AfterASuccessShowsItAndRestartsTheMainProgramWhenClosed)
{
    ShowUntilOutcome();
    EXPECT_TRUE(form_.UpdateOk());
    EXPECT_TRUE(ShowsImage(TStatusImage::Success));
    EXPECT_EQ(label_->text(), "Installed");
    EXPECT_FALSE(label_->font().bold());
    EXPECT_EQ(root_.read("app/Catalogues/250/Pricelist.vt4"), "new pricelist");

    // The outcome stands a moment before it can be dismissed.
    EXPECT_FALSE(button_->isEnabled());
    ASSERT_TRUE(WaitFor([this] { return button_->isEnabled(); }));
    EXPECT_TRUE(button_->isDefault());
    EXPECT_EQ(test::UnannouncedControls(&form_).join(", ").toStdString(), "");
    EXPECT_TRUE(started_.isEmpty()) << "never by itself";

    button_->click();
    EXPECT_FALSE(form_.isVisible());
    ASSERT_EQ(started_.size(), 1);
    EXPECT_EQ(platform::SplitCommandLine(started_[0].Program),
              QStringList(QCoreApplication::applicationDirPath() + "/Vantor"));
    EXPECT_TRUE(started_[0].Parameters.isEmpty());
}

TEST_F(UpdaterWindow, AfterAFailureShowsItInBoldAndStartsNothing)
{
    form_.SetCopyStepHook([](TCopyStep AStep, const QString&) { return AStep != TCopyStep::MoveIntoPlace; });
    ShowUntilOutcome();
    EXPECT_FALSE(form_.UpdateOk());
    EXPECT_TRUE(ShowsImage(TStatusImage::Failure));
    EXPECT_EQ(label_->text().simplified(), "Not installed. Try again."); // on two lines
    EXPECT_TRUE(label_->font().bold());
    EXPECT_EQ(root_.read("app/Catalogues/250/Pricelist.vt4"), "old pricelist");

    ASSERT_TRUE(WaitFor([this] { return button_->isEnabled(); }));
    form_.close();
    EXPECT_FALSE(form_.isVisible());
    EXPECT_TRUE(started_.isEmpty());
}

TEST_F(UpdaterWindow, AMainProgramThatDoesNotCloseIsToldAndNothingIsCopied)
{
    QProcess main;
    main.start(VANTOR_LISTENING_MAIN, {"--hang"});
    ASSERT_TRUE(main.waitForReadyRead(5000));
    form_.SetCloseLimit(std::chrono::milliseconds(1000));
    ShowUntilOutcome();
    EXPECT_FALSE(form_.UpdateOk());
    EXPECT_TRUE(ShowsImage(TStatusImage::Failure));
    EXPECT_EQ(label_->text(), "Vantor did not close.");
    EXPECT_EQ(root_.read("app/Catalogues/250/Pricelist.vt4"), "old pricelist");
    main.kill();
    main.waitForFinished(3000);
    ASSERT_TRUE(WaitFor([this] { return button_->isEnabled(); }));
    form_.close();
    EXPECT_TRUE(started_.isEmpty());
}

} // namespace
} // namespace vantor::test
