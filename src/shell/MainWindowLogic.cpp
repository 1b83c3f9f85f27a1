#include "shell/MainWindowLogic.h"

#include "common/TextHelpers.h"

namespace vantor {

TItemsCaption ItemsCaption;

QString ComposeTitle(const QString& titleWindow, const QString& catalogueLabel, const QString& catalogueName,
                     const TGlobalSetupData& settings)
{
    QString title = QStringLiteral("%1  [%2 : %3]").arg(titleWindow, catalogueLabel, UpperCaseAsciiLetters(catalogueName));
    if (settings.DebugMode)
        title += QStringLiteral("  [DEBUG MODE]");
    if (settings.AdvancedOptions.ShowAllConfigurations)
        title += QStringLiteral("  [SHOW ALL CFG]");
    if (settings.AdvancedOptions.UnlimitedBatteryCabs)
        title += QStringLiteral("  [UNLIMITED BATTERY CABS]");
    if (settings.AdvancedOptions.ShowTechDataAutonomyLower)
        title += QStringLiteral("  [SHOW AUTONOMY WITHOUT ...]");
    return title;
}

QString ComposeTitleWindow(const QString& name, const QString& product, const TInfoVersion& version)
{
    // One pass: a "%1" in the engine's texts stays as it is.
    const QString number = QStringLiteral("%1.%2.%3").arg(version.wMajor).arg(version.wMinor).arg(version.wRelease);
    return QStringLiteral("%1 %2 - %3").arg(name, product, number);
}

TWindowSizing WindowSizingFor(int dotsPerInch, const QRect& workArea, int titleBandHeight)
{
    TWindowSizing sizing;
    switch (dotsPerInch) {
    case 96:
        sizing.kind = TWindowSizing::Kind::ClientSize;
        sizing.size = QSize(1020, titleBandHeight + 582);
        break;
    case 120:
        sizing.kind = TWindowSizing::Kind::OuterSize;
        sizing.size = QSize(qMin(1146, workArea.width()), qMin(758, workArea.height()));
        break;
    case 144:
        sizing.kind = TWindowSizing::Kind::WorkArea;
        sizing.size = workArea.size();
        break;
    default:
        sizing.kind = TWindowSizing::Kind::Designed;
        sizing.size = DesignedClientSize;
        break;
    }
    return sizing;
}

} // namespace vantor
