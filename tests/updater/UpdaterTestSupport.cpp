#include "UpdaterTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

namespace vantor::test {

namespace {

// The tests start and close stand-ins for the main program, and the updater
// asks every main window of the user to quit: the whole test program works in
// a runtime folder of its own so that no other Vantor of the user is touched.
class PrivateRuntimeFolder : public ::testing::Environment {
public:
    void SetUp() override
    {
        folder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(folder_->isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder_->path()));
    }
    void TearDown() override { folder_.reset(); }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

[[maybe_unused]] ::testing::Environment* const RuntimeFolder =
    ::testing::AddGlobalTestEnvironment(new PrivateRuntimeFolder);

} // namespace

QMap<QString, QString> SnapshotTree(const QString& ARoot)
{
    QMap<QString, QString> snapshot;
    QDirIterator it(ARoot, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        QString entry = QString::number(st.st_mode, 8) + ' ';
        if (S_ISREG(st.st_mode)) {
            QFile file(path);
            entry += file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().toHex()) : QStringLiteral("?");
        } else if (S_ISLNK(st.st_mode)) {
            entry += QFile::symLinkTarget(path);
        }
        snapshot.insert(QDir(ARoot).relativeFilePath(path), entry);
    }
    return snapshot;
}

QString WriteUpdaterTranslations(const QString& AFolder)
{
    const QString path = AFolder + QStringLiteral("Languages.xml");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<LST_TRANSLATIONS>
  <TRANSLATION translation_ids="IDS_COMMON_20"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Okay"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_UPDATER_01"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Installing"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_UPDATER_02"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Installed"/></LST_VALUES></TRANSLATION>
  <TRANSLATION translation_ids="IDS_UPDATER_03"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Not installed.@Try again."/></LST_VALUES></TRANSLATION>
</LST_TRANSLATIONS>
)");
    return path;
}

} // namespace vantor::test
