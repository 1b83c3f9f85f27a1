// Writes a translation file into a temporary folder and loads it; every test
// starts and ends with no dictionary and an empty language list.
#pragma once

#include "common/uGlobals.h"
#include "i18n/uLanguages.h"
#include "testlib/TempFolder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

namespace vantor::test {

class TranslationFixture : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    // Loads a document whose root element holds Body.
    bool LoadBody(const QByteArray& Body)
    {
        return LoadXml("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LST_TRANSLATIONS>\n" + Body +
                       "\n</LST_TRANSLATIONS>\n");
    }

    bool LoadXml(const QByteArray& Xml) { return LoadTranslations(Folder.write("Lang/Languages.xml", Xml)); }

    TempFolder Folder;

private:
    static void Reset()
    {
        UnloadTranslations();
        AvailableLanguages.clear();
        GlobalSetupData.LanguageId = QStringLiteral("REF");
        SetTextLanguage(GlobalSetupData.LanguageId);
    }
};

} // namespace vantor::test
