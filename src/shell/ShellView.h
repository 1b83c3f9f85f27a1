// What the shell session tells its main window, and nothing more: the
// session holds the logic, the window draws. Tests give the session a view
// of their own to watch it without a window.
#pragma once

#include "shell/MainWindowLogic.h"

#include <QByteArray>
#include <QString>

class QWidget;

namespace vantor {

class TShellView {
public:
    virtual ~TShellView() = default;

    // The widget that parents the dialogs and the update check's questions,
    // and that the engine draws into (ContainerPanel).
    virtual QWidget* Window() = 0;
    virtual void* ContainerPanel() = 0;

    // Lays the window out, skinned; the modular entry is enabled only with a devices database.
    virtual void SetupLayout(bool DevicesAvailable) = 0;
    virtual void ShowCaptions(const TItemsCaption& Captions) = 0;
    virtual void ShowTitle(const QString& Title) = 0;
    // The engine's branding: the product in the title band, its logo (PNG).
    virtual void ShowBranding(const QString& Product, const QByteArray& LogoPng) = 0;
    // The engine's panel callback: the welcome panel and logo, or its screens.
    virtual void ShowPanels(bool ShowWelcome, bool ShowContainer) = 0;
    // The start-up is done: the keyboard starts on the welcome panel, the
    // quit channel listens, and the first idle moment will run the idle work.
    virtual void Ready() = 0;

    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
};

} // namespace vantor
