#include "update/DownloadFile.h"

#include "common/FileHelpers.h"
#include "update/HttpClient.h"
#include "update/HttpOptions.h"

#include <QFile>

#include <exception>

namespace vantor {

bool DownloadFile(const QString& Url, const QString& FileName, const TDownloadLimits& Limits)
{
    HttpClient client;
    SetHttpClientOptions(client);
    client.Deadline = Limits.Deadline;
    {
        QFile file(FileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return false;
        try {
            client.Get(Url, file, Limits.MaxBytes);
        } catch (const std::exception&) {
            return false;
        }
    }
    return FileSizeOf(FileName) > 0;
}

} // namespace vantor
