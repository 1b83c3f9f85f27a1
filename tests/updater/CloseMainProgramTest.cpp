// Closing a running main program before its files are replaced.
#include "support/CloseMainProgram.h"

#include "support/WindowChannel.h"

#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vantor::test {
namespace {

const QString MainWindowClass = QStringLiteral("TFrmVantorMain");

TEST(CloseMainProgram, AsksRunningMainProgramsToQuitAndWaitsUntilTheyHaveEnded)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(CloseMainProgram(MainWindowClass));
    EXPECT_LT(clock.elapsed(), 2000) << "with none running it returns soon";

    std::vector<std::unique_ptr<QProcess>> mains;
    for (int i = 0; i < 2; ++i) {
        auto& main = mains.emplace_back(std::make_unique<QProcess>());
        main->start(VANTOR_LISTENING_MAIN, QStringList());
        ASSERT_TRUE(main->waitForReadyRead(5000));
        ASSERT_EQ(main->readAllStandardOutput(), "listening\n");
    }
    ASSERT_EQ(platform::WindowChannel::CountRunning(MainWindowClass), 2);

    EXPECT_TRUE(CloseMainProgram(MainWindowClass));

    EXPECT_EQ(platform::WindowChannel::CountRunning(MainWindowClass), 0);
    for (const auto& main : mains) {
        // Their channels are closed; the processes have ended or are on their way out.
        if (main->state() != QProcess::NotRunning) {
            EXPECT_TRUE(main->waitForFinished(3000));
        }
        EXPECT_EQ(main->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(main->exitCode(), 0) << "it quit because it was asked to";
    }
}

TEST(CloseMainProgram, GivesUpOnAProgramThatHangs)
{
    QProcess main;
    main.start(VANTOR_LISTENING_MAIN, {"--hang"});
    ASSERT_TRUE(main.waitForReadyRead(5000));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(CloseMainProgram(MainWindowClass, std::chrono::milliseconds(1500)));
    EXPECT_GE(clock.elapsed(), 1500);
    EXPECT_LT(clock.elapsed(), 6000);
    EXPECT_EQ(main.state(), QProcess::Running);
    main.kill();
    main.waitForFinished(3000);
}

} // namespace
} // namespace vantor::test
