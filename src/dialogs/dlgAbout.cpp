#include "dialogs/dlgAbout.h"

#include "dialogs/PricelistPage.h"

#include "common/TextHelpers.h"
#include "data/DataModule.h"
#include "dialogs/LicenceResources.h"
#include "dialogs/RtfReader.h"
#include "i18n/uLanguages.h"
#include "skins/VantorComponents.h"
#include "support/OsFacts.h"
#include "widgets/BusyCursor.h"
#include "widgets/MessageDialogs.h"
#include "widgets/ModalRun.h"
#include "widgets/PngLogo.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>
#include <memory>

namespace vantor {
namespace {

constexpr int ClientWidth = 519;
constexpr int ClientHeight = 308;
constexpr int PageMargin = 3;
constexpr int LogoWidth = 296;
constexpr int LogoHeight = 86;

QFont ArialPixels(int APixels, bool ABold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(APixels);
    font.setBold(ABold);
    return font;
}

// A page whose only control fills it, 3 pixels from each edge.
QVBoxLayout* FillingLayout(QWidget* APage)
{
    auto* layout = new QVBoxLayout(APage);
    layout->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
    return layout;
}

TSkinLabel* AboutLabel(QWidget* AParent, int ATop, const QFont& AFont)
{
    auto* label = new TSkinLabel(AParent);
    // They show the engine's texts, which are not markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(AFont);
    label->move(0, ATop);
    return label;
}

} // namespace

QString FormatOneString(const QString& ATemplate, const QString& AValue)
{
    return FormatPercentS(ATemplate, {AValue});
}

TFrmAbout::TFrmAbout(QWidget* AOwner, TOemDataLoader ALoadOemData, bool AUnsignedUpdates)
    : QDialog(AOwner), loadOemData_(std::move(ALoadOemData)), unsignedUpdates_(AUnsignedUpdates)
{
    setObjectName(QStringLiteral("FrmAbout"));
    BuildControls();
    FormCreate();
}

TFrmAbout::~TFrmAbout()
{
    FormClose();
}

void TFrmAbout::BuildControls()
{
    SetSkinSection(this, QStringLiteral("FORM"));
    setFont(ArialPixels(12));
    setFixedSize(ClientWidth, ClientHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    SetSkinSection(PageControl, QStringLiteral("PAGECONTROL"));
    PageControl->setGeometry(4, 6, 511, 253);

    tabAbout = new QWidget;
    tabNotes = new QWidget;
    tabModules = new QWidget;
    tabLicence = new QWidget;
    for (QWidget* page : {tabAbout, tabNotes, tabModules, tabLicence}) {
        SetSkinSection(page, QStringLiteral("TABSHEET"));
        PageControl->addTab(page, QString());
    }

    pnlAboutBack = new QFrame;
    pnlAboutBack->setObjectName(QStringLiteral("pnlAboutBack"));
    // A white sheet with dark text under every skin, the dark ones included.
    SetSkinSection(pnlAboutBack, QStringLiteral("PAPER"));
    pnlAboutBack->setFrameShape(QFrame::Panel);
    pnlAboutBack->setFrameShadow(QFrame::Sunken);
    pnlAboutBack->setAutoFillBackground(true);
    FillingLayout(tabAbout)->addWidget(pnlAboutBack);
    pnlAboutBack->installEventFilter(this);

    imgLogo = new QLabel(pnlAboutBack);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setGeometry(0, 20, LogoWidth, LogoHeight);
    lblProductName = AboutLabel(pnlAboutBack, 113, ArialPixels(24, true));
    lblProductVersion = AboutLabel(pnlAboutBack, 149, ArialPixels(12));
    lblHomePage = AboutLabel(pnlAboutBack, 174, ArialPixels(12));
    lblHomePage->setTextFormat(Qt::RichText);
    lblHomePage->setCursor(Qt::PointingHandCursor);
    // Reachable from the keyboard once it holds a link (ShowProductInfo).
    lblHomePage->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    lblHomePage->setFocusPolicy(Qt::NoFocus);
    connect(lblHomePage, &QLabel::linkActivated, this, [this] { OpenHomePage(); });
    lblCopyright = AboutLabel(pnlAboutBack, 197, ArialPixels(12));
    // Shown when the engine gives no branding.
    lblProductName->setText(QStringLiteral("Vantorix"));

    lvModules = new QTableWidget(0, 3);
    lvModules->setObjectName(QStringLiteral("lvModules"));
    lvModules->setFont(ArialPixels(11));
    lvModules->setShowGrid(true);
    lvModules->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvModules->setSelectionMode(QAbstractItemView::SingleSelection);
    lvModules->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvModules->setWordWrap(false);
    lvModules->verticalHeader()->hide();
    lvModules->verticalHeader()->setDefaultSectionSize(18);
    lvModules->horizontalHeader()->setSectionsClickable(false);
    lvModules->horizontalHeader()->setHighlightSections(false);
    lvModules->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvModules->horizontalHeader()->setStretchLastSection(true);
    lvModules->setColumnWidth(0, 95);
    lvModules->setColumnWidth(1, 90);
    lvModules->setColumnWidth(2, 308);
    FillingLayout(tabModules)->addWidget(lvModules);

    richLicence = new QTextBrowser;
    richLicence->setObjectName(QStringLiteral("richLicence"));
    richLicence->setReadOnly(true);
    richLicence->setOpenLinks(false);
    richLicence->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    richLicence->setFont(ArialPixels(12));
    FillingLayout(tabLicence)->addWidget(richLicence);

    pnlCommands = new TCommandPanelEx(this);
    pnlCommands->setObjectName(QStringLiteral("pnlCommands"));
    pnlCommands->setGeometry(0, ClientHeight - 43, ClientWidth, 43);
    pnlCommands->SetButtonWidth(85);
    for (TSkinButton* button : {pnlCommands->ButtonOk(), pnlCommands->ButtonCancel()}) {
        SetSkinSection(button, QStringLiteral("BUTTON"));
        button->SetShowFocusRect(false);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, &QDialog::accept);
    }
    pnlCommands->SetOkFirstInTabOrder(false);
    lblOsInfo = new TSkinLabel(pnlCommands);
    lblOsInfo->setObjectName(QStringLiteral("lblOsInfo"));
    lblOsInfo->setTextFormat(Qt::PlainText); // the system's own name of itself
    lblOsInfo->move(12, 8);
    lblOsMemory = new TSkinLabel(pnlCommands);
    lblOsMemory->setObjectName(QStringLiteral("lblOsMemory"));
    lblOsMemory->setTextFormat(Qt::PlainText);
    lblOsMemory->move(12, 26);
}

void TFrmAbout::FormCreate()
{
    BusyCursor busy;
    LoadAboutCaptions();
    ShowOsInfo();
    ShowMemoryInfo();
    ShowProductInfo();
    FillModulesList();
    OpenPricelist();
    LoadLicence();
    FinishLayout();
    PageControl->setCurrentWidget(tabAbout);
}

void TFrmAbout::LoadAboutCaptions()
{
    const QString about = GetText(QStringLiteral("IDS_CONTAINER_03"));
    setWindowTitle(about);
    PageControl->setTabText(PageControl->indexOf(tabAbout), about);
    PageControl->setTabText(PageControl->indexOf(tabModules), GetText(QStringLiteral("IDS_CONTAINER_08")));
    PageControl->setTabText(PageControl->indexOf(tabLicence), GetText(QStringLiteral("IDS_CONTAINER_24")));
    lvModules->setHorizontalHeaderLabels({QLatin1Char(' ') + GetText(QStringLiteral("IDS_CONTAINER_09")),
                                          QLatin1Char(' ') + GetText(QStringLiteral("IDS_CONTAINER_10")),
                                          QLatin1Char(' ') + GetText(QStringLiteral("IDS_CONTAINER_11"))});
    // What screen readers call the pages' contents and the page list.
    lvModules->setAccessibleName(GetText(QStringLiteral("IDS_CONTAINER_08")));
    richLicence->setAccessibleName(GetText(QStringLiteral("IDS_CONTAINER_24")));
    PageControl->tabBar()->setAccessibleName(about);
    // The pricelist page sets its own captions when it is created (OpenPricelist).
    const QString ok = GetText(QStringLiteral("IDS_COMMON_20"));
    pnlCommands->ButtonOk()->setText(ok);
    pnlCommands->ButtonCancel()->setText(ok);
}

void TFrmAbout::ShowOsInfo()
{
    const platform::OsFacts facts = platform::ReadOsFacts();
    lblOsInfo->setText(FormatOsInfo(facts.productName, facts.build, facts.servicePack));
    lblOsInfo->adjustSize();
}

void TFrmAbout::ShowMemoryInfo()
{
    lblOsMemory->setText(FormatOneString(GetText(QStringLiteral("IDS_CONTAINER_23")),
                                         FormatMemoryKilobytes(platform::TotalPhysicalMemory())));
    lblOsMemory->adjustSize();
}

void TFrmAbout::ShowProductInfo()
{
    TOemData oemData;
    bool loaded = false;
    try {
        loaded = loadOemData_ && loadOemData_(oemData, true);
    } catch (...) {
        // The loader reaches into the engine, outside our code: whatever it
        // raises counts as a failed query and goes no further.
        loaded = false;
    }
    if (!loaded)
        return; // oemData, and its logo stream with it, is released here all the same
    lblProductName->setText(oemData.sProduct);
    lblCopyright->setText(oemData.sCopyright);
    homePage_ = oemData.sHomePage;
    lblHomePage->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                             .arg(homePage_.toHtmlEscaped(), GetUrlCaption(homePage_).toHtmlEscaped()));
    lblHomePage->setAccessibleName(GetUrlCaption(homePage_));
    if (!homePage_.isEmpty()) {
        lblHomePage->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        lblHomePage->setFocusPolicy(Qt::StrongFocus);
    }
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(oemData.Version.wMajor)
                                .arg(oemData.Version.wMinor)
                                .arg(oemData.Version.wRelease);
    lblProductVersion->setText(FormatOneString(GetText(QStringLiteral("IDS_CONTAINER_07")), version));
    if (oemData.Logo && oemData.Logo->size() > 0) {
        QImage logo;
        if (LoadPngIntoBitmap(oemData.Logo.get(), logo)) {
            if (logo.width() > LogoWidth || logo.height() > LogoHeight)
                logo = logo.scaled(LogoWidth, LogoHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            imgLogo->setPixmap(QPixmap::fromImage(logo));
        }
    }
}

void TFrmAbout::OpenHomePage()
{
    if (!homePage_.isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(homePage_));
}

void TFrmAbout::LoadLicence()
{
    // No document for the language (e.g. "REF") leaves the page empty.
    const QByteArray rtf = LoadLicenceResource(QStringLiteral("Licence_") + GlobalSetupData.LanguageId);
    richLicence->setHtml(RtfToHtml(ReadRtf(rtf)));
}

void TFrmAbout::FinishLayout()
{
    AddPricelistPage();
    for (TSkinLabel* label : {lblProductName, lblProductVersion, lblHomePage, lblCopyright})
        label->adjustSize();
    CentreAboutLabels();
    pnlCommands->ArrangeButtons(true);
    pnlCommands->ShowSingleButton(GlobalSetupData.UsageType);
    pnlCommands->ApplyLabelColors();
    PageControl->setTabVisible(PageControl->indexOf(tabNotes), false);
}

void TFrmAbout::CentreAboutLabels()
{
    const int width = pnlAboutBack->width();
    imgLogo->move((width - imgLogo->width()) / 2, imgLogo->y());
    for (TSkinLabel* label : {lblProductName, lblProductVersion, lblHomePage, lblCopyright})
        label->move((width - label->width()) / 2, label->y());
}

bool TFrmAbout::eventFilter(QObject* AWatched, QEvent* AEvent)
{
    // The panel gets its final width from the page's layout, after creation.
    if (AWatched == pnlAboutBack && AEvent->type() == QEvent::Resize)
        CentreAboutLabels();
    return QDialog::eventFilter(AWatched, AEvent);
}

void TFrmAbout::done(int AResult)
{
    FormClose();
    QDialog::done(AResult);
}

void TFrmAbout::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    if (pricelistPage_ != nullptr)
        pricelistPage_->ClosePricelist(); // closes the data module's pricelist too
    else if (DM != nullptr)
        DM->ClosePricelistDatabase();
}

// --- Pricelist page -------------------------------------------------------
// The page joins between Modules and Licence in debug mode, with a valid
// pricelist for the selected catalogue and three-phase systems not hidden.

void TFrmAbout::OpenPricelist()
{
    if (DM == nullptr)
        return;
    pricelistPage_ = new TPricelistPage(*DM, PageControl);
    pricelistPage_->LoadCaptions();
    // Opens only in debug mode with a valid pricelist; one the query cannot
    // read leaves the page empty.
    (void)pricelistPage_->Open();
}

void TFrmAbout::AddPricelistPage()
{
    if (pricelistPage_ == nullptr)
        return;
    const int index =
        PageControl->insertTab(PageControl->indexOf(tabLicence), pricelistPage_, pricelistPage_->PageCaption());
    PageControl->setTabVisible(index, ShouldShowPricelistPage(GlobalSetupData));
    pricelistPage_->FitColumns();
}

void RunAboutDialog(QWidget* AOwner, TOemDataLoader ALoadOemData, bool AUnsignedUpdates)
{
    try {
        RunModal(new TFrmAbout(AOwner, std::move(ALoadOemData), AUnsignedUpdates), [](TFrmAbout&, int) {});
    } catch (...) {
        // A boundary: nothing may pass through Qt's event loop; whatever the
        // dialog raised, also outside the standard exceptions, is one message.
        ShowErrorMessage(QStringLiteral("Vantorix"), QStringLiteral("IDS_MESSAGES_11"), true);
    }
}

} // namespace vantor
