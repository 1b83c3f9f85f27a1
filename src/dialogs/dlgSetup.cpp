#include "dialogs/dlgSetup.h"

#include "common/uConstants.h"
#include "data/InstalledVersion.h"
#include "i18n/uLanguages.h"
#include "skins/VantorComponents.h"
#include "widgets/MessageDialogs.h"
#include "widgets/ModalRun.h"
#include "widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPointer>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vantor {

namespace {

constexpr int ClientWidth = 423;
constexpr int ClientHeight = 350;

QFont DialogFont(bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(bold);
    return font;
}

QGroupBox* MakeGroup(QWidget* page, const char* name, const QRect& geometry)
{
    auto* group = new QGroupBox(page);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    group->setFont(DialogFont(true));
    SetSkinSection(group, QStringLiteral("GROUPBOX"));
    return group;
}

QComboBox* MakeList(QGroupBox* group, const char* name)
{
    auto* list = new QComboBox(group);
    list->setObjectName(QLatin1String(name));
    list->setFont(DialogFont());
    list->setEditable(false);
    SetSkinSection(list, QStringLiteral("COMBOBOX"));
    list->setGeometry(14, 25, 347, list->sizeHint().height());
    return list;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, int left, int top)
{
    auto* check = new QCheckBox(parent);
    check->setObjectName(QLatin1String(name));
    check->setFont(DialogFont());
    check->move(left, top);
    return check;
}

// A check box takes the width of its caption, up to the right edge of its parent.
void FitCheck(QCheckBox* check, int rightMargin)
{
    const int room = check->parentWidget()->width() - check->x() - rightMargin;
    check->resize(qMin(check->sizeHint().width(), room), check->sizeHint().height());
}

} // namespace

bool RunSetupDialog(QWidget* AOwner)
{
    try {
        bool accepted = false;
        RunModal(new TFrmSetup(AOwner), [&accepted](TFrmSetup& dialog, int result) {
            dialog.RethrowFailure();
            accepted = result == QDialog::Accepted;
        });
        return accepted;
    } catch (...) {
        // A boundary: nothing may pass through Qt's event loop, and whatever
        // the dialog raised (ours, Qt's, an engine's) ends as one message.
        ShowErrorMessage(QString::fromLatin1(ProductCaption), QStringLiteral("IDS_MESSAGES_11"), true);
        return false;
    }
}

TFrmSetup::TFrmSetup(QWidget* AOwner) : QDialog(AOwner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmSetup"));
    BuildControls();
    InitLayout();
    InitCaptions();
    PageControl->setCurrentWidget(TabGeneral);
    connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
    connect(pnlCommands->ButtonOk(), &QPushButton::clicked, this, &TFrmSetup::btnOkClick);
    connect(pnlCommands->ButtonCancel(), &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmSetup::BuildControls()
{
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    SetSkinSection(this, QStringLiteral("FORM"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Created before the command panel: the pages come first in the tab order.
    auto* body = new QWidget(this);
    layout->addWidget(body, 1);

    PageControl = new QTabWidget(body);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setGeometry(10, 10, 403, 281);
    SetSkinSection(PageControl, QStringLiteral("PAGECONTROL"));

    TabGeneral = new QWidget;
    TabGeneral->setObjectName(QStringLiteral("TabGeneral"));
    PageControl->addTab(TabGeneral, QString());
    grpCatalogues = MakeGroup(TabGeneral, "grpCatalogues", QRect(10, 8, 375, 65));
    cmbCatalogues = MakeList(grpCatalogues, "cmbCatalogues");
    grpLanguages = MakeGroup(TabGeneral, "grpLanguages", QRect(10, 84, 375, 65));
    cmbLanguages = MakeList(grpLanguages, "cmbLanguages");
    grpMiscellaneous = MakeGroup(TabGeneral, "grpMiscellaneous", QRect(10, 160, 375, 81));
    chkAutoUpdate = MakeCheck(grpMiscellaneous, "chkAutoUpdate", 14, 26);
    chkShowPrices = MakeCheck(grpMiscellaneous, "chkShowPrices", 14, 48);

    TabAdvanced = new QWidget;
    TabAdvanced->setObjectName(QStringLiteral("TabAdvanced"));
    PageControl->addTab(TabAdvanced, QString());
    chkShowAllConfigurations = MakeCheck(TabAdvanced, "chkShowAllConfigurations", 10, 18);
    chkUnlimitedBatteryCabs = MakeCheck(TabAdvanced, "chkUnlimitedBatteryCabs", 10, 48);
    chkSortSolutionByPrice = MakeCheck(TabAdvanced, "chkSortSolutionByPrice", 10, 78);
    chkShowAutonomyLower = MakeCheck(TabAdvanced, "chkShowAutonomyLower", 10, 108);

    pnlCommands = new TCommandPanelEx(this);
    pnlCommands->setObjectName(QStringLiteral("pnlCommands"));
    layout->addWidget(pnlCommands);
    for (TSkinButton* button : {pnlCommands->ButtonOk(), pnlCommands->ButtonCancel()}) {
        button->setFont(DialogFont());
        SetSkinSection(button, QStringLiteral("BUTTON"));
        button->SetShowFocusRect(false);
    }
    // The stored order tabs to Cancel before OK; ArrangeButtons exchanges
    // it where OK goes to the right.
    pnlCommands->SetOkFirstInTabOrder(false);
}

void TFrmSetup::InitLayout()
{
    PageControl->setTabVisible(PageControl->indexOf(TabAdvanced), GlobalSetupData.DebugMode);
    // The main window sets the style before any dialog opens; without it the
    // panel would shrink to nothing and hide its buttons.
    if (CommandPanelStyle.PanelHeight <= 0)
        SetCommandPanelStyle(GlobalSetupData.UsageType);
    pnlCommands->ArrangeButtons(true);
    FillCatalogues();
}

void TFrmSetup::InitCaptions()
{
    setWindowTitle(GetText(QStringLiteral("IDS_CONTAINER_02")));
    PageControl->setTabText(PageControl->indexOf(TabGeneral), GetText(QStringLiteral("IDS_CONTAINER_19")));
    grpCatalogues->setTitle(GetText(QStringLiteral("IDS_CONTAINER_25")));
    grpLanguages->setTitle(GetText(QStringLiteral("IDS_CONTAINER_04")));
    // The lists are named by their groups' titles for screen readers.
    cmbCatalogues->setAccessibleName(grpCatalogues->title());
    cmbLanguages->setAccessibleName(grpLanguages->title());
    PageControl->tabBar()->setAccessibleName(windowTitle());
    grpMiscellaneous->setTitle(GetText(QStringLiteral("IDS_COMMON_61")));
    chkAutoUpdate->setText(GetText(QStringLiteral("IDS_CONTAINER_06")));
    chkShowPrices->setText(GetText(QStringLiteral("IDS_CONTAINER_27")));
    PageControl->setTabText(PageControl->indexOf(TabAdvanced), GetText(QStringLiteral("IDS_CONTAINER_15")));
    chkShowAllConfigurations->setText(GetText(QStringLiteral("IDS_CONTAINER_16")));
    chkUnlimitedBatteryCabs->setText(GetText(QStringLiteral("IDS_CONTAINER_20")));
    chkSortSolutionByPrice->setText(GetText(QStringLiteral("IDS_CONTAINER_26")));
    chkShowAutonomyLower->setText(GetText(QStringLiteral("IDS_CONTAINER_28")));
    pnlCommands->ButtonOk()->setText(GetText(QStringLiteral("IDS_COMMON_20")));
    pnlCommands->ButtonCancel()->setText(GetText(QStringLiteral("IDS_COMMON_21")));

    for (QCheckBox* check : {chkAutoUpdate, chkShowPrices})
        FitCheck(check, 10);
    for (QCheckBox* check :
         {chkShowAllConfigurations, chkUnlimitedBatteryCabs, chkSortSolutionByPrice, chkShowAutonomyLower})
        FitCheck(check, 10);
}

void TFrmSetup::FillCatalogues()
{
    QStringList names = InstalledCatalogueNames(InstalledVersion.Catalogues);
    SortCatalogueNames(names);
    cmbCatalogues->clear();
    cmbCatalogues->addItems(names);
    cmbCatalogues->setCurrentIndex(IndexOfCatalogue(names, GlobalSetupData.CatalogueCode));
}

void TFrmSetup::LoadValues()
{
    chkAutoUpdate->setChecked(GlobalSetupData.AutoCheckUpdates);
    chkShowPrices->setChecked(GlobalSetupData.ShowPrices);

    // Rebuilt at every showing, so that a language added to the file is offered.
    cmbLanguages->clear();
    if (BuildLanguageList(false)) {
        cmbLanguages->addItems(AvailableLanguageNames());
        // The identifier must match the file's letter case; "REF" is not listed.
        cmbLanguages->setCurrentIndex(IndexOfLanguageById(GlobalSetupData.LanguageId));
    }

    const TAdvancedOptions& options = GlobalSetupData.AdvancedOptions;
    chkShowAllConfigurations->setChecked(options.ShowAllConfigurations);
    chkUnlimitedBatteryCabs->setChecked(options.UnlimitedBatteryCabs);
    chkSortSolutionByPrice->setChecked(options.SortSolutionsByPrice);
    chkShowAutonomyLower->setChecked(options.ShowTechDataAutonomyLower);
}

bool TFrmSetup::AdvancedPageShown() const
{
    return PageControl->isTabVisible(PageControl->indexOf(TabAdvanced));
}

TSetupChoices TFrmSetup::Choices() const
{
    TSetupChoices choices;
    if (cmbCatalogues->currentIndex() >= 0)
        choices.CatalogueName = cmbCatalogues->currentText();
    if (cmbLanguages->currentIndex() >= 0)
        choices.LanguageName = cmbLanguages->currentText();
    choices.AutoCheckUpdates = chkAutoUpdate->isChecked();
    choices.ShowPrices = chkShowPrices->isChecked();
    // Written back even when the advanced page is hidden: they then hold the
    // values loaded.
    choices.ShowAllConfigurations = chkShowAllConfigurations->isChecked();
    choices.UnlimitedBatteryCabs = chkUnlimitedBatteryCabs->isChecked();
    choices.SortSolutionsByPrice = chkSortSolutionByPrice->isChecked();
    choices.ShowTechDataAutonomyLower = chkShowAutonomyLower->isChecked();
    return choices;
}

void TFrmSetup::PageControlChange()
{
    if (PageControl->isVisible() && PageControl->isEnabled() && PageControl->focusPolicy() != Qt::NoFocus)
        PageControl->setFocus();
}

void TFrmSetup::btnOkClick()
{
    RunGuarded([this] { StoreChoices(); });
}

void TFrmSetup::StoreChoices()
{
    const TSetupChoices choices = Choices();
    const unsigned missing = MissingChoices(choices);
    if (missing != mcNone) {
        // Stay open, so that the user can choose or cancel.
        PageControl->setCurrentWidget(TabGeneral);
        ShowWarningMessage(QString(), MissingChoiceText(missing), false);
        (missing & mcCatalogue ? cmbCatalogues : cmbLanguages)->setFocus();
        return;
    }
    (void)StoreSetupChoices(choices, GlobalSetupData); // complete: checked above
    accept();
}

void TFrmSetup::showEvent(QShowEvent* AEvent)
{
    QDialog::showEvent(AEvent);
    if (!AEvent->spontaneous())
        RunGuarded([this] { LoadValues(); });
}

void TFrmSetup::RunGuarded(const std::function<void()>& AStep)
{
    try {
        AStep();
    } catch (...) {
        // Inside an event handler nothing may escape into Qt's event loop;
        // RunSetupDialog reports it once the dialog is closed.
        if (!failure_)
            failure_ = std::current_exception();
        // Queued: a dialog closed while it is being shown would leave exec()
        // waiting for ever.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
}

void TFrmSetup::RethrowFailure() const
{
    if (failure_)
        std::rethrow_exception(failure_);
}

} // namespace vantor
