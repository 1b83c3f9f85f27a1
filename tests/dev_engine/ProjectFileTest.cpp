// Project files on disk: the same bytes after opening and saving again,
// refusals that name what is wrong and change nothing, a save killed at
// every step, and the list of recent projects.
#include "dev/core/ProjectFile.h"
#include "dev/core/AtomicFile.h"
#include "dev/core/ProjectFormat.h"
#include "dev/core/RecentProjects.h"
#include "mock/SampleProject.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include <unistd.h>
#include <utime.h>

namespace vantor::devengine {
namespace {

const EngineTexts English(QStringLiteral("ENG"));

QStringList Temporaries(const QString& AFolder)
{
    return QDir(AFolder).entryList({QStringLiteral("*.save*")}, QDir::Files | QDir::Hidden);
}

TEST(ProjectFile, SaveOpenSaveGivesTheSameBytes)
{
    test::TempFolder folder;
    const QString file = folder.path() + "Projects/Site.vantor";
    test::ExpectOk(SaveProjectFile(file, test::SampleProject(1), English));
    const QByteArray first = folder.read("Projects/Site.vantor");
    const Project opened = test::ValueOf(OpenProjectFile(file, English));
    test::ExpectOk(SaveProjectFile(file, opened, English));
    EXPECT_EQ(folder.read("Projects/Site.vantor"), first);
    EXPECT_EQ(first, WriteProject(test::SampleProject(1)));

    // What was saved comes back, optional fields included.
    ASSERT_EQ(opened.Systems.size(), 2);
    EXPECT_EQ(opened.Systems[1].Kind, SelectorKind::Runtime);
    EXPECT_EQ(opened.Systems[1].RuntimeCabinets, 2);
    EXPECT_DOUBLE_EQ(opened.Systems[0].Solution->LoadingPercent, 55.55555555555556);
    EXPECT_FALSE(opened.Systems[0].Lines[0].UnitPrice.has_value());
    EXPECT_FALSE(opened.Systems[0].Lines[1].FromPricelist);
    EXPECT_EQ(opened.Terms.ValidUntil, QDate(2025, 1, 31));
    EXPECT_EQ(opened.Customer.Address, "1 Main Street\nSpringfield");
    EXPECT_TRUE(Temporaries(folder.path() + "Projects").isEmpty());

    // A new project with nothing optional set reads back the same way.
    const QByteArray empty = WriteProject(Project{});
    EXPECT_EQ(WriteProject(test::ValueOf(ReadProject(empty, English))), empty);
}

// A field of the sample's JSON replaced by AValue (a path of object keys).
QByteArray WithField(const QStringList& APath, const QJsonValue& AValue)
{
    QJsonObject root = QJsonDocument::fromJson(WriteProject(test::SampleProject(1))).object();
    const std::function<QJsonValue(QJsonValue, int)> replace = [&](QJsonValue AAt, int AIndex) -> QJsonValue {
        if (AIndex == APath.size())
            return AValue;
        const QString& key = APath[AIndex];
        if (AAt.isArray()) {
            QJsonArray array = AAt.toArray();
            array[key.toInt()] = replace(array[key.toInt()], AIndex + 1);
            return array;
        }
        QJsonObject object = AAt.toObject();
        if (AIndex + 1 == APath.size() && AValue.isUndefined())
            object.remove(key);
        else
            object[key] = replace(object[key], AIndex + 1);
        return object;
    };
    return QJsonDocument(replace(root, 0).toObject()).toJson();
}

TEST(ProjectFile, RefusesDamageNamingTheField)
{
    const QJsonValue Removed(QJsonValue::Undefined);
    const struct {
        QStringList Path;
        QJsonValue Value;
        const char* Message;
    } cases[] = {
        {{"systems", "0", "inputs", "load"}, Removed, "systems[0].inputs.load is missing"},
        {{"systems", "1", "inputs", "load"}, "6000", "systems[1].inputs.load has the wrong type"},
        {{"systems", "0", "inputs", "load"}, -5, "systems[0].inputs.load holds an impossible value"},
        {{"systems", "0", "inputs", "powerFactor"}, 7, "systems[0].inputs.powerFactor holds an impossible value"},
        {{"systems", "0", "solution", "units"}, 1.5, "systems[0].solution.units holds an impossible value"},
        {{"systems", "0", "selector"}, "premium", "systems[0].selector holds an impossible value"},
        {{"systems", "0", "lines", "1", "unitPrice"}, QJsonValue::Null, "systems[0].lines[1].unitPrice is missing"},
        {{"lines", "0", "quantity"}, 0, "lines[0].quantity holds an impossible value"},
        {{"terms", "vatPercent"}, 250, "terms.vatPercent holds an impossible value"},
        {{"terms", "validUntil"}, "2025-02-30", "terms.validUntil holds an impossible value"},
        {{"customer"}, QJsonArray(), "customer has the wrong type"},
        {{"systems"}, Removed, "systems is missing"},
    };
    for (const auto& c : cases) {
        const auto read = ReadProject(WithField(c.Path, c.Value), English);
        ASSERT_FALSE(read) << c.Message;
        EXPECT_EQ(read.message().toStdString(),
                  QStringLiteral("The project file is damaged: %1.").arg(c.Message).toStdString());
    }
    EXPECT_EQ(ReadProject("{\"schema\": 1, ", English).message(),
              "The file is not a Vantor project: it is not readable as JSON (at character 14).");
    EXPECT_EQ(ReadProject("[1]", English).message(), "The file is not a Vantor project.");
    EXPECT_EQ(ReadProject("{\"name\": \"x\"}", English).message(), "The file is not a Vantor project.");
    // In the user's language.
    EXPECT_NE(ReadProject("[1]", EngineTexts(QStringLiteral("GER"))).message(), "The file is not a Vantor project.");
}

TEST(ProjectFile, RefusesANewerFormatAndChangesNothing)
{
    test::TempFolder folder;
    const QByteArray newer = WithField({"schema"}, 3);
    const QString file = folder.write("Newer.vantor", newer);
    const auto opened = OpenProjectFile(file, English);
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.message(),
              "This project was saved by a newer Vantor (project format 3); this version reads format 1.");
    EXPECT_EQ(folder.read("Newer.vantor"), newer);
    EXPECT_EQ(OpenProjectFile(folder.path(), English).message(), "The file is not a Vantor project.");
    EXPECT_TRUE(
        OpenProjectFile(folder.path() + "None.vantor", English)
            .message()
            .startsWith(QStringLiteral("The project %1 cannot be opened (").arg(folder.path() + "None.vantor")));

    // A project that would not open again is not saved over the old one.
    Project bad = test::SampleProject(2);
    bad.Systems[0].Inputs.AutonomyMinutes = std::numeric_limits<double>::quiet_NaN();
    const auto saved = SaveProjectFile(file, bad, English);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(saved.message().contains("(systems[0].inputs.autonomyMinutes ")) << saved.message().toStdString();
    EXPECT_EQ(folder.read("Newer.vantor"), newer);

    // A folder that cannot be written leaves no temporary and says why.
    const QString locked = folder.makeFolder("Locked");
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const auto refused = SaveProjectFile(locked + "/A.vantor", test::SampleProject(1), English);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() != 0) {
        EXPECT_FALSE(refused);
        EXPECT_TRUE(QDir(locked).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
}

int RunProbe(const QStringList& AArguments)
{
    QProcess probe;
    probe.start(QStringLiteral(VANTOR_PROJECT_PROBE), AArguments);
    EXPECT_TRUE(probe.waitForFinished(30000));
    return probe.exitStatus() == QProcess::CrashExit ? -1 : probe.exitCode();
}

TEST(ProjectFile, KilledSaveLeavesTheOldOrTheNewFile)
{
    test::TempFolder folder;
    const QString file = folder.path() + "Plant.vantor";
    const QByteArray before = WriteProject(test::SampleProject(1));
    const QByteArray after = WriteProject(test::SampleProject(2));
    for (int step = 0; step <= static_cast<int>(SaveStep::FolderFlushed); ++step) {
        SCOPED_TRACE(step);
        test::ExpectOk(SaveProjectFile(file, test::SampleProject(1), English));
        EXPECT_EQ(RunProbe({"save", file, "2", QString::number(step)}), -1);
        const bool renamed = step >= static_cast<int>(SaveStep::Renamed);
        EXPECT_EQ(folder.read("Plant.vantor"), renamed ? after : before);
        // Only a save killed before its rename leaves its temporary, and the
        // next save removes it once it is no longer fresh.
        const QStringList left = Temporaries(folder.path());
        ASSERT_EQ(left.size(), renamed ? 0 : 1);
        if (!left.isEmpty()) {
            const QByteArray path = QFile::encodeName(folder.path() + left[0]);
            const utimbuf old{0, 0};
            ASSERT_EQ(::utime(path.constData(), &old), 0);
        }
    }
    EXPECT_EQ(RunProbe({"save", file, "2", "-1"}), 0);
    EXPECT_EQ(folder.read("Plant.vantor"), after);
    EXPECT_TRUE(Temporaries(folder.path()).isEmpty());
}

TEST(RecentProjects, TenMostRecentFirstOnceExistingOnly)
{
    test::TempFolder folder;
    const QString settings = folder.path() + "config/Vantor/RecentProjects.ini";
    QStringList files;
    for (int i = 0; i < 12; ++i)
        files.append(folder.write(QStringLiteral("p%1.vantor").arg(i), "{}"));
    for (const QString& file : files)
        test::ExpectOk(AddRecentProject(settings, file, English));
    // Again, through another spelling of the same path.
    test::ExpectOk(AddRecentProject(settings, folder.path() + "x/../p5.vantor", English));
    QStringList expected{files[5], files[11], files[10], files[9], files[8], files[7], files[6], files[4], files[3]};
    expected.append(files[2]);
    EXPECT_EQ(RecentProjects(settings), expected);

    QFile::remove(files[11]);
    expected.removeAll(files[11]);
    EXPECT_EQ(RecentProjects(settings), expected);
    // Dropped from the file too, not only from the answer.
    QFile::copy(files[0], files[11]);
    EXPECT_EQ(RecentProjects(settings), expected);
    EXPECT_TRUE(RecentProjectsFile().endsWith("/Vantor/RecentProjects.ini"));
}

} // namespace
} // namespace vantor::devengine
