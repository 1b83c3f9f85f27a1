// One selector's screen inside the host's container panel: header, the
// settings the engine received, the inputs, the solutions (or the runtime
// curve), the quote and the way back to the host's welcome screen.
#pragma once

#include "dev/ui/ResultPanel.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace vantor::devengine {

class RequirementForm;
struct Branding;

class SelectorScreen final : public QWidget {
    Q_OBJECT
public:
    // Becomes a child of container and follows its size.
    SelectorScreen(SelectorKind kind, const EngineSettings& settings, std::shared_ptr<const EngineProducts> products,
                   QWidget* container);

    SelectorKind Kind() const { return context_.Kind; }

signals:
    void BackRequested();
    // Another selector was chosen on the screen's switch.
    void SelectorRequested(vantor::devengine::SelectorKind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildSettingsStrip(const Pricelist& pricelist);
    QWidget* BuildInputsCard();
    QWidget* BuildResultCard();
    QWidget* BuildFooter();
    void MakeQuote();
    void ShowDetails();

    ScreenContext context_;
    const Branding& branding_;
    RequirementForm* form_ = nullptr;
    ResultPanel* result_ = nullptr;
    QPushButton* quote_ = nullptr;
    QPushButton* details_ = nullptr;
    QLabel* status_ = nullptr;
    QString customer_;
    QString project_;
};

} // namespace vantor::devengine
