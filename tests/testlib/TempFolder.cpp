#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace vantor::test {

TempFolder::TempFolder()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TempFolder::path() const
{
    return dir_.path() + '/';
}

QString TempFolder::write(const QString& relative, const QByteArray& content) const
{
    const QString full = path() + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        throw std::runtime_error("cannot write test file");
    return full;
}

QString TempFolder::makeFolder(const QString& relative) const
{
    const QString full = path() + relative;
    QDir().mkpath(full);
    return full;
}

QByteArray TempFolder::read(const QString& relative) const
{
    QFile file(path() + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace vantor::test
