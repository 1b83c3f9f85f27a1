// A small reader and editor of INI files that keeps every line it does not
// change byte for byte: comments, blank lines, spacing, line endings, a BOM.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace vantor {

// An INI file held as its lines. Section and key names match without regard to
// letter case; when a section or a key appears twice, the first one counts.
// Values are the text after the first "=" with surrounding blanks removed.
// Lines that are neither section headers nor key=value lines (comments,
// anything unrecognised) are kept and ignored. Key lines before the first
// section belong to no section and are not reachable.
class IniDocument {
public:
    IniDocument() = default;

    // Replaces the content with the file's bytes; false when it cannot be read
    // (the document is then empty).
    bool loadFile(const QString& path);
    // Replaces the content with these bytes (UTF-8; a leading BOM is kept).
    void loadBytes(const QByteArray& bytes);
    QByteArray toBytes() const;
    // Replaces the file at `path` with toBytes() without ever leaving it half
    // written: the bytes go to a temporary file beside the target, which is then
    // renamed over it. A symbolic link is followed to its target; the target's
    // permission bits are kept. A file or folder without write permission is a
    // failure and leaves everything as it was.
    bool saveFile(const QString& path) const;

    // Section names in file order, each once (in the spelling of its first header).
    QStringList sections() const;
    // Key names of a section in file order, each once (first spelling).
    QStringList keys(const QString& section) const;
    // Every key line of a section in file order, duplicates included.
    QList<QPair<QString, QString>> entries(const QString& section) const;

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;

    QString readString(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // The value must be a decimal integer (optional sign, digits, within range);
    // anything else, like a missing key, yields the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Stored as integers; any non-zero number is true.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;

    // Sets a value: an existing key keeps its line up to the "=" and the blanks
    // after it; a missing key goes after the last key line of its section; a
    // missing section is appended to the file. False (and nothing changed) for
    // names or values that would break the line structure: line breaks in any
    // of them, an empty key, a key with "=" or one that would read as a comment
    // or header, a section name with "]".
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

private:
    enum class LineKind { Other, Section, Key };

    struct Line {
        QByteArray text;   // without line ending (and without the BOM)
        QByteArray ending; // "\r\n", "\n", or empty for a last line without one
        LineKind kind = LineKind::Other;
        QString name;             // section or key name, trimmed
        qsizetype valueStart = 0; // key lines: offset just after the first "="
    };

    static QByteArray valueOf(const Line& line);
    static void classify(Line& line);
    QByteArray dominantEnding() const;
    // Index of the first header of `section`, or -1.
    qsizetype findSection(const QString& section) const;
    // One past the last line that belongs to the section whose header is at `header`.
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(qsizetype header, const QString& key) const;
    void insertLine(qsizetype index, const QByteArray& text);

    QByteArray bom_;
    QList<Line> lines_;
};

} // namespace vantor
