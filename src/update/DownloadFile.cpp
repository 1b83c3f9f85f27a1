#include "update/DownloadFile.h"

#include "common/FileHelpers.h"
#include "update/HttpClient.h"
#include "update/HttpOptions.h"

#include <QFile>

namespace vantor {

bool DownloadFile(const QString& Url, const QString& FileName, const TDownloadLimits& Limits)
{
    HttpClient client;
    SetHttpClientOptions(client);
    client.Deadline = Limits.Deadline;
    client.CancelFlag = Limits.Cancel;
    {
        QFile file(FileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return false;
        if (!client.Get(Url, file, Limits.MaxBytes))
            return false;
    }
    // Cancelled, what has arrived is no file.
    return !client.Disconnected() && FileSizeOf(FileName) > 0;
}

} // namespace vantor
