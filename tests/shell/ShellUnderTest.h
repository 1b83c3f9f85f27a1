// The main program as the tests start it: a session with the real main
// window, started at once, and its controls found by object name.
#pragma once

#include "shell/ItemLabel.h"
#include "shell/ShellSession.h"
#include "shell/dlgMain.h"

#include <QAction>
#include <QLabel>
#include <QWidget>

#include <memory>

namespace vantor::test {

class TShellUnderTest {
public:
    explicit TShellUnderTest(const QString& AProgramFolder)
        : session_(AProgramFolder, [](TShellSession& ASession) { return std::make_unique<TFrmVantorMain>(ASession); })
    {
        started_ = session_.start();
    }

    TShellSession& session() { return session_; }
    bool started() const { return started_; }
    bool IsEngineReady() const { return session_.IsEngineReady(); }
    bool endedWithFatalError() const { return session_.endedWithFatalError(); }
    int FindIndexOfInstalledCatalogue(const QString& ACode) const
    {
        return session_.FindIndexOfInstalledCatalogue(ACode);
    }

    // The window, or nothing after a failed start.
    QWidget* widget() const { return session_.View() ? session_.View()->Window() : nullptr; }
    template <typename T>
    T* control(const char* AName) const
    {
        return widget() ? widget()->findChild<T*>(QLatin1String(AName)) : nullptr;
    }
    TItemLabel* item(const char* AName) const { return control<TItemLabel>(AName); }
    QAction* action(const char* AName) const { return control<QAction>(AName); }
    template <typename T>
    QList<T> findChildren() const
    {
        return widget()->findChildren<T>();
    }

    // The engine's panel callback, as the engine calls it.
    void EnginePanelCallback(bool ShowWelcome, bool ShowContainer)
    {
        session_.View()->ShowPanels(ShowWelcome, ShowContainer);
    }

    bool isVisible() const { return widget() != nullptr && widget()->isVisible(); }
    void show() { widget()->show(); }
    void hide() { widget()->hide(); }
    QString windowTitle() const { return widget()->windowTitle(); }
    QSize size() const { return widget()->size(); }
    int width() const { return widget()->width(); }
    QSize minimumSize() const { return widget()->minimumSize(); }

private:
    TShellSession session_;
    bool started_ = false;
};

} // namespace vantor::test
