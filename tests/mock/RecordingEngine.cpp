// A test engine built from the public header, in several variants (see
// CMakeLists.txt): it records every call with its arguments so that tests
// can check what the host hands over. The log is read through an extra
// export, TestEngine_Log.
#include "engine/EngineApi.h"

#include <cstdio>
#include <string>

#ifndef TEST_ENGINE_INIT_RESULT
#define TEST_ENGINE_INIT_RESULT 0
#endif
#ifndef TEST_ENGINE_OEM_RESULT
#define TEST_ENGINE_OEM_RESULT 0
#endif

namespace {

std::string Log;
TEnginePanelCallback Callback = nullptr;

[[maybe_unused]] std::string Narrow(const char16_t* text)
{
    if (text == nullptr)
        return "<null>";
    std::string out;
    for (; *text != 0; ++text)
        out.push_back(*text < 128 ? static_cast<char>(*text) : '?');
    return out;
}

[[maybe_unused]] TEngineString Make(const char* text)
{
    std::u16string wide;
    for (; *text != 0; ++text)
        wide.push_back(static_cast<char16_t>(*text));
    return EngineStringAlloc(wide.c_str(), static_cast<uint32_t>(wide.size()));
}

[[maybe_unused]] void DestroyStream(TEngineStream* stream)
{
    delete[] stream->Bytes;
    delete stream;
    Log += "LogoDestroyed\n";
}

} // namespace

extern "C" {

ENGINE_EXPORT const char* TestEngine_Log()
{
    return Log.c_str();
}

ENGINE_EXPORT void TestEngine_Reset()
{
    Log.clear();
}

// Lets a test act as the engine calling back into the shell.
ENGINE_EXPORT void TestEngine_CallBack(int32_t showWelcome, int32_t showContainer)
{
    if (Callback != nullptr)
        Callback(showWelcome, showContainer);
}

#ifndef TEST_ENGINE_NO_INIT
ENGINE_EXPORT int32_t InitializeForMaronel(const TEngineInitData* data, TInfoVersion* engine, TInfoVersion* dbMain,
                                           TInfoVersion* dbDevices)
{
    char line[1024];
    std::snprintf(line, sizeof line,
                  "InitializeForMaronel app=%llu usage=%u container=%s callback=%s prices=%d reserved='%s' "
                  "lang='%s' path='%s' password='%s' options='%s'\n",
                  static_cast<unsigned long long>(data->AppHandle), data->UsageType,
                  data->ContainerPanel != nullptr ? "set" : "none", data->CallBack != nullptr ? "set" : "none",
                  data->ShowPrices, Narrow(data->Reserved).c_str(), Narrow(data->LanguageId).c_str(),
                  Narrow(data->CataloguePath).c_str(), Narrow(data->Password).c_str(), Narrow(data->Options).c_str());
    Log += line;
    Callback = data->CallBack;
    *engine = TInfoVersion{1, 2, 3, 4};
    *dbMain = TInfoVersion{2024, 11, 1, 0};
    *dbDevices = TInfoVersion{-1, 0, 0, 32767};
#ifdef TEST_ENGINE_LATER_INIT_RESULT
    // Starts once, then fails every re-initialisation.
    static int initialisations = 0;
    if (++initialisations > 1)
        return TEST_ENGINE_LATER_INIT_RESULT;
#endif
    return TEST_ENGINE_INIT_RESULT;
}
#endif

ENGINE_EXPORT void UninitializeLibrary()
{
    Log += "UninitializeLibrary\n";
    Callback = nullptr;
}

#ifndef TEST_ENGINE_NO_OEM
ENGINE_EXPORT int32_t GetOemData(TOemData* oem, int32_t infoLogo)
{
    Log += infoLogo != 0 ? "GetOemData 1\n" : "GetOemData 0\n";
    oem->sName = Make("Maker");
    oem->sProduct = Make("Product");
    oem->sCopyright = Make("(c) Maker");
    oem->sHomePage = Make("http://www.example.invalid/ups");
    oem->Version = TInfoVersion{3, 1, 4, 1};
    auto* stream = new TEngineStream{};
    static const char bytes[] = "xxPNG-ish bytes";
    auto* copy = new uint8_t[sizeof bytes];
    for (size_t i = 0; i < sizeof bytes; ++i)
        copy[i] = static_cast<uint8_t>(bytes[i]);
    stream->Bytes = copy;
    stream->Size = sizeof bytes - 1;
    stream->Position = 2; // the shell reads from here
    stream->Destroy = DestroyStream;
    oem->Logo = stream;
    return TEST_ENGINE_OEM_RESULT;
}
#endif

#ifndef TEST_ENGINE_NO_SELECTORS
ENGINE_EXPORT void UpsSelectorA_MaronelStandalone()
{
    Log += "SelectorA\n";
}
ENGINE_EXPORT void UpsSelectorB_MaronelStandalone()
{
    Log += "SelectorB\n";
    if (Callback != nullptr)
        Callback(0, 1);
}
ENGINE_EXPORT void UpsSelectorM_MaronelStandalone()
{
    Log += "SelectorM\n";
}
ENGINE_EXPORT void UpsSelectorR_MaronelStandalone()
{
    Log += "SelectorR\n";
}
#endif

} // extern "C"
