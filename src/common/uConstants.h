// Fixed values of the program: product name, file names, the catalogue code table.
#pragma once

#include <QString>

#include <array>

namespace vantor {

// Caption of the fatal and error boxes.
inline constexpr const char* ProductCaption = "Vantorix";

inline constexpr const char* SetupFileName = "Vantor.ini";
// Program-relative locations, formed with "/" on this platform.
inline constexpr const char* LanguageFileRelative = "Lang/Languages.xml";
inline constexpr const char* LanguageFileBareName = "Languages.xml";
inline constexpr const char* CataloguesFolderName = "Catalogues/";
inline constexpr const char* DevicesDatabaseRelative = "Data/Devices.vt4";
inline constexpr const char* CatalogueDatabaseName = "Catalogue.vt4";
inline constexpr const char* PricelistDatabaseName = "Pricelist.vt4";
inline constexpr const char* StagingFolderName = "Vantor/Staging/";

// Password of the pricelist databases, also handed to the engine.
inline constexpr const char* DatabasePassword = "R4Vu7kad9e";

// Per-user named object that marks the main program as running.
inline constexpr const char* AppMutexName = "MaronelVantorAppMutex";

struct TAvailableCountries {
    const char* IdRef; // three digits with leading zeros, four for the two special codes
    const char* Desc;
};

inline constexpr std::size_t AvailableCountriesCount = 252;
extern const std::array<TAvailableCountries, AvailableCountriesCount> AvailableCountries;

} // namespace vantor
