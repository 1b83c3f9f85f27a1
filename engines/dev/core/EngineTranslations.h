// The engine's own translators, one per language, loaded once from the
// translations compiled into the library. None is installed in the
// application: the host's own texts stay as they are.
#pragma once

class QTranslator;

namespace vantor::devengine {

// The translator of the language at the index of EngineLanguages(); nullptr
// for English and when the translation cannot be loaded. It lives as long as
// the library.
const QTranslator* EngineTranslator(int languageIndex);

} // namespace vantor::devengine
