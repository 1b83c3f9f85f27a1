// One selector's screen inside the host's container panel: header, the
// settings the engine received, the inputs, the solutions (or the runtime
// curve), the quote and the way back to the host's welcome screen.
#pragma once

#include "dev/ui/ProjectActions.h"
#include "dev/ui/ResultPanel.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vantor::devengine {

class ProjectHub;
class RequirementForm;
struct Branding;

class SelectorScreen final : public QWidget {
    Q_OBJECT
public:
    // Becomes a child of container and follows its size. A system reopened
    // from the project fills the inputs.
    SelectorScreen(SelectorKind kind, const EngineSettings& settings, std::shared_ptr<const EngineProducts> products,
                   ProjectHub& hub, QWidget* container);

    SelectorKind Kind() const { return context_.Kind; }
    // Asks about work a crashed instance left behind.
    void OfferLeftWork();

signals:
    void BackRequested();
    // Another selector was chosen on the screen's switch.
    void SelectorRequested(vantor::devengine::SelectorKind kind);
    void ProjectViewRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildSettingsStrip(const Pricelist& pricelist);
    QWidget* BuildInputsCard();
    QWidget* BuildResultCard();
    QWidget* BuildFooter();
    void MakeQuote();
    void ShowDetails();
    void AddToProject();
    void ShowProjectState();

    ScreenContext context_;
    const Branding& branding_;
    RequirementForm* form_ = nullptr;
    ResultPanel* result_ = nullptr;
    QPushButton* quote_ = nullptr;
    QPushButton* details_ = nullptr;
    QPushButton* addToProject_ = nullptr;
    ProjectHub& hub_;
    ProjectData data_;
    QLabel* status_ = nullptr;
    QString customer_;
    QString project_;
};

} // namespace vantor::devengine
