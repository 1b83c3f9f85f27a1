// Why a request has no solution, so that the screens and vantor-size say
// it instead of showing an empty list.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/UpsSolutions.h"

namespace vantor::devengine {

enum class NoSolution {
    NoModelCarriesLoad,   // no offered model carries it, in parallel or with its modules
    AutonomyBeyondTables, // the tables of the models that carry it end sooner
    CabinetLimitTooLow,   // lifting the cabinet limits (UNLIMITED_BATTCAB) would reach it
    NothingLastsLongEnough
};

struct NoSolutionReason {
    NoSolution Kind = NoSolution::NothingLastsLongEnough;
    double LongestMinutes = 0; // with AutonomyBeyondTables
};

// Call when FindSolutions gave nothing for ARequest.
NoSolutionReason WhyNoSolution(const ProductData& AData, const SizingRequest& ARequest);

QString NoSolutionText(const NoSolutionReason& AReason, const EngineTexts& ATexts);

} // namespace vantor::devengine
