#include "support/OsFacts.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <sys/sysinfo.h>
#include <sys/utsname.h>

namespace vantor::platform {
namespace {

// One value of a shell-style assignment as os-release writes it.
QString UnquoteValue(const QString& raw)
{
    QString value = raw.trimmed();
    if (value.size() >= 2 && value.front() == QLatin1Char('\'') && value.back() == QLatin1Char('\''))
        return value.mid(1, value.size() - 2);
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"')) {
        QString result;
        const QString inner = value.mid(1, value.size() - 2);
        for (qsizetype i = 0; i < inner.size(); ++i) {
            if (inner[i] == QLatin1Char('\\') && i + 1 < inner.size())
                ++i;
            result += inner[i];
        }
        return result;
    }
    return value;
}

QHash<QString, QString> ParseAssignments(const QByteArray& text)
{
    QHash<QString, QString> values;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        values.insert(line.left(equals).trimmed(), UnquoteValue(line.mid(equals + 1)));
    }
    return values;
}

QByteArray ReadSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(qint64{64} * 1024);
}

} // namespace

QString ProductNameFromOsRelease(const QByteArray& osRelease)
{
    const QHash<QString, QString> values = ParseAssignments(osRelease);
    QString pretty = values.value(QStringLiteral("PRETTY_NAME")).simplified();
    if (!pretty.isEmpty())
        return pretty;
    const QString name = values.value(QStringLiteral("NAME")).simplified();
    const QString version = values.value(QStringLiteral("VERSION_ID")).simplified();
    if (name.isEmpty())
        return QStringLiteral("Linux");
    return version.isEmpty() ? name : name + QLatin1Char(' ') + version;
}

int BuildFromKernelRelease(const QString& release)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d++\\.\\d++(?:\\.\\d++)?+\\D++(\\d{1,9})"));
    const QRegularExpressionMatch match = pattern.match(release);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString KernelRelease()
{
    utsname names{};
    if (uname(&names) != 0)
        return {};
    return QString::fromLocal8Bit(names.release);
}

OsFacts ReadOsFacts(const QString& osReleasePath)
{
    QByteArray text;
    if (osReleasePath.isEmpty()) {
        text = ReadSmallFile(QStringLiteral("/etc/os-release"));
        if (text.isEmpty())
            text = ReadSmallFile(QStringLiteral("/usr/lib/os-release"));
    } else {
        text = ReadSmallFile(osReleasePath);
    }
    OsFacts facts;
    facts.productName = ProductNameFromOsRelease(text);
    facts.build = BuildFromKernelRelease(KernelRelease());
    return facts;
}

std::uint64_t TotalPhysicalMemory()
{
    struct sysinfo info {};
    if (sysinfo(&info) != 0)
        return 0;
    return static_cast<std::uint64_t>(info.totalram) * info.mem_unit;
}

} // namespace vantor::platform
