// libcurl, loaded when the first request is made rather than when the program
// starts: loading it, with the TLS and directory libraries it brings along,
// costs some 20 ms that would otherwise come before the first frame.
#pragma once

#include <curl/curl.h>

namespace vantor {

// The few entry points the HTTP client uses.
struct TCurlApi {
    CURL* (*easy_init)();
    void (*easy_cleanup)(CURL*);
    void (*easy_reset)(CURL*);
    CURLcode (*easy_setopt)(CURL*, CURLoption, ...);
    CURLcode (*easy_perform)(CURL*);
    CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...);
    const char* (*easy_strerror)(CURLcode);
    curl_slist* (*slist_append)(curl_slist*, const char*);
    void (*slist_free_all)(curl_slist*);
};

// Loads and initialises libcurl once; nullptr when it cannot be loaded.
const TCurlApi* CurlApi();

} // namespace vantor
