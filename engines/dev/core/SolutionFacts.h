// What the details view and the quote say about a solution, as labelled
// values in the user's language: the basis it was sized on, its runtimes
// (new and at end of life, all running and with the redundant ones out) and
// its installation data.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/InstallationData.h"
#include "dev/core/Quote.h"

namespace vantor::devengine {

struct SolutionFacts {
    QString Title; // the UPS, its modules and cabinets
    QList<LabelledValue> Basis;
    QList<LabelledValue> Runtimes;
    QList<LabelledValue> Installation;
};

SolutionFacts FactsFor(const Solution& ASolution, const SizingRequest& ARequest, const ProductData& AData,
                       const EngineTexts& ATexts);

// A runtime as the screens write it: minutes, or what the table passed.
QString RuntimeText(const Runtime& ARuntime, const EngineTexts& ATexts);

// The line above the solutions that says what their runtimes mean: at end
// of life, with the redundant ones out, beside new batteries or, with
// redundancy, all units running.
QString BasisSummaryText(const SizingRequest& ARequest, const EngineTexts& ATexts);

} // namespace vantor::devengine
