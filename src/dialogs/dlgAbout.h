// The about dialog: branding, versions and places of the installed modules,
// operating system and memory, and the licence in the user's language.
// Everything it shows is gathered while it is created.
#pragma once

#include "common/uGlobals.h"

#include <QDialog>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>

class QFrame;
class QLabel;
class QTabWidget;
class QTableWidget;
class QTextBrowser;

namespace vantor {

class TPricelistPage;

class TCommandPanelEx;
class TSkinLabel;

// Fills the branding record; InfoLogo asks for the about dialog's logo.
// True on success. The main window passes its LoadOemData.
using TOemDataLoader = std::function<bool(TOemData& AOemData, bool InfoLogo)>;

// "%s (Build %d)", or with a service pack "%s (Build %d; Service Pack %d)".
[[nodiscard]] QString FormatOsInfo(const QString& AName, int ABuild, int AServicePack);
// Kilobytes of ABytes, rounded and grouped by thousands with ALocale's separator.
[[nodiscard]] QString FormatMemoryKilobytes(std::uint64_t ABytes, const QLocale& ALocale = QLocale());
// The first "%s" of ATemplate replaced by AValue, "%%" by "%".
[[nodiscard]] QString FormatOneString(const QString& ATemplate, const QString& AValue);

class TFrmAbout : public QDialog {
    Q_OBJECT

public:
    // AUnsignedUpdates: the build reads unsigned update manifests, which
    // the module list says beside the program's version.
    TFrmAbout(QWidget* AOwner, TOemDataLoader ALoadOemData, bool AUnsignedUpdates = false);
    ~TFrmAbout() override;

    // Closes the pricelist too; see FormClose.
    void done(int AResult) override;

    // Controls, reachable for the main window's tests and the pricelist page.
    QTabWidget* PageControl = nullptr;
    QWidget* tabAbout = nullptr;
    QWidget* tabNotes = nullptr;
    QWidget* tabModules = nullptr;
    QWidget* tabLicence = nullptr;
    QFrame* pnlAboutBack = nullptr;
    QLabel* imgLogo = nullptr;
    TSkinLabel* lblProductName = nullptr;
    TSkinLabel* lblProductVersion = nullptr;
    TSkinLabel* lblHomePage = nullptr;
    TSkinLabel* lblCopyright = nullptr;
    QTableWidget* lvModules = nullptr;
    QTextBrowser* richLicence = nullptr;
    TCommandPanelEx* pnlCommands = nullptr;
    TSkinLabel* lblOsInfo = nullptr;
    TSkinLabel* lblOsMemory = nullptr;

    // Link target of lblHomePage.
    [[nodiscard]] QString HomePage() const { return homePage_; }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    void BuildControls();
    void FormCreate();
    void FormClose();

    void LoadAboutCaptions();
    void ShowOsInfo();
    void ShowMemoryInfo();
    void ShowProductInfo();
    void FillModulesList();
    void AddModuleRow(const QString& AFile, const QString& AVersion);
    void AddModuleVersionRow(const QString& AFile, const TInfoVersion& AVersion);
    void GetCatalogueDates(QString& ACatalogueDate, QString& APricelistDate) const;
    void OpenPricelist();
    void LoadLicence();
    void FinishLayout();
    void CentreAboutLabels();
    void OpenHomePage();

    // The pricelist page: whether it belongs in the dialog, and where it joins.
    void AddPricelistPage();

    TOemDataLoader loadOemData_;
    QString homePage_;
    TPricelistPage* pricelistPage_ = nullptr;
    bool unsignedUpdates_ = false;
    bool closed_ = false;
};

// Creates the dialog centred on AOwner, shows it modally and releases it.
// Errors raised meanwhile are reported as "IDS_MESSAGES_11".
void RunAboutDialog(QWidget* AOwner, TOemDataLoader ALoadOemData, bool AUnsignedUpdates = false);

} // namespace vantor
