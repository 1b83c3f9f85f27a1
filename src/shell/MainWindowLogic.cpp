#include "shell/MainWindowLogic.h"

#include "common/TextHelpers.h"

namespace vantor {

QString ComposeTitle(const QString& titleWindow, const QString& catalogueLabel, const QString& catalogueName,
                     const TGlobalSetupData& settings)
{
    QString title =
        QStringLiteral("%1  [%2 : %3]").arg(titleWindow, catalogueLabel, UpperCaseAsciiLetters(catalogueName));
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

QSize MainWindowClientSize(const TScreenFacts& screen, const QMargins& frame, int titleBandHeight)
{
    const qreal ratio = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    const auto logical = [ratio](int devicePixels) { return qRound(devicePixels / ratio); };
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    QSize outer;
    switch (screen.dotsPerInch) {
    case 96:
        outer = QSize(logical(1020), titleBandHeight + logical(582)) + frameSize;
        break;
    case 120:
        outer = QSize(logical(1146), logical(758));
        break;
    case 144:
        outer = screen.workArea.size();
        break;
    default:
        outer = DesignedClientSize + frameSize;
        break;
    }
    // Never larger than the work area, frame included: nothing of the window
    // may lie off the screen.
    outer = outer.boundedTo(screen.workArea.size());
    return (outer - frameSize).expandedTo(QSize(1, 1));
}

} // namespace vantor
