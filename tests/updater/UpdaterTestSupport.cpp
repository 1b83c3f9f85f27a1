#include "UpdaterTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vantor::test {

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
  <TRANSLATION translation_ids="IDS_UPDATER_04"><LST_VALUES>
    <VALUE value_language="ENG" value_string="Vantor did not close."/></LST_VALUES></TRANSLATION>
</LST_TRANSLATIONS>
)");
    return path;
}

} // namespace vantor::test
