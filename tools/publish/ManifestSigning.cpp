#include "publish/ManifestSigning.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vantor::publish {

Result<void> SignManifest(const QString& Program, const QString& SecretKeyFile, const QString& File)
{
    if (!QFileInfo(SecretKeyFile).isFile())
        return Failure(QStringLiteral("%1: no such secret key").arg(SecretKeyFile));
    QProcess minisign;
    minisign.setProcessChannelMode(QProcess::ForwardedChannels);
    minisign.setInputChannelMode(QProcess::ForwardedInputChannel);
    minisign.start(Program, {QStringLiteral("-S"), QStringLiteral("-s"), SecretKeyFile, QStringLiteral("-m"), File});
    if (!minisign.waitForStarted())
        return Failure(QStringLiteral("cannot run %1 (Debian package \"minisign\")").arg(Program));
    // It may wait for a password typed on the terminal.
    minisign.waitForFinished(-1);
    if (minisign.exitStatus() != QProcess::NormalExit || minisign.exitCode() != 0 ||
        !QFileInfo(File + QStringLiteral(".minisig")).isFile())
        return Failure(QStringLiteral("%1 could not sign the manifest with %2").arg(Program, SecretKeyFile));
    return Ok();
}

Result<void> ReplaceFile(const QString& From, const QString& To)
{
    if (std::rename(QFile::encodeName(From).constData(), QFile::encodeName(To).constData()) != 0)
        return Failure(QStringLiteral("cannot write %1: %2").arg(To, QString::fromLocal8Bit(std::strerror(errno))));
    return Ok();
}

} // namespace vantor::publish
