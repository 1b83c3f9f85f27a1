#include "common/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <climits>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Root passes access() for every file; a file or folder without any write bit
// still counts as read-only, since that is what its owner asked for.
bool mayWrite(const QByteArray& nativePath, mode_t mode)
{
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(nativePath.constData(), W_OK) == 0;
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

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Creates a new file beside the target; -1 when the folder refuses.
int createTemporaryBeside(const QString& folder, const QString& fileName, QByteArray& tempPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral("%1/.%2.%3.tmp")
                                 .arg(folder, fileName)
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        tempPath = QFile::encodeName(name);
        const int fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool IniDocument::loadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loadBytes({});
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loadBytes({});
        return false;
    }
    loadBytes(bytes);
    return true;
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
        if (newline < 0) {
            line.text = bytes.mid(pos);
            pos = bytes.size();
        } else if (newline > pos && bytes[newline - 1] == '\r') {
            line.text = bytes.mid(pos, newline - 1 - pos);
            line.ending = "\r\n";
            pos = newline + 1;
        } else {
            line.text = bytes.mid(pos, newline - pos);
            line.ending = "\n";
            pos = newline + 1;
        }
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
    if (path.isEmpty())
        return false;
    const QString target = resolveLinks(path);
    if (target.isEmpty())
        return false;
    const QByteArray nativeTarget = QFile::encodeName(target);

    struct stat existing {};
    bool exists = false;
    if (::stat(nativeTarget.constData(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode) || !mayWrite(nativeTarget, existing.st_mode))
            return false;
        exists = true;
    } else if (errno != ENOENT) {
        return false;
    }

    const QFileInfo targetInfo(target);
    const QString folder = targetInfo.absolutePath();
    const QByteArray nativeFolder = QFile::encodeName(folder);
    struct stat folderStat {};
    if (::stat(nativeFolder.constData(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode)
        || !mayWrite(nativeFolder, folderStat.st_mode))
        return false;

    QByteArray tempPath;
    const int fd = createTemporaryBeside(folder, targetInfo.fileName(), tempPath);
    if (fd < 0)
        return false;

    bool ok = true;
    if (exists) {
        // Keeps the owner when we are allowed to (an administrator saving a
        // user's file); otherwise the file becomes ours, as any new file would.
        [[maybe_unused]] const int ownerKept = ::fchown(fd, existing.st_uid, existing.st_gid);
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd, toBytes()) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(tempPath.constData(), nativeTarget.constData()) == 0;
    if (!ok) {
        ::unlink(tempPath.constData());
        return false;
    }
    // Makes the rename itself durable; the new content is in place either way.
    const int folderFd = ::open(nativeFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

QStringList IniDocument::sections() const
{
    QStringList names;
    QSet<QString> seen;
    for (const Line& line : lines_) {
        if (line.kind != LineKind::Section)
            continue;
        const QString folded = line.name.toCaseFolded();
        if (!seen.contains(folded)) {
            seen.insert(folded);
            names.append(line.name);
        }
    }
    return names;
}

QStringList IniDocument::keys(const QString& section) const
{
    QStringList names;
    QSet<QString> seen;
    for (const auto& entry : entries(section)) {
        const QString folded = entry.first.toCaseFolded();
        if (!seen.contains(folded)) {
            seen.insert(folded);
            names.append(entry.first);
        }
    }
    return names;
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
            result.append({line.name, QString::fromUtf8(trimmedBlanks(QByteArrayView(line.text).sliced(line.valueStart)))});
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
    const Line& line = lines_[index];
    return QString::fromUtf8(trimmedBlanks(QByteArrayView(line.text).sliced(line.valueStart)));
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
    if (!isTrimmedName(key) || hasLineBreak(key) || key.contains(QLatin1Char('='))
        || key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('#')))
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
        if (trimmedBlanks(QByteArrayView(line.text).sliced(line.valueStart)) == valueBytes)
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
