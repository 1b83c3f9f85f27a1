// The translation dictionary: texts by identifier and language, loaded once
// from the translation file, and the list of languages for the setup dialog.
#pragma once

#include <QList>
#include <QString>

namespace vantor {

struct TLanguage {
    QString IdRef; // language identifier exactly as written in the file
    QString Desc;  // language name exactly as written, not trimmed
};

using TAvailableLanguages = QList<TLanguage>;

// Rebuilt by BuildLanguageList.
extern TAvailableLanguages AvailableLanguages;

// True when the file exists, parses, and its root element is exactly
// "LST_TRANSLATIONS". A parsed document with another root stays loaded.
[[nodiscard]] bool LoadTranslations(const QString& FileName);
void UnloadTranslations();

// The language GetText reads: whoever owns the settings sets it (the shell
// from its configuration, the updater and the installer from their command
// lines). Empty until set.
void SetTextLanguage(const QString& LanguageId);
const QString& TextLanguage();

// Text of Id in the text language; empty when missing.
[[nodiscard]] QString GetText(const QString& Id);
[[nodiscard]] QString GetTextForLanguage(const QString& LanguageId, const QString& Id);

[[nodiscard]] bool BuildLanguageList(bool IncludeReference);
[[nodiscard]] int IndexOfLanguageById(const QString& IdRef);
[[nodiscard]] int IndexOfLanguageByDesc(const QString& Desc);

} // namespace vantor
