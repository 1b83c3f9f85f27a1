#include "testlib/MinisignTool.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vantor::test {

bool RunMinisign(const QStringList& Arguments, QByteArray* Output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("minisign"), Arguments);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(30000);
    if (Output != nullptr)
        *Output = process.readAll();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

MinisignKeyPair::MinisignKeyPair() : folder_(std::make_unique<QTemporaryDir>())
{
    const QString publicFile = folder_->filePath(QStringLiteral("key.pub"));
    QByteArray output;
    EXPECT_TRUE(RunMinisign({"-G", "-W", "-p", publicFile, "-s", SecretKeyFile()}, &output)) << output.toStdString();
    QFile file(publicFile);
    if (file.open(QIODevice::ReadOnly))
        publicKeyLine_ = file.readAll().split('\n').value(1).trimmed();
}

MinisignKeyPair::~MinisignKeyPair() = default;

QString MinisignKeyPair::SecretKeyFile() const
{
    return folder_->filePath(QStringLiteral("key.key"));
}

QByteArray MinisignKeyPair::Sign(const QByteArray& Message, bool Legacy, const QString& TrustedComment) const
{
    const QString file = folder_->filePath(QStringLiteral("message"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    out.write(Message);
    out.close();
    QStringList arguments{"-S", "-s", SecretKeyFile(), "-m", file, "-t", TrustedComment};
    if (Legacy)
        arguments << "-l";
    QByteArray output;
    EXPECT_TRUE(RunMinisign(arguments, &output)) << output.toStdString();
    QFile signature(file + QStringLiteral(".minisig"));
    return signature.open(QIODevice::ReadOnly) ? signature.readAll() : QByteArray();
}

bool MinisignKeyPair::SignFile(const QString& File) const
{
    return RunMinisign({"-S", "-s", SecretKeyFile(), "-m", File});
}

} // namespace vantor::test
