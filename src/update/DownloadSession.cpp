#include "update/DownloadSession.h"

#include "common/FileHelpers.h"
#include "update/FileDigest.h"
#include "update/HttpOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <limits>
#include <system_error>

namespace vantor {

TDownloadSession::TDownloadSession(const QStringList& RemoteFiles, const QStringList& LocalFiles,
                                   std::optional<TListedFiles> Listed)
    : remoteFileList_(RemoteFiles), localFileList_(LocalFiles), listed_(std::move(Listed))
{
    client_.OnWork = [this](std::int64_t Count) { HttpClientWork(Count); };
    client_.OnIdle = [this] {
        if (OnIdle)
            OnIdle();
    };
}

void TDownloadSession::Cancel()
{
    downloadCanceled_ = true;
    exitValue_ = ExitCanceled;
    client_.Disconnect();
}

bool TDownloadSession::Refuse(const QString& Why)
{
    // The program keeps no log; this one line tells an administrator why.
    std::fprintf(stderr, "Vantor: update refused: %s\n", qPrintable(Why));
    exitValue_ = ExitFailed;
    return false;
}

void TDownloadSession::DownloadAll()
{
    downloadCanceled_ = false;
    doneWorkCount_ = 0;
    try {
        // Nothing the signed manifest does not list is requested at all.
        for (const QString& url : remoteFileList_) {
            if (listed_ && !listed_->contains(url)) {
                Refuse(QStringLiteral("%1 is not listed in the signed manifest").arg(url));
                return;
            }
        }
        totalWorkCount_ = GetTotalSize();
        if (downloadCanceled_ || totalWorkCount_ <= 0) {
            exitValue_ = downloadCanceled_ ? ExitCanceled : ExitFailed;
            return;
        }
        if (OnTotal)
            OnTotal(totalWorkCount_);
        SetHttpClientOptions(client_);
        for (qsizetype i = 0; i < remoteFileList_.size(); ++i) {
            QDir().mkpath(QFileInfo(localFileList_.value(i)).absolutePath());
            if (!DownloadOne(i))
                break;
        }
    } catch (const std::system_error&) {
        // The hashing thread could not start (the standard library throws).
        exitValue_ = ExitFailed;
    }
}

std::int64_t TDownloadSession::GetTotalSize()
{
    // Summed in 64 bits, so that more than 2 GiB in all still counts.
    std::int64_t total = 0;
    announced_.clear();
    for (const QString& url : remoteFileList_) {
        if (downloadCanceled_)
            return 0;
        const auto head = client_.Head(url);
        if (!head)
            return 0;
        const std::int64_t length = *head;
        if (listed_ && length != listed_->value(url).Size) {
            Refuse(QStringLiteral("%1 announces %2 bytes, the manifest lists %3")
                       .arg(url)
                       .arg(length)
                       .arg(listed_->value(url).Size));
            return 0;
        }
        announced_.push_back(length);
        if (length > 0 && total > std::numeric_limits<std::int64_t>::max() - length)
            total = std::numeric_limits<std::int64_t>::max();
        else
            total += length;
    }
    return total;
}

bool TDownloadSession::DownloadOne(qsizetype Index)
{
    const QString url = remoteFileList_.at(Index);
    const QString localFile = localFileList_.value(Index);
    lastWorkCount_ = 0;
    // A body longer than announced (or listed) is cut and fails.
    const std::int64_t limit = listed_ ? listed_->value(url).Size : announced_.at(static_cast<std::size_t>(Index));
    QFile file(localFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        exitValue_ = ExitFailed;
        return false;
    }
    // A listed file is hashed while it arrives, by a second thread reading
    // behind the transfer, so that the check costs the transfer no time.
    std::optional<TrailingFileHasher> digest;
    if (listed_)
        digest.emplace(localFile);
    digest_ = digest ? &*digest : nullptr;
    const auto got = client_.Get(url, file, limit);
    digest_ = nullptr;
    if (!got) {
        // A failed transfer leaves no half file behind.
        file.close();
        file.remove();
        exitValue_ = ExitFailed;
        return false;
    }
    file.close();
    if (downloadCanceled_) {
        exitValue_ = ExitCanceled;
        return false;
    }
    if (FileSizeOf(localFile) <= 0) {
        exitValue_ = ExitFailed;
        return false;
    }
    if (digest) {
        const TListedFile listed = listed_->value(url);
        QString why;
        if (lastWorkCount_ != listed.Size || FileSizeOf(localFile) != listed.Size)
            why = QStringLiteral("%1 brought %2 bytes, the manifest lists %3")
                      .arg(url)
                      .arg(lastWorkCount_)
                      .arg(listed.Size);
        else if (digest->Finish(listed.Size) != listed.Sha256)
            why = QStringLiteral("%1 does not have the SHA-256 the manifest lists").arg(url);
        if (!why.isEmpty()) {
            digest.reset();
            QFile::remove(localFile);
            return Refuse(why);
        }
    }
    exitValue_ = ExitSuccess;
    return true;
}

void TDownloadSession::HttpClientWork(std::int64_t WorkCount)
{
    doneWorkCount_ += WorkCount - lastWorkCount_;
    lastWorkCount_ = WorkCount;
    if (digest_ != nullptr)
        digest_->Written(WorkCount);
    if (OnProgress)
        OnProgress(doneWorkCount_, totalWorkCount_);
}

} // namespace vantor
