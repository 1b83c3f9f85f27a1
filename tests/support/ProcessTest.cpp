#include "support/Process.h"
#include "support/NamedObject.h"
#include "support/WindowChannel.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

using namespace vantor;
using vantor::test::TempFolder;

namespace {

// Waits up to five seconds for a file that a started program writes.
QByteArray WaitForFile(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            if (content.endsWith('\n'))
                return content;
        }
        QThread::msleep(20);
    }
    return {};
}

} // namespace

TEST(CommandLine, SplitsAtBlanksOutsideQuotesAndKeepsBackslashes)
{
    EXPECT_EQ(platform::SplitCommandLine("prog"), QStringList{"prog"});
    EXPECT_EQ(platform::SplitCommandLine("  prog   a  b "), (QStringList{"prog", "a", "b"}));
    EXPECT_EQ(platform::SplitCommandLine("/opt/V/Updater \"/SP=/tmp/a b/\" /LI=ENG"),
              (QStringList{"/opt/V/Updater", "/SP=/tmp/a b/", "/LI=ENG"}));
    EXPECT_EQ(platform::SplitCommandLine("\"/DP=C:\\Data\\\" x"), (QStringList{"/DP=C:\\Data\\", "x"}));
    EXPECT_EQ(platform::SplitCommandLine("a \"\" b"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(platform::SplitCommandLine("a\"b c\"d"), QStringList{"ab cd"});
    EXPECT_TRUE(platform::SplitCommandLine("   ").isEmpty());
}

TEST(StartDetached, StartsARealProcessInItsOwnGroupWithTheCallersFolder)
{
    TempFolder dir;
    const QString out = dir.path() + "out.txt";
    // Field 5 of /proc/self/stat is the process group.
    const QString command =
        QStringLiteral("/bin/sh -c \"echo $(cut -d' ' -f5 /proc/$$/stat) $$ $(pwd -P) > '%1'\"").arg(out);
    ASSERT_TRUE(platform::StartDetached(command));

    const QList<QByteArray> fields = WaitForFile(out).trimmed().split(' ');
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0], fields[1]) << "the program leads a new process group";
    EXPECT_NE(fields[0].toLong(), static_cast<long>(::getpgrp()));
    EXPECT_EQ(QString::fromLocal8Bit(fields[2]), QDir::current().canonicalPath());
}

TEST(StartDetached, ReportsWhatCannotStart)
{
    EXPECT_FALSE(platform::StartDetached(""));
    EXPECT_FALSE(platform::StartDetached("/nonexistent/program --flag"));
    TempFolder dir;
    const QString notExecutable = dir.write("data.txt", "not a program");
    EXPECT_FALSE(platform::StartDetached(notExecutable));
}

TEST(NamedObject, IsSharedByEveryHolderAndGoneWhenAllClose)
{
    const QString name = QStringLiteral("VantorTestObject-%1").arg(::getpid());
    EXPECT_FALSE(platform::NamedObject::IsHeld(name));
    {
        platform::NamedObject first;
        platform::NamedObject second;
        ASSERT_TRUE(first.Open(name));
        ASSERT_TRUE(second.Open(name)) << "a second holder is never refused";
        EXPECT_TRUE(platform::NamedObject::IsHeld(name));
        first.Close();
        EXPECT_TRUE(platform::NamedObject::IsHeld(name));
    }
    EXPECT_FALSE(platform::NamedObject::IsHeld(name));
    QFile::remove(platform::NamedObject::PathFor(name));
}

// Another local user must not be able to hold up the program's start.
TEST(NamedObject, NeverUsesAForeignFallbackFolderAndNeverWaitsForTheLock)
{
    TempFolder tmp;
    test::ScopedEnv noRuntime("XDG_RUNTIME_DIR", QString());
    test::ScopedEnv tmpdir("TMPDIR", tmp.path());
    const QString name = QStringLiteral("VantorTestObject");
    const QString fallback = tmp.path() + QStringLiteral("vantor-run-%1").arg(::geteuid());

    // Someone holds the lock exclusively and does not let go.
    {
        ASSERT_EQ(platform::NamedObject::PathFor(name), fallback + "/" + name);
        const int blocker = ::open(QFile::encodeName(fallback + "/" + name).constData(), O_RDWR | O_CREAT, 0600);
        ASSERT_GE(blocker, 0);
        ASSERT_EQ(::flock(blocker, LOCK_EX), 0);
        platform::NamedObject object;
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(object.Open(name));
        EXPECT_LT(timer.elapsed(), 2000);
        ::close(blocker);
        EXPECT_TRUE(object.Open(name));
    }
    // A fallback folder that others may enter, or that belongs to another
    // user: the next one is the user's own cache folder, and past that there
    // is none (never the current folder, nor "/").
    TempFolder cache;
    test::ScopedEnv cacheHome("XDG_CACHE_HOME", cache.path());
    const QString ownFallback = cache.path() + "Vantor/Run/";
    ASSERT_EQ(::chmod(QFile::encodeName(fallback).constData(), 0777), 0);
    EXPECT_EQ(platform::NamedObject::PathFor(name), ownFallback + name);
    ASSERT_EQ(::chmod(QFile::encodeName(ownFallback).constData(), 0755), 0);
    EXPECT_TRUE(platform::NamedObject::PathFor(name).isEmpty());
    platform::NamedObject object;
    EXPECT_FALSE(object.Open(name));
    EXPECT_FALSE(platform::NamedObject::IsHeld(name));
    EXPECT_FALSE(platform::WindowChannel(nullptr).Listen("TFrmVantorMain"));
    EXPECT_EQ(platform::WindowChannel::CountRunning("TFrmVantorMain"), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(fallback).constData(), 0700), 0);
        ASSERT_EQ(::chown(QFile::encodeName(fallback).constData(), 65534, 65534), 0);
        EXPECT_TRUE(platform::NamedObject::PathFor(name).isEmpty());
    }
}

// Without room for the thread that collects its exit status, a started
// program still counts as started, and nothing is thrown at the caller.
TEST(StartDetached, NeverThrowsWhenNoThreadCanBeMade)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Just above what the process maps now: a spawn fits, a thread's stack does not.
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t limit = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + 2 * 1024 * 1024;
        const rlimit tight{limit, limit};
        if (pages == 0 || ::setrlimit(RLIMIT_AS, &tight) != 0)
            ::_exit(3);
        ::_exit(platform::StartDetachedArguments({"/bin/true"}) ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}
