#include "pack/PackageInputs.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace vantor::pack {

namespace {

QString Absolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Readers decode the text fields as Latin-1, so only text that survives that
// round trip can be stored.
Result<QByteArray> StoredText(const QString& text, const QString& path, const char* what)
{
    const QByteArray bytes = text.toLatin1();
    if (QString::fromLatin1(bytes) != text)
        return Failure(QStringLiteral("%1: the %2 has characters outside Latin-1").arg(path, QLatin1String(what)));
    if (bytes.size() > MaxTextLength)
        return Failure(
            QStringLiteral("%1: the %2 is longer than %3 bytes").arg(path, QLatin1String(what)).arg(MaxTextLength));
    return bytes;
}

class Collector {
public:
    Collector(const QString& root, const QString& packagePath) : root_(Absolute(root)), package_(Absolute(packagePath))
    {}

    Result<void> addArgument(const QString& argument)
    {
        const QFileInfo info(argument);
        if (!info.exists())
            return Failure(QStringLiteral("%1: no such file or folder").arg(argument));
        const QString absolute = Absolute(argument);
        const QString relative = QDir(root_).relativeFilePath(absolute);
        if (relative == u".." || relative.startsWith(u"../") || QDir::isAbsolutePath(relative))
            return Failure(QStringLiteral("%1 lies outside the root folder %2").arg(argument, root_));
        if (info.isDir())
            return addFolder(absolute);
        if (info.isFile())
            return addFile(QFileInfo(absolute));
        return Failure(QStringLiteral("%1: not a regular file or folder").arg(argument));
    }

    QList<PackageInput> inputs() const { return inputs_; }

private:
    Result<void> addFolder(const QString& folder)
    {
        QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::NoSort);
        // Plain code-point order, so that a package does not depend on the locale.
        std::sort(entries.begin(), entries.end(),
                  [](const QFileInfo& a, const QFileInfo& b) { return a.fileName() < b.fileName(); });
        for (const QFileInfo& entry : entries) {
            Result<void> added = Ok();
            if (entry.isDir()) {
                if (!entry.isSymLink())
                    added = addFolder(entry.absoluteFilePath());
            } else if (entry.isFile()) {
                added = addFile(entry);
            }
            if (!added)
                return added;
        }
        return Ok();
    }

    Result<void> addFile(const QFileInfo& file)
    {
        const QString absolute = QDir::cleanPath(file.absoluteFilePath());
        if (absolute == package_ || file.size() == 0)
            return Ok();
        const QString relative = QDir(root_).relativeFilePath(absolute);
        if (seen_.contains(relative))
            return Ok();
        if (file.size() > MaxStoredSize)
            return Failure(QStringLiteral("%1 is 2 GiB or larger; a package cannot hold it").arg(absolute));
        const qsizetype slash = relative.lastIndexOf(u'/');
        const QString name = relative.mid(slash + 1);
        if (name.contains(u'\\'))
            return Failure(QStringLiteral("%1: a \"\\\" in a file name would read as a folder").arg(absolute));
        QString directory = slash < 0 ? QString() : relative.left(slash + 1);
        if (directory.contains(u'\\'))
            return Failure(QStringLiteral("%1: a \"\\\" in a folder name would read as two folders").arg(absolute));
        directory.replace(u'/', u'\\');

        PackageInput input;
        input.SourcePath = absolute;
        input.RelativePath = relative;
        const Result<QByteArray> storedDirectory = StoredText(directory, absolute, "folder path");
        if (!storedDirectory)
            return storedDirectory.error();
        const Result<QByteArray> storedName = StoredText(name, absolute, "file name");
        if (!storedName)
            return storedName.error();
        input.Directory = *storedDirectory;
        input.Name = *storedName;
        inputs_.append(input);
        seen_.insert(relative);
        return Ok();
    }

    QString root_;
    QString package_;
    QList<PackageInput> inputs_;
    QSet<QString> seen_;
};

} // namespace

Result<QList<PackageInput>> CollectInputs(const QString& root, const QStringList& arguments, const QString& packagePath)
{
    if (!QFileInfo(root).isDir())
        return Failure(QStringLiteral("%1: the root is not a folder").arg(root));
    Collector collector(root, packagePath);
    for (const QString& argument : arguments) {
        if (const Result<void> added = collector.addArgument(argument); !added)
            return added.error();
    }
    return collector.inputs();
}

} // namespace vantor::pack
