// The setup dialog's surroundings: the demo translation file loaded, English,
// three installed catalogues (one of them not in the country table) and the
// Maronel command panel. Every program-wide record the dialog touches is put
// back afterwards.
#pragma once

#include "data/InstalledVersion.h"
#include "i18n/uLanguages.h"
#include "skins/VantorComponents.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace vantor::test {

inline const QString DemoLanguageFile = QStringLiteral(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml");

class SetupDialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(LoadTranslations(DemoLanguageFile));
        GlobalSetupData.LanguageId = QStringLiteral("ENG");
        SetTextLanguage(GlobalSetupData.LanguageId);
        GlobalSetupData.CatalogueCode = QStringLiteral("380");
        GlobalSetupData.DebugMode = false;
        GlobalSetupData.UsageType = TUsageType::utMaronel;
        SetCommandPanelStyle(TUsageType::utMaronel);
        InstalledVersion.Catalogues.clear();
        for (const char* code : {"380", "999", "250"})
            InstalledVersion.Catalogues.append(TInstalledCatalogue{QString::fromLatin1(code), "20240101", {}});
    }

    void TearDown() override
    {
        UnloadTranslations();
        GlobalSetupData = savedSettings;
        InstalledVersion.Catalogues = savedCatalogues;
        AvailableLanguages = savedLanguages;
        CommandPanelStyle = savedStyle;
    }

    void UseVariant(TUsageType usage)
    {
        GlobalSetupData.UsageType = usage;
        SetCommandPanelStyle(usage);
    }

private:
    const TGlobalSetupData savedSettings = GlobalSetupData;
    const TInstalledCataloguesArray savedCatalogues = InstalledVersion.Catalogues;
    const TAvailableLanguages savedLanguages = AvailableLanguages;
    const TCommandPanelStyle savedStyle = CommandPanelStyle;
};

} // namespace vantor::test
