// The engine's state between the host's calls: the settings of the last
// initialisation, the host's container panel and callback, and the screen
// shown in the container.
#pragma once

#include "dev/core/EngineProducts.h"
#include "dev/core/EngineSettings.h"
#include "dev/core/SelectorKind.h"
#include "engine/EngineApi.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace vantor::devengine {

class ProjectHub;

// Result of an initialisation without a record.
inline constexpr int32_t EngineInitNoRecord = 1;

class EngineSession {
public:
    static EngineSession& Instance();

    // Copies the record, reads the databases' versions and fills the three
    // version records (those given). ENGINE_INIT_OK, or
    // ENGINE_INIT_OK_WITH_NOTICE when an engine database is missing or
    // unreadable (its version stays 0.0.0.0).
    int32_t Initialize(const TEngineInitData& record, TInfoVersion* engine, TInfoVersion* dbMain,
                       TInfoVersion* dbDevices);
    // Removes the screen and forgets the settings; the container and callback
    // too. The host is not called back: it may be closing.
    void Uninitialize();
    bool IsInitialized() const { return initialized_; }

    // Branding of the usage type of the last initialisation (Maronel before
    // the first).
    int32_t FillOemData(TOemData& data, bool aboutLogo) const;

    // Shows the selector's screen in the container, replacing any other, and
    // asks the host to show the container. Nothing happens before
    // initialisation or without a container.
    void OpenSelector(SelectorKind kind);
    // Shows the project: its customer, systems, lines, terms and exports.
    void OpenProjectView();

private:
    EngineSession();
    ~EngineSession();
    // The project lives while the engine does; made with the first screen,
    // since its timer needs the application.
    ProjectHub& Hub();
    // Ends the project: unsaved work stays in the recovery file, to be
    // offered at the next selector.
    void EndProject();
    void ShowScreen(QWidget* screen);
    void GoBack();
    // Takes the screen out of the container; it is deleted later, since one
    // of its buttons is still on the stack.
    void RetireScreen();
    void RemoveScreen();
    void CallHost(bool showWelcome, bool showContainer) const;

    bool initialized_ = false;
    int lastUsageType_ = 0;
    EngineSettings settings_;
    // Read when a selector first needs it, not at initialisation.
    std::shared_ptr<const EngineProducts> products_;
    QPointer<QWidget> container_;
    TEnginePanelCallback callback_ = nullptr;
    QPointer<QWidget> screen_;
    // Screens left through "Back": they are deleted later, since their own
    // button is still on the stack, unless Uninitialize gets there first.
    QList<QPointer<QWidget>> leaving_;
    std::unique_ptr<ProjectHub> hub_;
    SelectorKind lastKind_ = SelectorKind::Base;
};

} // namespace vantor::devengine
