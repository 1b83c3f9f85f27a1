// The setup dialog: catalogue, interface language, automatic update check,
// price display and, in debug mode, four advanced selection options. It
// edits GlobalSetupData directly, and only when the user confirms with OK.
#pragma once

#include "dialogs/SetupChoices.h"

#include <QDialog>

#include <exception>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QShowEvent;
class QTabWidget;
class QWidget;

namespace vantor {

class TCommandPanelEx;

// Shows the setup dialog over AOwner, modally, and releases it afterwards.
// Returns true when the user confirmed with OK: the new values then already
// stand in GlobalSetupData. On false nothing was changed; an error while the
// dialog ran has been reported (caption "Vantorix", "IDS_MESSAGES_11").
//
// After true the caller applies the settings, in this order: WriteSetupFile,
// LoadSetupData (reads the file again), LoadCaptions (the language may have
// changed), ReinitializeEngine, UpdateTitle. After false it does none of them.
[[nodiscard]] bool RunSetupDialog(QWidget* AOwner);

class TFrmSetup : public QDialog {
    Q_OBJECT

public:
    // FormCreate: builds the layout, fills the catalogue list from
    // InstalledVersion and GlobalSetupData.CatalogueCode, sets the captions
    // in the current language and opens the general page.
    explicit TFrmSetup(QWidget* AOwner = nullptr);

    QTabWidget* PageControl = nullptr;
    QWidget* TabGeneral = nullptr;
    QGroupBox* grpCatalogues = nullptr;
    QComboBox* cmbCatalogues = nullptr;
    QGroupBox* grpLanguages = nullptr;
    QComboBox* cmbLanguages = nullptr;
    QGroupBox* grpMiscellaneous = nullptr;
    QCheckBox* chkAutoUpdate = nullptr;
    QCheckBox* chkShowPrices = nullptr;
    QWidget* TabAdvanced = nullptr;
    QCheckBox* chkShowAllConfigurations = nullptr;
    QCheckBox* chkUnlimitedBatteryCabs = nullptr;
    QCheckBox* chkSortSolutionByPrice = nullptr;
    QCheckBox* chkShowAutonomyLower = nullptr;
    TCommandPanelEx* pnlCommands = nullptr;

    // Whether the advanced page is offered (debug mode only).
    [[nodiscard]] bool AdvancedPageShown() const;
    // The controls' current state.
    TSetupChoices Choices() const;

    // Runs one step of the dialog. An error raised by it ends the dialog as
    // cancelled and is kept for RethrowFailure, so that it does not cross Qt's
    // event loop.
    void RunGuarded(const std::function<void()>& AStep);
    // Raises the error kept by RunGuarded, if any.
    void RethrowFailure() const;

public slots:
    // Stores the choices and closes with OK; with a choice missing it keeps
    // the dialog open and tells the user what to choose.
    void btnOkClick();

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void BuildControls();
    void InitLayout();
    void InitCaptions();
    void FillCatalogues();
    // FormShow: the language list, rebuilt from the translation file, and the
    // values of GlobalSetupData in the controls.
    void LoadValues();
    void PageControlChange();
    void StoreChoices();

    std::exception_ptr failure_;
};

} // namespace vantor
