// The main window. Its creation runs the whole start-up sequence; the window
// is shown, and the message loop run, only when that succeeded.
#pragma once

#include <QMainWindow>
#include <QString>

namespace vantor {

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

private:
    void FormCreate();
    void FormDestroy();
    bool LoadConfiguration();
    bool LoadSetupData();
    void FatalError(const QString& Text);
    void ReleaseResources();

    QString programFolder_;
    bool startupSucceeded_ = false;
};

} // namespace vantor
