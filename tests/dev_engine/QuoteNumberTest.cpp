// Quote numbers and the seller's settings, on real files in a scratch
// settings folder.
#include "dev/core/QuoteNumber.h"
#include "dev/core/SellerSettings.h"

#include "testlib/ResultChecks.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <QSysInfo>

#include <gtest/gtest.h>

using namespace vantor::devengine;
using vantor::test::ValueOf;

namespace {

const EngineTexts English{QStringLiteral("ENG")};
constexpr const char* ProbeFolder = "VANTOR_QUOTE_NUMBER_PROBE";
constexpr int ProbeDraws = 40;

} // namespace

TEST(QuoteNumber, FormatsPrefixYearAndPaddedNumber)
{
    const QDate date(2026, 3, 9);
    EXPECT_EQ(FormatQuoteNumber(QStringLiteral("Q-{year}-"), 42, date), QStringLiteral("Q-2026-0042"));
    EXPECT_EQ(FormatQuoteNumber(QStringLiteral("Q-{year}-"), 12345, date), QStringLiteral("Q-2026-12345"));
    EXPECT_EQ(FormatQuoteNumber(QString(), 7, date), QStringLiteral("0007"));
}

TEST(QuoteNumber, CountsOnInTheUsersSettingsFolder)
{
    const vantor::test::TempFolder home;
    const vantor::test::ScopedEnv config("XDG_CONFIG_HOME", home.path() + QStringLiteral("config"));
    EXPECT_EQ(ValueOf(DrawSequenceNumber(EngineConfigFolder(), English)), 1);
    EXPECT_EQ(ValueOf(DrawSequenceNumber(EngineConfigFolder(), English)), 2);
    const QString number = ValueOf(DrawQuoteNumber(QStringLiteral("X{year}/"), English));
    EXPECT_EQ(number, QStringLiteral("X%1/0003").arg(QDate::currentDate().year()));
    EXPECT_EQ(home.read(QStringLiteral("config/Vantor/QuoteNumber.counter")), QByteArray("3\n"));
}

TEST(QuoteNumber, DamagedCounterFailsInsteadOfStartingAgain)
{
    const vantor::test::TempFolder folder;
    for (const QByteArray& damaged :
         {QByteArray(), QByteArray("12a\n"), QByteArray("-5"), QByteArray("9999999999"), QByteArray("7\n8\n")}) {
        const QString file = folder.write(QLatin1String(QuoteCounterFileName), damaged);
        const auto drawn = DrawSequenceNumber(folder.path(), English);
        ASSERT_FALSE(drawn.ok()) << damaged.toStdString();
        EXPECT_TRUE(drawn.message().contains(file)) << drawn.message().toStdString();
        EXPECT_EQ(folder.read(QLatin1String(QuoteCounterFileName)), damaged) << "the counter stays for repair";
    }
    folder.write(QLatin1String(QuoteCounterFileName), " 41 \n");
    EXPECT_EQ(ValueOf(DrawSequenceNumber(folder.path(), English)), 42);
}

// A program that crashed while drawing leaves its lock; the next draw takes
// it over instead of waiting for ever.
TEST(QuoteNumber, LockOfACrashedProgramIsTakenOver)
{
    QProcess gone;
    gone.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    const vantor::test::TempFolder folder;
    folder.write(QLatin1String(QuoteCounterFileName) + QStringLiteral(".lock"),
                 QStringLiteral("%1\ntrue\n%2\n").arg(pid).arg(QSysInfo::machineHostName()).toUtf8());
    folder.write(QLatin1String(QuoteCounterFileName), "6\n");
    EXPECT_EQ(ValueOf(DrawSequenceNumber(folder.path(), English)), 7);
}

// Draws numbers for the test below when started by it; skipped otherwise.
TEST(QuoteNumberProbe, DrawsForAnotherProcess)
{
    if (!qEnvironmentVariableIsSet(ProbeFolder))
        GTEST_SKIP() << "runs only as the helper of TwoProcessesNeverShareANumber";
    const QString folder = qEnvironmentVariable(ProbeFolder);
    for (int draw = 0; draw < ProbeDraws; ++draw) {
        const auto number = DrawSequenceNumber(folder, English);
        ASSERT_TRUE(number.ok()) << number.message().toStdString();
        std::printf("drawn %d\n", *number);
    }
}

TEST(QuoteNumber, TwoProcessesNeverShareANumber)
{
    const vantor::test::TempFolder folder;
    QList<QProcess*> probes;
    for (int probe = 0; probe < 2; ++probe) {
        auto* process = new QProcess(QCoreApplication::instance());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(ProbeFolder), folder.path());
        process->setProcessEnvironment(environment);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--gtest_filter=QuoteNumberProbe.DrawsForAnotherProcess")});
        probes.append(process);
    }
    QSet<int> seen;
    for (QProcess* process : probes) {
        ASSERT_TRUE(process->waitForFinished(60000));
        const QByteArray output = process->readAllStandardOutput();
        EXPECT_EQ(process->exitCode(), 0) << output.toStdString();
        for (const QByteArray& line : output.split('\n')) {
            if (!line.startsWith("drawn "))
                continue;
            const int number = line.mid(6).toInt();
            EXPECT_FALSE(seen.contains(number)) << "given twice: " << number;
            seen.insert(number);
        }
        delete process;
    }
    // Together they took 1..80, none lost and none twice.
    EXPECT_EQ(seen.size(), 2 * ProbeDraws);
    EXPECT_EQ(ValueOf(DrawSequenceNumber(folder.path(), English)), 2 * ProbeDraws + 1);
}

TEST(SellerSettings, RoundTripInTheEnginesOwnFile)
{
    const vantor::test::TempFolder home;
    const vantor::test::ScopedEnv config("XDG_CONFIG_HOME", home.path() + QStringLiteral("config"));
    const SellerSettings defaults = ValueOf(LoadSellerSettings(English));
    EXPECT_EQ(defaults.QuotePrefix, QLatin1String(DefaultQuotePrefix)) << "no file yet";
    EXPECT_TRUE(defaults.Seller.Name.isEmpty());

    // Another group of the file survives a save.
    home.write(QStringLiteral("config/Vantor/DevEngine.ini"), "[Other]\nKeep=1\n");
    SellerSettings settings;
    settings.Seller = {QStringLiteral("Ana Müller"), QStringLiteral("Kraft, Licht & Co"),
                       QStringLiteral("ana@example.com"), QStringLiteral("+49 30 1234")};
    settings.QuotePrefix = QStringLiteral("AM-{year}/");
    vantor::test::ExpectOk(SaveSellerSettings(settings, English));
    const SellerSettings loaded = ValueOf(LoadSellerSettings(English));
    EXPECT_EQ(loaded.Seller.Name, settings.Seller.Name);
    EXPECT_EQ(loaded.Seller.Company, settings.Seller.Company);
    EXPECT_EQ(loaded.Seller.Email, settings.Seller.Email);
    EXPECT_EQ(loaded.Seller.Phone, settings.Seller.Phone);
    EXPECT_EQ(loaded.QuotePrefix, settings.QuotePrefix);
    EXPECT_TRUE(home.read(QStringLiteral("config/Vantor/DevEngine.ini")).contains("Keep=1"));

    const QString folderInstead = home.makeFolder(QStringLiteral("folder.ini"));
    EXPECT_FALSE(LoadSellerSettings(English, folderInstead).ok());
    EXPECT_FALSE(SaveSellerSettings(settings, English, folderInstead).ok());
}
