// The fixed English texts of start-up failures; never translated, since they
// may appear before the translations are loaded.
#pragma once

namespace vantor::StartupTexts {

inline constexpr const char* ImpossibleToContinue = "Impossible to continue.";
inline constexpr const char* ConfigurationError = "Error while loading the configuration.";
// %1: the bare name of the translation file.
inline constexpr const char* LanguageFileNotFound = "Language file \"%1\" not found.";
inline constexpr const char* CatalogueDatabaseError = "Error while loading the Product Catalogue database.";
inline constexpr const char* EngineLoadError = "Error loading the engine.";
inline constexpr const char* EngineInitError = "Error initializing the engine.";

} // namespace vantor::StartupTexts
