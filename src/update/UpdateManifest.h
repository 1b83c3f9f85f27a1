// The update manifest "VersionControl.txt" and the version rules that decide
// what it offers.
#pragma once

#include "common/uGlobals.h"

#include <QList>
#include <QString>

namespace vantor {

class IniDocument;

struct TUpdatedItemData {
    TInfoVersion Version;
    QString WebLink;
    bool ToUpdate = false;
};

struct TUpdatedCatalogueData {
    QString Version; // decimal integer, YYYYMMDD
    bool ToUpdate = false;
};

struct TUpdatedCatalogueItem {
    QString Code;
    TUpdatedCatalogueData Database;
    TUpdatedCatalogueData Pricelist;
};

using TUpdatedCataloguesArray = QList<TUpdatedCatalogueItem>;

struct TUpdatedCatalogueWebLinks {
    QString Database;  // URL template, "%s" takes the catalogue code
    QString Pricelist; // the same for pricelists
};

struct TUpdatedCatalogue {
    TUpdatedCatalogueWebLinks WebLinks;
    TUpdatedCataloguesArray Items;
};

struct TUpdatedData {
    TUpdatedItemData Product;
    TUpdatedItemData DbMain;
    TUpdatedItemData DbDevices;
    TUpdatedCatalogue Catalogues;
};

inline constexpr const char* ManifestFileName = "VersionControl.txt";
// The manifest's detached signature, beside it on the server.
inline constexpr const char* ManifestSignatureFileName = "VersionControl.txt.minisig";

// "http://" + host + "/Updates/Vantorix/<oemId>/" + fileName. The server may
// name its scheme ("https://host[:port]"); without one it is "http://".
[[nodiscard]] QString UpdateManifestUrl(const QString& host, std::int32_t oemId,
                                        const QString& fileName = ManifestFileName);

// Fills Data from the local manifest file; an unreadable file leaves it empty.
void ReadUpdateManifest(const QString& FileName, TUpdatedData& Data);
// The same from a manifest already read.
void ReadUpdateManifest(const IniDocument& Manifest, TUpdatedData& Data);

// "2.1" gives 2.1.0.0; parts that are no integer count as 0; each part keeps
// its low 16 bits.
TInfoVersion StrToInfoVersion(const QString& Text);
[[nodiscard]] bool IsVersionSet(const TInfoVersion& Version);
// Major, minor and release decide; the build number takes no part.
[[nodiscard]] bool IsNewerVersion(const TInfoVersion& Installed, const TInfoVersion& Offered);
[[nodiscard]] bool IsNewerCatalogueVersion(const QString& Installed, const QString& Offered);

// The text after the last "/" (the whole text without one).
[[nodiscard]] QString FileNameFromUrl(const QString& Url);

// The URL template with its "%s" replaced by the code and "%%" by "%".
[[nodiscard]] QString FormatCatalogueUrl(const QString& Template, const QString& Code);

} // namespace vantor
