// The start-up steps that need no window: deleting a leftover staging folder,
// reading the configuration and checking the selected pricelist, loading the
// translations and checking the installed catalogues. The program runs them
// on a thread of their own while Qt starts; the main window then takes the
// results and makes every decision, and shows any fatal message, in the
// usual order. Until the results are taken, the thread alone touches the
// settings, the translations and the inventory of installed versions.
#pragma once

#include "data/DataModule.h"

#include <QString>

#include <memory>

namespace vantor {

struct TStartupData {
    std::unique_ptr<TDM> DataModule;
    bool SetupRead = false;          // the configuration file was read
    bool TranslationsLoaded = false; // after SetupRead only
    bool CataloguesFound = false;    // after TranslationsLoaded only
};

// Starts the work for the program in ProgramFolder on its own thread.
void BeginStartupData(const QString& ProgramFolder);

// The results of the work begun for ProgramFolder, once it is done; when
// none was begun for that folder, the work runs here and now.
TStartupData TakeStartupData(const QString& ProgramFolder);

// The work itself, on the calling thread.
TStartupData RunStartupData(const QString& ProgramFolder);

} // namespace vantor
