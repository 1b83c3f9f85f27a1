// The details of the chosen solution: the basis it was sized on, its
// runtimes and the installation data, as the quote prints them.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/SolutionFacts.h"

#include <QDialog>

namespace vantor::devengine {

class DetailsDialog final : public QDialog {
    Q_OBJECT
public:
    DetailsDialog(const EngineTexts& ATexts, const SolutionFacts& AFacts, QWidget* AParent);
};

} // namespace vantor::devengine
