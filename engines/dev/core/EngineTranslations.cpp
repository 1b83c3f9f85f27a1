#include "dev/core/EngineTranslations.h"

#include "dev/core/EngineLanguages.h"

#include "EngineTranslationRoot.h"

#include <QByteArray>
#include <QResource>
#include <QTranslator>

#include <array>
#include <memory>
#include <mutex>

// At global scope, where the macro declares the function rcc wrote. Calling
// it also links the compiled translations in from the static library.
static void registerEngineTranslations()
{
    Q_INIT_RESOURCE(vantor_devengine_texts);
}

namespace vantor::devengine {

namespace {

struct LoadedTranslation {
    QByteArray Data; // the translator reads from it as long as it lives
    QTranslator Translator;
};

std::unique_ptr<LoadedTranslation> Load(const char* name)
{
    const QString path = QStringLiteral(VANTOR_DEVENGINE_TRANSLATION_ROOT "engine_%1.qm").arg(QLatin1String(name));
    const QResource resource(path);
    if (!resource.isValid()) {
        qWarning("The engine's translation %s is missing; its texts read English", qUtf8Printable(path));
        return nullptr;
    }
    auto loaded = std::make_unique<LoadedTranslation>();
    // A copy: the resource found may be another module's copy of the same
    // build (a test program and the library it loads), which can be unloaded
    // while this one's translator lives on.
    const QByteArray bytes = resource.uncompressedData();
    loaded->Data = QByteArray(bytes.constData(), bytes.size());
    if (!loaded->Translator.load(reinterpret_cast<const uchar*>(loaded->Data.constData()),
                                 static_cast<int>(loaded->Data.size()))) {
        qWarning("The engine's translation %s cannot be read; its texts read English", qUtf8Printable(path));
        return nullptr;
    }
    return loaded;
}

} // namespace

const QTranslator* EngineTranslator(int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= EngineLanguageCount)
        return nullptr;
    const EngineLanguage& language = EngineLanguages()[static_cast<std::size_t>(languageIndex)];
    if (language.Translation == nullptr)
        return nullptr;

    // Screens of several languages may be built in one process; each
    // translation is read once, on first use, and kept.
    static std::mutex mutex;
    static std::array<std::unique_ptr<LoadedTranslation>, EngineLanguageCount> loaded;
    static std::array<bool, EngineLanguageCount> tried{};
    const std::lock_guard lock(mutex);
    const auto index = static_cast<std::size_t>(languageIndex);
    if (!tried[index]) {
        tried[index] = true;
        registerEngineTranslations(); // again is harmless
        loaded[index] = Load(language.Translation);
    }
    return loaded[index] ? &loaded[index]->Translator : nullptr;
}

} // namespace vantor::devengine
