// One selector's screen inside the host's container panel: header, the
// settings the engine received, the sizing helper, the selected catalogue's
// pricelist and the way back to the host's welcome screen.
#pragma once

#include "dev/core/EngineSettings.h"
#include "dev/core/Pricelist.h"
#include "dev/core/SelectorTexts.h"

#include <QWidget>

class QTableView;

namespace vantor::devengine {

class PricelistModel;
class SizingPanel;
class SuggestionFilter;
struct Branding;

class SelectorScreen final : public QWidget {
    Q_OBJECT
public:
    // Becomes a child of container and follows its size.
    SelectorScreen(SelectorKind kind, const EngineSettings& settings, QWidget* container);

    SelectorKind Kind() const { return kind_; }

signals:
    void BackRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildSettingsStrip(const EngineSettings& settings, const Pricelist& pricelist);
    QWidget* BuildSizingCard(const EngineSettings& settings, const Pricelist& pricelist);
    QWidget* BuildProductsCard(const EngineSettings& settings, const Branding& branding, const Pricelist& pricelist);
    QWidget* BuildFooter(const EngineSettings& settings);
    void ShowSuggestions(const QList<int>& itemIndices);

    SelectorKind kind_;
    PricelistModel* model_ = nullptr;
    SuggestionFilter* filter_ = nullptr;
    QTableView* table_ = nullptr;
    SizingPanel* sizing_ = nullptr;
};

} // namespace vantor::devengine
