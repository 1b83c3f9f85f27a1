// The four selectors the host can open.
#pragma once

#include "dev/core/EngineTexts.h"

namespace vantor::devengine {

enum class SelectorKind { Advanced, Base, Modular, Runtime };

// The selector's name, as its header shows it.
constexpr TextId SelectorTitleId(SelectorKind kind)
{
    switch (kind) {
    case SelectorKind::Advanced:
        return TextId::SelectorAdvanced;
    case SelectorKind::Base:
        return TextId::SelectorBase;
    case SelectorKind::Modular:
        return TextId::SelectorModular;
    case SelectorKind::Runtime:
        return TextId::SelectorRuntime;
    }
    return TextId::SelectorRuntime;
}

} // namespace vantor::devengine
