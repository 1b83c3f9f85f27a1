#include "updater/UpdaterSkin.h"

#include "common/IniFile.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "skins/SkinManager.h"

namespace vantor {

void ApplyUpdaterSkin(const QString& ProgramFolder)
{
    const QString folder = ProgramFolder.endsWith(u'/') ? ProgramFolder : ProgramFolder + u'/';
    IniDocument setup;
    if (!setup.loadFile(folder + QLatin1String(SetupFileName)))
        return;
    const int oemId = setup.readInteger(QStringLiteral("Misc"), QStringLiteral("iOemId"), -1);
    GlobalSetupData.UsageType = UsageTypeOfOem(oemId, GlobalSetupData.UsageType);
    GlobalSetupData.RootPath = folder;
    ApplySkin(GlobalSetupData.UsageType, folder);
}

} // namespace vantor
