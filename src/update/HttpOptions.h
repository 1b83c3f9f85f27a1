// The header values every update request of the program carries.
#pragma once

namespace vantor {

class HttpClient;

// User-Agent, Connection, Proxy-Connection, Referer and Cache-Control; other
// settings of the client stay as they are.
void SetHttpClientOptions(HttpClient& AHttpClient);

} // namespace vantor
