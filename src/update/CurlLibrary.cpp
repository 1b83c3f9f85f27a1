#include "update/CurlLibrary.h"

#include "support/DynamicLibrary.h"

#include <mutex>

namespace vantor {

namespace {

// The library's file name in the system's library path (its ABI version).
constexpr char CurlLibraryName[] = "libcurl.so.4";

template <typename Function>
bool Resolve(const platform::DynamicLibrary& library, const char* name, Function& target)
{
    target = reinterpret_cast<Function>(library.Symbol(name));
    return target != nullptr;
}

const TCurlApi* LoadCurl()
{
    // Loaded for the rest of the run: handles of it live in every client.
    static platform::DynamicLibrary library;
    static TCurlApi api{};
    if (!library.Load(QString::fromLatin1(CurlLibraryName)))
        return nullptr;
    CURLcode (*globalInit)(long) = nullptr;
    const bool complete =
        Resolve(library, "curl_global_init", globalInit) && Resolve(library, "curl_easy_init", api.easy_init) &&
        Resolve(library, "curl_easy_cleanup", api.easy_cleanup) &&
        Resolve(library, "curl_easy_reset", api.easy_reset) && Resolve(library, "curl_easy_setopt", api.easy_setopt) &&
        Resolve(library, "curl_easy_perform", api.easy_perform) &&
        Resolve(library, "curl_easy_getinfo", api.easy_getinfo) &&
        Resolve(library, "curl_easy_strerror", api.easy_strerror) &&
        Resolve(library, "curl_slist_append", api.slist_append) &&
        Resolve(library, "curl_slist_free_all", api.slist_free_all);
    if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return nullptr;
    return &api;
}

} // namespace

const TCurlApi* CurlApi()
{
    static const TCurlApi* api = nullptr;
    static std::once_flag once;
    std::call_once(once, [] { api = LoadCurl(); });
    return api;
}

} // namespace vantor
