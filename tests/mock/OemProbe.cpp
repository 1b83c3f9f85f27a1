// A host without Qt: loads an engine, initialises it for a usage type and
// writes the logo that GetOemData hands out to a file. The engine's tests run
// it to show that the logos need no application object in the host.
// Usage: vantor_engine_oem_probe LIBRARY USAGE_TYPE INFO_LOGO OUTPUT_FILE
#include "engine/EngineApi.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

int Fail(const char* what)
{
    std::fprintf(stderr, "oem probe: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
        return Fail("usage: vantor_engine_oem_probe LIBRARY USAGE_TYPE INFO_LOGO OUTPUT_FILE");
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return Fail(dlerror());
    auto initialize = reinterpret_cast<TInitializeForMaronelProc>(dlsym(library, ENGINE_INITIALIZE_PROC));
    auto uninitialize = reinterpret_cast<TUninitializeLibraryProc>(dlsym(library, ENGINE_UNINITIALIZE_PROC));
    auto getOemData = reinterpret_cast<TGetOemDataProc>(dlsym(library, ENGINE_GET_OEM_DATA_PROC));
    if (initialize == nullptr || uninitialize == nullptr || getOemData == nullptr)
        return Fail("an export is missing");

    const char16_t empty[] = u"";
    const char16_t language[] = u"ENG";
    TEngineInitData record{};
    record.UsageType = static_cast<uint8_t>(std::atoi(argv[2]));
    record.Reserved = empty;
    record.LanguageId = language;
    record.CataloguePath = empty;
    record.Password = empty;
    record.Options = empty;
    TInfoVersion engine{}, dbMain{}, dbDevices{};
    const int32_t initialized = initialize(&record, &engine, &dbMain, &dbDevices);
    if (initialized != ENGINE_INIT_OK && initialized != ENGINE_INIT_OK_WITH_NOTICE)
        return Fail("initialisation failed");

    TOemData data{};
    const int32_t result = getOemData(&data, std::atoi(argv[3]));
    for (TEngineString text : {data.sName, data.sProduct, data.sCopyright, data.sHomePage})
        EngineStringFree(text);
    int status = 0;
    if (result != 0) {
        status = Fail("GetOemData failed");
    } else if (data.Logo == nullptr) {
        status = Fail("no logo");
    } else if (FILE* out = std::fopen(argv[4], "wb")) {
        const size_t size = static_cast<size_t>(data.Logo->Size - data.Logo->Position);
        if (std::fwrite(data.Logo->Bytes + data.Logo->Position, 1, size, out) != size)
            status = Fail("cannot write the logo");
        if (std::fclose(out) != 0)
            status = Fail("cannot write the logo");
    } else {
        status = Fail("cannot create the output file");
    }
    if (data.Logo != nullptr)
        data.Logo->Destroy(data.Logo);
    uninitialize();
    dlclose(library);
    return status;
}
