#include "pack/PackageInputs.h"

#include "pack/PackError.h"

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
QByteArray StoredText(const QString& text, const QString& path, const char* what)
{
    const QByteArray bytes = text.toLatin1();
    if (QString::fromLatin1(bytes) != text)
        throw PackError(QStringLiteral("%1: the %2 has characters outside Latin-1").arg(path, QLatin1String(what)));
    if (bytes.size() > MaxTextLength)
        throw PackError(
            QStringLiteral("%1: the %2 is longer than %3 bytes").arg(path, QLatin1String(what)).arg(MaxTextLength));
    return bytes;
}

class Collector {
public:
    Collector(const QString& root, const QString& packagePath) : root_(Absolute(root)), package_(Absolute(packagePath))
    {}

    void addArgument(const QString& argument)
    {
        const QFileInfo info(argument);
        if (!info.exists())
            throw PackError(QStringLiteral("%1: no such file or folder").arg(argument));
        const QString absolute = Absolute(argument);
        const QString relative = QDir(root_).relativeFilePath(absolute);
        if (relative == u".." || relative.startsWith(u"../") || QDir::isAbsolutePath(relative))
            throw PackError(QStringLiteral("%1 lies outside the root folder %2").arg(argument, root_));
        if (info.isDir())
            addFolder(absolute);
        else if (info.isFile())
            addFile(QFileInfo(absolute));
        else
            throw PackError(QStringLiteral("%1: not a regular file or folder").arg(argument));
    }

    QList<PackageInput> inputs() const { return inputs_; }

private:
    void addFolder(const QString& folder)
    {
        QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::NoSort);
        // Plain code-point order, so that a package does not depend on the locale.
        std::sort(entries.begin(), entries.end(),
                  [](const QFileInfo& a, const QFileInfo& b) { return a.fileName() < b.fileName(); });
        for (const QFileInfo& entry : entries) {
            if (entry.isDir()) {
                if (!entry.isSymLink())
                    addFolder(entry.absoluteFilePath());
            } else if (entry.isFile()) {
                addFile(entry);
            }
        }
    }

    void addFile(const QFileInfo& file)
    {
        const QString absolute = QDir::cleanPath(file.absoluteFilePath());
        if (absolute == package_ || file.size() == 0)
            return;
        const QString relative = QDir(root_).relativeFilePath(absolute);
        if (seen_.contains(relative))
            return;
        if (file.size() > MaxStoredSize)
            throw PackError(QStringLiteral("%1 is 2 GiB or larger; a package cannot hold it").arg(absolute));
        const qsizetype slash = relative.lastIndexOf(u'/');
        const QString name = relative.mid(slash + 1);
        if (name.contains(u'\\'))
            throw PackError(QStringLiteral("%1: a \"\\\" in a file name would read as a folder").arg(absolute));
        QString directory = slash < 0 ? QString() : relative.left(slash + 1);
        if (directory.contains(u'\\'))
            throw PackError(QStringLiteral("%1: a \"\\\" in a folder name would read as two folders").arg(absolute));
        directory.replace(u'/', u'\\');

        PackageInput input;
        input.SourcePath = absolute;
        input.RelativePath = relative;
        input.Directory = StoredText(directory, absolute, "folder path");
        input.Name = StoredText(name, absolute, "file name");
        inputs_.append(input);
        seen_.insert(relative);
    }

    QString root_;
    QString package_;
    QList<PackageInput> inputs_;
    QSet<QString> seen_;
};

} // namespace

QList<PackageInput> CollectInputs(const QString& root, const QStringList& arguments, const QString& packagePath)
{
    if (!QFileInfo(root).isDir())
        throw PackError(QStringLiteral("%1: the root is not a folder").arg(root));
    Collector collector(root, packagePath);
    for (const QString& argument : arguments)
        collector.addArgument(argument);
    return collector.inputs();
}

} // namespace vantor::pack
