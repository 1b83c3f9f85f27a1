#include "update/HttpOptions.h"

#include "update/HttpClient.h"

namespace vantor {

void SetHttpClientOptions(HttpClient& AHttpClient)
{
    AHttpClient.SetRequestHeader(QStringLiteral("User-Agent"), QStringLiteral("Mozilla/4.0"));
    AHttpClient.SetRequestHeader(QStringLiteral("Connection"), QStringLiteral("Keep-Alive"));
    AHttpClient.SetRequestHeader(QStringLiteral("Proxy-Connection"), QStringLiteral("Keep-Alive"));
    AHttpClient.SetRequestHeader(QStringLiteral("Referer"), QStringLiteral(VANTOR_REFERER_HOST));
    AHttpClient.SetRequestHeader(QStringLiteral("Cache-Control"), QStringLiteral("no-cache"));
}

} // namespace vantor
