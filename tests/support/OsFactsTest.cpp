#include "support/OsFacts.h"
#include "testlib/TempFolder.h"

#include <gtest/gtest.h>

using namespace vantor::platform;

namespace {

TEST(OsFactsTest, ProductNameFromOsRelease)
{
    // A typical file: PRETTY_NAME wins, quotes and escapes are undone.
    EXPECT_EQ(ProductNameFromOsRelease("# comment\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
                                       "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
              QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    EXPECT_EQ(ProductNameFromOsRelease("PRETTY_NAME=\"Say \\\"hi\\\" OS\"\n"), QStringLiteral("Say \"hi\" OS"));
    // Without PRETTY_NAME: name and version, single quotes, blank lines.
    EXPECT_EQ(ProductNameFromOsRelease("\nNAME='Fedora Linux'\r\nVERSION_ID=39\n"), QStringLiteral("Fedora Linux 39"));
    EXPECT_EQ(ProductNameFromOsRelease("NAME=Arch Linux\n"), QStringLiteral("Arch Linux"));
    EXPECT_EQ(ProductNameFromOsRelease("PRETTY_NAME=\"\"\nNAME=Alpine\nVERSION_ID=3.19\n"),
              QStringLiteral("Alpine 3.19"));
    // Nothing usable.
    EXPECT_EQ(ProductNameFromOsRelease(""), QStringLiteral("Linux"));
    EXPECT_EQ(ProductNameFromOsRelease("garbage\n=x\nVERSION_ID=1\n"), QStringLiteral("Linux"));
}

TEST(OsFactsTest, BuildFromKernelRelease)
{
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("6.1.0-18-amd64")), 18);
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("5.15.0-91-generic")), 91);
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("6.6.7-arch1-1")), 1);
    // No number after the patch level, or no version at all.
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("6.8.12")), 0);
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("6.10.12")), 0);
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("6.8")), 0);
    EXPECT_EQ(BuildFromKernelRelease(QString()), 0);
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("-18")), 0);
    // A number too long for an int is not taken whole.
    EXPECT_EQ(BuildFromKernelRelease(QStringLiteral("6.1.0-99999999999")), 999999999);
}

TEST(OsFactsTest, ReadsTheGivenFileAndTheSystem)
{
    vantor::test::TempFolder folder;
    const QString path = folder.write("os-release", "NAME=\"Sample OS\"\nVERSION_ID=\"7.2\"\n");
    const OsFacts facts = ReadOsFacts(path);
    EXPECT_EQ(facts.productName, QStringLiteral("Sample OS 7.2"));
    EXPECT_EQ(facts.servicePack, 0);
    EXPECT_EQ(facts.build, BuildFromKernelRelease(KernelRelease()));
    EXPECT_FALSE(KernelRelease().isEmpty());
    EXPECT_EQ(ReadOsFacts(folder.path() + "missing").productName, QStringLiteral("Linux"));
    EXPECT_GT(TotalPhysicalMemory(), 16u * 1024 * 1024);
}

} // namespace
