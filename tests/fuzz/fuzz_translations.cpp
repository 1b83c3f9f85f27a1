// Feeds arbitrary bytes to the translation loader, then exercises every query
// over whatever document resulted.
#include "i18n/TranslationLoading.h"
#include "i18n/uLanguages.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vantor;
    (void)LoadTranslationsFromMemory(data, size);
    for (const char* Language : {"REF", "eng", "GER"}) {
        for (const char* Id : {"IDS_COMMON_01", "ids_common_20", " IDS_COMMON_20", "IDS_CONTAINER_13"})
            (void)GetTextForLanguage(QString::fromLatin1(Language), QString::fromLatin1(Id));
    }
    for (bool IncludeReference : {false, true}) {
        (void)BuildLanguageList(IncludeReference);
        for (const TLanguage& Language : AvailableLanguages) {
            (void)IndexOfLanguageById(Language.IdRef);
            (void)IndexOfLanguageByDesc(Language.Desc);
            (void)GetTextForLanguage(Language.IdRef, QStringLiteral("IDS_COMMON_01"));
        }
    }
    UnloadTranslations();
    AvailableLanguages.clear();
    return 0;
}
