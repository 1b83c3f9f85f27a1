// A small reader of RTF documents such as the licence texts: paragraphs with
// alignment, bold, italic, underline and font sizes, code page 1252 and
// Unicode escapes. Everything else (font and colour tables, pictures, fields'
// instructions, unknown destinations) is skipped. Malformed input never fails:
// unbalanced braces, truncated escapes and absurd nesting give whatever text
// could be read.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace vantor {

enum class TRtfAlignment : std::uint8_t { Left, Centre, Right, Justify };

struct TRtfRun {
    QString Text; // may hold "\n" for a line break inside the paragraph
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24; // font size in half points, as RTF writes it

    [[nodiscard]] bool SameFormat(const TRtfRun& AOther) const
    {
        return Bold == AOther.Bold && Italic == AOther.Italic && Underline == AOther.Underline &&
               HalfPoints == AOther.HalfPoints;
    }
};

struct TRtfParagraph {
    QList<TRtfRun> Runs;
    TRtfAlignment Alignment = TRtfAlignment::Left;

    [[nodiscard]] QString PlainText() const;
};

struct TRtfDocument {
    QList<TRtfParagraph> Paragraphs;

    [[nodiscard]] bool IsEmpty() const;
    // The paragraphs' texts joined by "\n".
    [[nodiscard]] QString PlainText() const;
};

// Groups deeper than this are dropped with their content, so that hostile
// nesting costs neither memory nor stack.
inline constexpr int RtfMaxGroupDepth = 64;

TRtfDocument ReadRtf(const QByteArray& ARtf);

// HTML for a read-only rich-text view; the empty text for an empty document.
[[nodiscard]] QString RtfToHtml(const TRtfDocument& ADocument);

// The characters 0x80 to 0x9F of code page 1252 differ from Latin-1.
QChar Cp1252ToUnicode(std::uint8_t AByte);

} // namespace vantor
