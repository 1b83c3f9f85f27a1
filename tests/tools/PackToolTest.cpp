// vantor-pack as a program: what it stores, how it reads, what it refuses.
#include "update/ZlibMultiple.h"

#include "testlib/TempFolder.h"
#include "update/PackageBytes.h"

#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun RunPack(const QStringList& arguments, const QString& workingFolder = {})
{
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(VANTOR_PACK), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray RandomBytes(qsizetype size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(20240517);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace

TEST(PackTool, RoundTripOfAFolderTree)
{
    TempFolder dir;
    const QByteArray random = RandomBytes(1536 * 1024);
    dir.write("src/Catalogues/380/Catalogue.vt4", random);
    dir.write("src/Catalogues/250/Catalogue.vt4", "catalogue 250");
    dir.write("src/Data/Data.vt4", QByteArray(300000, 'd'));
    dir.write("src/Data/empty", "");
    dir.write("src/Setup.exe", "program");

    ToolRun run =
        RunPack({"create", "out/update.Z", "--root", "src", "src/Data", "src/Setup.exe", "src/Catalogues"}, dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // Arguments in their order, each folder walked in sorted order, empty files left out.
    const QStringList stored{"Data\\Data.vt4", "Setup.exe", "Catalogues\\250\\Catalogue.vt4",
                             "Catalogues\\380\\Catalogue.vt4"};
    run = RunPack({"list", dir.path() + "out/update.Z"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, stored.join('\n') + '\n');

    // Each stream uses zlib's default settings: window 32 KiB, default level.
    const QByteArray package = dir.read("out/update.Z");
    ASSERT_TRUE(package.startsWith(QByteArray("\x05"
                                              "Data\\"
                                              "\x08"
                                              "Data.vt4") +
                                   LittleEndian32(300000)));
    EXPECT_EQ(package.mid(23, 2).toHex(), "789c");

    run = RunPack({"unpack", dir.path() + "out/update.Z", dir.path() + "dest"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(EverythingBelow(dir.path() + "dest"),
              (QStringList{"Catalogues/", "Catalogues/250/", "Catalogues/250/Catalogue.vt4", "Catalogues/380/",
                           "Catalogues/380/Catalogue.vt4", "Data/", "Data/Data.vt4", "Setup.exe"}));
    EXPECT_EQ(dir.read("dest/Catalogues/380/Catalogue.vt4"), random);
    EXPECT_EQ(dir.read("dest/Data/Data.vt4"), QByteArray(300000, 'd'));

    // By default beside the package, which stays.
    run = RunPack({"unpack", dir.path() + "out/update.Z"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(dir.read("out/Setup.exe"), "program");
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "out/update.Z"));
}

TEST(PackTool, CreateWritesAllOrNothing)
{
    TempFolder dir;
    dir.write("src/a", "a");
    dir.write("outside", "o");
    dir.write("src/" + QString(200, 'f') + "/" + QString(60, 'g') + "/h", "too long a folder path");
    dir.write(QString::fromUtf8("src/\u20ac"), "not Latin-1");
    const QString existing = dir.write("out/p.Z", "previous package");

    const QList<QStringList> failing{
        {"src/a", "src/missing"},
        {"src/a", "outside"},
        {"src/a", "src/" + QString(200, 'f')},
        {"src/a", QString::fromUtf8("src/\u20ac")},
    };
    for (const QStringList& inputs : failing) {
        SCOPED_TRACE(inputs.join(' ').toStdString());
        for (const QString& package : {QString("out/p.Z"), QString("new/folder/p.Z")}) {
            const ToolRun run = RunPack(QStringList{"create", package, "--root", "src"} + inputs, dir.path());
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.err.startsWith("vantor-pack: ")) << run.err.toStdString();
        }
        EXPECT_EQ(EverythingBelow(dir.path() + "out"), QStringList{"p.Z"});
        EXPECT_EQ(dir.read("out/p.Z"), "previous package");
        EXPECT_FALSE(QFileInfo::exists(dir.path() + "new"));
    }
}

TEST(PackTool, UnpackAppliesTheReadersRules)
{
    TempFolder dir;
    dir.write("in/p.Z", Entry("", "good", "g") + Entry("..\\", "evil", "e"));
    const ToolRun run = RunPack({"unpack", dir.path() + "in/p.Z", dir.path() + "in/out"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("vantor-pack: refused entry \"..\\evil\"")) << run.err.toStdString();
    EXPECT_EQ(EverythingBelow(dir.path()), (QStringList{"in/", "in/out/", "in/out/good", "in/p.Z"}));
}

TEST(PackTool, AWrongCommandLineShowsTheUsage)
{
    for (const QStringList& arguments : QList<QStringList>{{},
                                                           {"pack", "p.Z"},
                                                           {"create", "p.Z"},
                                                           {"create", "p.Z", "--root"},
                                                           {"create", "p.Z", "--level", "9", "a"},
                                                           {"list"},
                                                           {"list", "a.Z", "b.Z"},
                                                           {"unpack"},
                                                           {"unpack", "p.Z", "d", "e"}}) {
        const ToolRun run = RunPack(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("usage:"));
    }
}
