#include "dev/ui/ProjectExports.h"

#include "dev/core/ProjectFile.h"
#include "dev/core/QuoteNumber.h"
#include "dev/ui/ProjectHub.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace vantor::devengine {

namespace {

struct ExportKind {
    TextId Title;
    TextId Filter;
    const char* Suffix;
};

ExportKind KindOf(QuoteExport AKind)
{
    switch (AKind) {
    case QuoteExport::Pdf:
        return {TextId::ProjectExportPdf, TextId::ProjectPdfFilter, ".pdf"};
    case QuoteExport::Spreadsheet:
        return {TextId::ProjectExportXlsx, TextId::ProjectSpreadsheetFilter, ".xlsx"};
    case QuoteExport::Csv:
        break;
    }
    return {TextId::ProjectExportCsv, TextId::ProjectCsvFilter, ".csv"};
}

// Beside the project's file, else in the projects' folder.
QString ExportFolder(const ProjectSession& ASession)
{
    if (!ASession.Path().isEmpty())
        return QFileInfo(ASession.Path()).path();
    QString folder = DefaultProjectFolder();
    if (QDir().mkpath(folder))
        return folder;
    return QDir::homePath();
}

} // namespace

QString ExportProject(QWidget* AParent, ProjectHub& AHub, const QuoteSources& ASources, QuoteExport AKind)
{
    const EngineTexts& texts = AHub.Texts();
    ProjectSession& session = AHub.Session();
    const ExportKind kind = KindOf(AKind);
    QString name = session.DisplayName(texts(TextId::QuoteTitle));
    name.replace(u'/', u'-');
    AHub.Flush();
    QString file = QFileDialog::getSaveFileName(AParent, texts(kind.Title),
                                                ExportFolder(session) + u'/' + name + QLatin1String(kind.Suffix),
                                                texts(kind.Filter));
    if (file.isEmpty())
        return {};
    if (!file.endsWith(QLatin1String(kind.Suffix), Qt::CaseInsensitive))
        file += QLatin1String(kind.Suffix);

    const bool hadNumber = !session.Current().Terms.QuoteNumber.isEmpty();
    const Result<SellerSettings> seller = LoadSellerSettings(texts);
    const QString prefix = seller ? seller->QuotePrefix : QString::fromLatin1(DefaultQuotePrefix);
    if (const Result<void> issued = IssueQuoteNumber(session.Edit(), prefix, texts, EngineConfigFolder()); !issued)
        return issued.error().message();
    if (!hadNumber)
        AHub.Touch(false);

    QuoteSources sources = ASources;
    if (seller)
        sources.Seller = seller->Seller;
    const Result<ProjectQuote> quote = QuoteOfProject(session.Current(), sources, texts);
    if (!quote)
        return quote.error().message();
    if (const Result<void> written = WriteProjectQuote(*quote, AKind, file, texts); !written)
        return written.error().message();
    if (AKind == QuoteExport::Pdf)
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    return texts(TextId::SavedTo).arg(QDir::toNativeSeparators(file));
}

} // namespace vantor::devengine
