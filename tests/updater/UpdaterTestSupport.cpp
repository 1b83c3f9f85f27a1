#include "UpdaterTestSupport.h"

#include <QFile>

namespace vantor::test {

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
