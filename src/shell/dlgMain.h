// The main window. Its creation runs the whole start-up sequence; the window
// is shown, and the message loop run, only when that succeeded.
#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

namespace vantor {

class TDM;

class TFrmVantorMain : public QMainWindow {
    Q_OBJECT

public:
    // programFolder: the folder of the running program file (trailing "/").
    explicit TFrmVantorMain(const QString& programFolder, QWidget* parent = nullptr);
    ~TFrmVantorMain() override;

    // Whether the start-up sequence succeeded, so the message loop may run.
    bool StartupSucceeded() const { return startupSucceeded_; }

    // Deletes the update staging folder with everything in it when it exists.
    static void DeleteStagingFolder();

    // Index of the installed catalogue with exactly this code, or -1.
    int FindIndexOfInstalledCatalogue(const QString& ACode) const;

private:
    void FormCreate();
    void FormDestroy();
    bool LoadConfiguration();
    bool LoadSetupData();
    bool LoadInstalledCatalogues();
    void FatalError(const QString& Text);
    void ReleaseResources();

    QString programFolder_;
    std::unique_ptr<TDM> dataModule_;
    bool startupSucceeded_ = false;
};

} // namespace vantor
