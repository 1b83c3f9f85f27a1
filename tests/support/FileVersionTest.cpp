#include "support/FileVersion.h"
#include "testlib/ElfBuilder.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(FileVersion, ReadsTheNoteInEveryClassAndByteOrder)
{
    for (const bool is64 : {false, true}) {
        for (const bool bigEndian : {false, true}) {
            const QByteArray elf =
                BuildElfWithNote(is64, bigEndian, {"Vantor", 1, VersionDesc(bigEndian, 2, 7, 300, 65535)});
            const auto words = platform::ParseFileVersion(elf);
            ASSERT_TRUE(words.has_value()) << is64 << bigEndian;
            EXPECT_EQ(words->mostSignificant, (2u << 16) | 7u);
            EXPECT_EQ(words->leastSignificant, (300u << 16) | 65535u);
        }
    }
}

TEST(FileVersion, IgnoresNotesThatAreNotOurs)
{
    EXPECT_FALSE(platform::ParseFileVersion(BuildElfWithNote(true, false, {"GNU", 1, VersionDesc(false, 1, 2, 3, 4)})));
    EXPECT_FALSE(
        platform::ParseFileVersion(BuildElfWithNote(true, false, {"Vantor", 3, VersionDesc(false, 1, 2, 3, 4)})));
    EXPECT_FALSE(platform::ParseFileVersion(BuildElfWithNote(true, false, {"Vantor", 1, QByteArray(4, '\1')})));
}

TEST(FileVersion, SurvivesTruncatedAndForeignFiles)
{
    const QByteArray elf = BuildElfWithNote(true, false, {"Vantor", 1, VersionDesc(false, 1, 2, 3, 4)});
    for (qsizetype cut = 0; cut < elf.size(); ++cut)
        EXPECT_FALSE(platform::ParseFileVersion(elf.left(cut))) << cut;
    EXPECT_FALSE(platform::ParseFileVersion("MZ not an ELF file"));
    EXPECT_FALSE(platform::ReadFileVersion("/nonexistent/file"));
    EXPECT_FALSE(platform::ReadFileVersion("/"));
}

TEST(FileVersion, TheBuiltProgramCarriesTheProjectVersion)
{
    const auto words = platform::ReadFileVersion(QStringLiteral(VANTOR_BIN_DIR "/Vantor"));
    ASSERT_TRUE(words.has_value());
    EXPECT_EQ(words->mostSignificant, (std::uint32_t(VANTOR_VERSION_MAJOR) << 16) | VANTOR_VERSION_MINOR);
    EXPECT_EQ(words->leastSignificant, (std::uint32_t(VANTOR_VERSION_PATCH) << 16) | VANTOR_VERSION_TWEAK);
}
