/* The boundary between the shell and a selection engine (libEngine.so).
 * Both sides build against this header alone. All calls happen on the
 * shell's user-interface thread. Texts are zero-terminated UTF-16. */
#ifndef VANTOR_ENGINE_API_H
#define VANTOR_ENGINE_API_H

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define ENGINE_EXPORT __attribute__((visibility("default")))
#else
#define ENGINE_EXPORT
#endif

/* Export names. */
#define ENGINE_INITIALIZE_PROC "InitializeForMaronel"
#define ENGINE_UNINITIALIZE_PROC "UninitializeLibrary"
#define ENGINE_GET_OEM_DATA_PROC "GetOemData"
#define ENGINE_SELECTOR_ADVANCED_PROC "UpsSelectorA_MaronelStandalone"
#define ENGINE_SELECTOR_BASE_PROC "UpsSelectorB_MaronelStandalone"
#define ENGINE_SELECTOR_MODULAR_PROC "UpsSelectorM_MaronelStandalone"
#define ENGINE_SELECTOR_RUNTIME_PROC "UpsSelectorR_MaronelStandalone"

/* Initialisation results that mean success; any other is a failure. */
#define ENGINE_INIT_OK 0
#define ENGINE_INIT_OK_WITH_NOTICE 7

/* The option words of TEngineInitData.Options, in the order the shell
 * writes them, joined by ENGINE_OPTION_SEPARATOR. The shell, the engines and
 * the maker's tools take them from here alone. */
#define ENGINE_OPTION_SEPARATOR "|"
#define ENGINE_OPTION_DEBUG_MODE "DEBUG_MODE"
#define ENGINE_OPTION_SHOW_ALL_CONFIGURATIONS "SHOW_ALLCFG"
#define ENGINE_OPTION_UNLIMITED_BATTERY_CABINETS "UNLIMITED_BATTCAB"
#define ENGINE_OPTION_SORT_BY_PRICE "SORT_BY_PRICE"
#define ENGINE_OPTION_HIDE_THREE_PHASE "HIDE_3PH_UPS"
#define ENGINE_OPTION_SHOW_AUTONOMY_LOWER "SHOW_AUTONOMY_LOWER"

typedef struct TInfoVersion {
    int16_t wMajor;
    int16_t wMinor;
    int16_t wRelease;
    int16_t wBuild;
} TInfoVersion;

/* Shows or hides the welcome panel (and logo) and the container panel.
 * Each argument is a Boolean in its lowest byte. */
typedef void (*TEnginePanelCallback)(int32_t ShowWelcome, int32_t ShowContainer);

/* What the engine receives at initialisation; valid only during the call. */
typedef struct TEngineInitData {
    uintptr_t AppHandle;           /* native id of the main window, or 0 */
    uint8_t UsageType;             /* branding variant, 0 to 6; the bytes after it are padding */
    void* ContainerPanel;          /* the shell's QWidget* of its container panel; valid for the run.
                                    * A widget crosses the boundary: the engine must be
                                    * built against the same Qt 6 (same ABI) as the shell. */
    TEnginePanelCallback CallBack; /* valid for the run */
    int32_t ShowPrices;            /* -1 (all bits) for true, 0 for false */
    const char16_t* Reserved;      /* always an empty text */
    const char16_t* LanguageId;
    const char16_t* CataloguePath; /* ends with "/" */
    const char16_t* Password;      /* the database password */
    const char16_t* Options;       /* option words joined by "|", or empty */
} TEngineInitData;

/* Length-prefixed UTF-16 strings that cross the boundary. The pointer is at
 * the first character; the 32-bit byte length stands just before it, and a
 * zero character follows. Both sides allocate and free them only with these
 * functions, over the C library's allocator that both sides link. */
typedef char16_t* TEngineString;

static inline TEngineString EngineStringAlloc(const char16_t* Text, uint32_t Length)
{
    uint32_t bytes = Length * (uint32_t)sizeof(char16_t);
    char* block = (char*)malloc(sizeof(uint32_t) + bytes + sizeof(char16_t));
    if (block == NULL)
        return NULL;
    memcpy(block, &bytes, sizeof(uint32_t));
    TEngineString text = (TEngineString)(block + sizeof(uint32_t));
    if (Length > 0)
        memcpy(text, Text, bytes);
    text[Length] = 0;
    return text;
}

static inline uint32_t EngineStringLength(TEngineString Text)
{
    uint32_t bytes = 0;
    if (Text == NULL)
        return 0;
    memcpy(&bytes, (const char*)Text - sizeof(uint32_t), sizeof(uint32_t));
    return bytes / (uint32_t)sizeof(char16_t);
}

static inline void EngineStringFree(TEngineString Text)
{
    if (Text != NULL)
        free((char*)Text - sizeof(uint32_t));
}

/* A PNG picture handed to the shell. The shell reads from Position and calls
 * Destroy when done; Destroy frees the stream and its bytes. */
typedef struct TEngineStream {
    const uint8_t* Bytes;
    uint64_t Size;
    uint64_t Position;
    void (*Destroy)(struct TEngineStream* Self);
} TEngineStream;

/* Branding data. The shell passes it empty; whatever the engine stores in it
 * becomes the shell's, which frees the strings and destroys the logo after
 * use, also when the call reported failure. */
typedef struct TOemData {
    TEngineString sName;
    TEngineString sProduct;
    TEngineString sCopyright;
    TEngineString sHomePage;
    TInfoVersion Version;
    TEngineStream* Logo;
} TOemData;

/* The exports. */
typedef int32_t (*TInitializeForMaronelProc)(const TEngineInitData* InitData, TInfoVersion* Engine,
                                             TInfoVersion* DbMain, TInfoVersion* DbDevices);
typedef void (*TUninitializeLibraryProc)(void);
typedef int32_t (*TGetOemDataProc)(TOemData* OemData, int32_t InfoLogo);
typedef void (*TUpsSelectorProc)(void);

/* Layouts are part of the boundary. */
#ifdef __cplusplus
#define ENGINE_API_LAYOUT_CHECK(expr, text) static_assert(expr, text)
#else
#define ENGINE_API_LAYOUT_CHECK(expr, text) _Static_assert(expr, text)
#endif
#if UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
ENGINE_API_LAYOUT_CHECK(sizeof(TInfoVersion) == 8, "TInfoVersion is 8 bytes");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, UsageType) == 8, "UsageType at 8");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, ContainerPanel) == 16, "ContainerPanel at 16");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, CallBack) == 24, "CallBack at 24");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, ShowPrices) == 32, "ShowPrices at 32");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, Reserved) == 40, "Reserved at 40");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, LanguageId) == 48, "LanguageId at 48");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, CataloguePath) == 56, "CataloguePath at 56");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, Password) == 64, "Password at 64");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, Options) == 72, "Options at 72");
ENGINE_API_LAYOUT_CHECK(sizeof(TEngineInitData) == 80, "TEngineInitData is 80 bytes");
ENGINE_API_LAYOUT_CHECK(offsetof(TOemData, Version) == 32, "Version at 32");
ENGINE_API_LAYOUT_CHECK(offsetof(TOemData, Logo) == 40, "Logo at 40");
ENGINE_API_LAYOUT_CHECK(sizeof(TOemData) == 48, "TOemData is 48 bytes");
#elif UINTPTR_MAX == 0xFFFFFFFFu
ENGINE_API_LAYOUT_CHECK(sizeof(TInfoVersion) == 8, "TInfoVersion is 8 bytes");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, UsageType) == 4, "UsageType at 4");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, ContainerPanel) == 8, "ContainerPanel at 8");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, CallBack) == 12, "CallBack at 12");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, ShowPrices) == 16, "ShowPrices at 16");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, Reserved) == 20, "Reserved at 20");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, LanguageId) == 24, "LanguageId at 24");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, CataloguePath) == 28, "CataloguePath at 28");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, Password) == 32, "Password at 32");
ENGINE_API_LAYOUT_CHECK(offsetof(TEngineInitData, Options) == 36, "Options at 36");
ENGINE_API_LAYOUT_CHECK(sizeof(TEngineInitData) == 40, "TEngineInitData is 40 bytes");
ENGINE_API_LAYOUT_CHECK(offsetof(TOemData, Version) == 16, "Version at 16");
ENGINE_API_LAYOUT_CHECK(offsetof(TOemData, Logo) == 24, "Logo at 24");
ENGINE_API_LAYOUT_CHECK(sizeof(TOemData) == 28, "TOemData is 28 bytes");
#endif

#ifdef __cplusplus
}
#endif

#endif /* VANTOR_ENGINE_API_H */
