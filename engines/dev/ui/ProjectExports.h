// The project's quote written as PDF, spreadsheet or CSV to a file the user
// chooses; the quote number is drawn once the file is chosen, so that a
// cancelled export uses up no number.
#pragma once

#include "dev/core/ProjectQuote.h"

class QWidget;

namespace vantor::devengine {

class ProjectHub;

// The text for the status line: where the file went, or why it did not.
// Empty when the user cancelled.
QString ExportProject(QWidget* AParent, ProjectHub& AHub, const QuoteSources& ASources, QuoteExport AKind);

} // namespace vantor::devengine
