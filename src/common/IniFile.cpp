#include "common/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <climits>

namespace vantor {

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArray trimmedBlanks(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin).toByteArray();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Each name once, in the spelling met first.
QStringList uniqueNames(const QStringList& names)
{
    QStringList result;
    QSet<QString> seen;
    for (const QString& name : names) {
        const QString folded = name.toCaseFolded();
        if (!seen.contains(folded)) {
            seen.insert(folded);
            result.append(name);
        }
    }
    return result;
}

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// A name we write must read back as itself: no surrounding blanks to lose.
bool isTrimmedName(const QString& name)
{
    const QByteArray bytes = name.toUtf8();
    return !bytes.isEmpty() && trimmedBlanks(bytes) == bytes;
}

// Decimal only: optional sign, at least one digit, nothing else, within int.
bool parseDecimal(const QString& text, int& result)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }
    if (pos == text.size())
        return false;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return false;
    }
    result = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

// Root may write to any file; a file or folder without any write bit still
// counts as read-only, since that is what its owner asked for.
bool mayWrite(const QFileInfo& info)
{
    constexpr auto AnyWriteBit = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isWritable() && (info.permissions() & AnyWriteBit);
}

// Follows a chain of symbolic links to the file they finally name (which need
// not exist yet); empty for a loop.
QString resolveLinks(const QString& path)
{
    QString current = path;
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    return {};
}

} // namespace

bool IniDocument::loadFile(const QString& path)
{
    QFile file(path);
    const bool ok = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = ok ? file.readAll() : QByteArray();
    const bool complete = ok && file.error() == QFileDevice::NoError;
    loadBytes(complete ? bytes : QByteArray());
    return complete;
}

void IniDocument::loadBytes(const QByteArray& bytes)
{
    bom_.clear();
    lines_.clear();
    qsizetype pos = 0;
    if (bytes.startsWith(Utf8Bom)) {
        bom_ = Utf8Bom;
        pos = Utf8Bom.size();
    }
    while (pos < bytes.size()) {
        Line line;
        const qsizetype newline = bytes.indexOf('\n', pos);
        qsizetype end = newline < 0 ? bytes.size() : newline;
        if (newline > pos && bytes[newline - 1] == '\r')
            --end;
        line.text = bytes.mid(pos, end - pos);
        line.ending = newline < 0 ? QByteArray() : bytes.mid(end, newline + 1 - end);
        pos = newline < 0 ? bytes.size() : newline + 1;
        classify(line);
        lines_.append(std::move(line));
    }
}

QByteArray IniDocument::toBytes() const
{
    QByteArray out = bom_;
    for (const Line& line : lines_)
        out += line.text + line.ending;
    return out;
}

bool IniDocument::saveFile(const QString& path) const
{
    const QString target = path.isEmpty() ? QString() : resolveLinks(path);
    if (target.isEmpty())
        return false;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && (!targetInfo.isFile() || !mayWrite(targetInfo)))
        return false;
    const QFileInfo folderInfo(targetInfo.absolutePath());
    if (!folderInfo.isDir() || !mayWrite(folderInfo))
        return false;
    // Writes a temporary file beside the target (following links, keeping the
    // permission bits) and renames it over the target only once complete.
    // An uncommitted save file is discarded when it goes out of scope.
    QSaveFile file(target);
    return file.open(QIODevice::WriteOnly) && file.write(toBytes()) >= 0 && file.commit();
}

QStringList IniDocument::sections() const
{
    QStringList names;
    for (const Line& line : lines_) {
        if (line.kind == LineKind::Section)
            names.append(line.name);
    }
    return uniqueNames(names);
}

QStringList IniDocument::keys(const QString& section) const
{
    QStringList names;
    for (const auto& entry : entries(section))
        names.append(entry.first);
    return uniqueNames(names);
}

QList<QPair<QString, QString>> IniDocument::entries(const QString& section) const
{
    QList<QPair<QString, QString>> result;
    const qsizetype header = findSection(section);
    if (header < 0)
        return result;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Key)
            result.append({line.name, QString::fromUtf8(valueOf(line))});
    }
    return result;
}

bool IniDocument::hasSection(const QString& section) const
{
    return findSection(section) >= 0;
}

bool IniDocument::hasKey(const QString& section, const QString& key) const
{
    const qsizetype header = findSection(section);
    return header >= 0 && findKey(header, key) >= 0;
}

QString IniDocument::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const qsizetype header = findSection(section);
    const qsizetype index = header < 0 ? -1 : findKey(header, key);
    if (index < 0)
        return defaultValue;
    return QString::fromUtf8(valueOf(lines_[index]));
}

int IniDocument::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    int value = 0;
    return parseDecimal(readString(section, key), value) ? value : defaultValue;
}

bool IniDocument::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniDocument::writeString(const QString& section, const QString& key, const QString& value)
{
    if (!isTrimmedName(section) || hasLineBreak(section) || section.contains(QLatin1Char(']')))
        return false;
    if (!isTrimmedName(key) || hasLineBreak(key) || key.contains(QLatin1Char('=')) ||
        key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('#')))
        return false;
    if (hasLineBreak(value))
        return false;

    const QByteArray valueBytes = value.toUtf8();
    qsizetype header = findSection(section);
    if (header < 0) {
        insertLine(lines_.size(), '[' + section.toUtf8() + ']');
        header = lines_.size() - 1;
    }
    const qsizetype index = findKey(header, key);
    if (index >= 0) {
        // An unchanged value leaves the line alone, trailing blanks included;
        // otherwise keep the key as spelled and the blanks after "=".
        Line& line = lines_[index];
        if (valueOf(line) == valueBytes)
            return true;
        qsizetype keep = line.valueStart;
        while (keep < line.text.size() && (line.text[keep] == ' ' || line.text[keep] == '\t'))
            ++keep;
        line.text = line.text.left(keep) + valueBytes;
        return true;
    }
    // After the section's last key line, so that comments and blank lines that
    // lead into the next section stay in front of it.
    qsizetype insertAt = header + 1;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (lines_[i].kind == LineKind::Key)
            insertAt = i + 1;
    }
    insertLine(insertAt, key.toUtf8() + '=' + valueBytes);
    return true;
}

bool IniDocument::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniDocument::writeBool(const QString& section, const QString& key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray IniDocument::valueOf(const Line& line)
{
    return trimmedBlanks(QByteArrayView(line.text).sliced(line.valueStart));
}

void IniDocument::classify(Line& line)
{
    const QByteArray& text = line.text;
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    line.kind = LineKind::Other;
    line.name.clear();
    line.valueStart = 0;
    if (pos == text.size() || text[pos] == ';' || text[pos] == '#')
        return;
    if (text[pos] == '[') {
        const qsizetype close = text.indexOf(']', pos + 1);
        if (close >= 0) {
            line.kind = LineKind::Section;
            line.name = QString::fromUtf8(trimmedBlanks(QByteArrayView(text).sliced(pos + 1, close - pos - 1)));
        }
        return;
    }
    const qsizetype equals = text.indexOf('=', pos);
    if (equals < 0)
        return;
    const QByteArray key = trimmedBlanks(QByteArrayView(text).sliced(pos, equals - pos));
    if (key.isEmpty())
        return;
    line.kind = LineKind::Key;
    line.name = QString::fromUtf8(key);
    line.valueStart = equals + 1;
}

QByteArray IniDocument::dominantEnding() const
{
    qsizetype crlf = 0;
    qsizetype lf = 0;
    for (const Line& line : lines_) {
        if (line.ending == "\r\n")
            ++crlf;
        else if (line.ending == "\n")
            ++lf;
    }
    return crlf > lf ? QByteArray("\r\n") : QByteArray("\n");
}

qsizetype IniDocument::findSection(const QString& section) const
{
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section && sameName(lines_[i].name, section))
            return i;
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < lines_.size() && lines_[i].kind != LineKind::Section)
        ++i;
    return i;
}

qsizetype IniDocument::findKey(qsizetype header, const QString& key) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (lines_[i].kind == LineKind::Key && sameName(lines_[i].name, key))
            return i;
    }
    return -1;
}

void IniDocument::insertLine(qsizetype index, const QByteArray& text)
{
    Line line;
    line.text = text;
    line.ending = dominantEnding();
    // A file that ended without a line break still does: the line before takes
    // one, the new last line goes without.
    if (index == lines_.size() && !lines_.isEmpty() && lines_.last().ending.isEmpty()) {
        lines_.last().ending = line.ending;
        line.ending.clear();
    }
    classify(line);
    lines_.insert(index, std::move(line));
}

} // namespace vantor
