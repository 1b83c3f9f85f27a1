// Small text and value helpers shared by the dialogs and the data checks.
#pragma once

#include <QString>
#include <QStringList>

namespace vantor {

// False for the "nothing chosen" markers: -1 always, -2 too when asked.
[[nodiscard]] bool IsDefinedValue(float Value, bool RejectMinusTwo);
[[nodiscard]] bool IsDefinedValue(int Value, bool RejectMinusTwo);

// A date written YYYYMMDD, shown in the user's short date format; empty when
// the text holds no valid date. Characters after the eighth are ignored.
[[nodiscard]] QString FormatCompactDate(const QString& Text);
[[nodiscard]] bool IsValidCompactDate(const QString& Text);

// Items joined by ", ".
[[nodiscard]] QString JoinStrings(const QStringList& List);

// Display name of a catalogue code; empty for an unknown code.
[[nodiscard]] QString GetCatalogueName(const QString& Code);

// Stored texts mark line breaks with "@".
[[nodiscard]] QString ExpandLineBreaks(const QString& Text);

// Upper-cases the letters a to z only: identifiers and codes must not change
// with the user's locale, and other letters stay as written.
[[nodiscard]] QString UpperCaseAsciiLetters(QString Text);

// Fills a printf-style template of the texts: each "%s" takes the next of
// Values ("%s" beyond them stays as written, or with RepeatLast takes the last
// value again) and "%%" is one "%"; every other character is kept.
[[nodiscard]] QString FormatPercentS(const QString& Template, const QStringList& Values, bool RepeatLast = false);

// Short caption of a web address for a link label, e.g. "www.example.com/".
[[nodiscard]] QString GetUrlCaption(const QString& Url);

} // namespace vantor
