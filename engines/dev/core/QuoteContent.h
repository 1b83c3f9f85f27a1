// What a quote says about a solution: its line items from the pricelist,
// the load and runtime, and the runtime curves, with the texts in the
// user's language. The user's own fields and the branding are added by the
// screen.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Pricelist.h"
#include "dev/core/Quote.h"

namespace vantor::devengine {

Quote QuoteFor(const Solution& ASolution, const SizingRequest& ARequest, const ProductData& AData,
               const ModelPrices& APrices, const EngineTexts& ATexts);

// The quote's texts in the user's language.
QuoteTexts QuoteTextsFor(const EngineTexts& ATexts);

// The curve texts in the user's language.
CurveTexts CurveTextsFor(const EngineTexts& ATexts);

} // namespace vantor::devengine
