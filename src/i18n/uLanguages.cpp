#include "i18n/uLanguages.h"

#include "common/uGlobals.h"
#include "i18n/TranslationLoading.h"
#include "i18n/XmlEncoding.h"
#include "i18n/XmlQueries.h"

#include <QFile>
#include <QFileInfo>

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <memory>

namespace vantor {

TAvailableLanguages AvailableLanguages;

namespace {

const char* const RootName = "LST_TRANSLATIONS";
const QString TranslationElement = QStringLiteral("TRANSLATION");
const QString ValuesElement = QStringLiteral("LST_VALUES");
const QString ValueElement = QStringLiteral("VALUE");
const char* const IdAttribute = "translation_ids";
const char* const LanguageAttribute = "value_language";
const char* const StringAttribute = "value_string";
const QString LanguageListId = QStringLiteral("IDS_COMMON_01");
const QString ReferenceLanguage = QStringLiteral("REF");

// The loaded translation file; none until LoadTranslations.
std::unique_ptr<pugi::xml_document> Dictionary;

// Blanks and control characters, as the translation file's authors may leave
// them around identifiers and texts.
bool IsBlankOrControl(QChar C)
{
    return C.unicode() <= 0x20;
}

QString TrimBlanksAndControls(const QString& Text)
{
    qsizetype first = 0;
    qsizetype last = Text.size();
    while (first < last && IsBlankOrControl(Text[first]))
        ++first;
    while (last > first && IsBlankOrControl(Text[last - 1]))
        --last;
    return Text.mid(first, last - first);
}

pugi::xml_node RootElement()
{
    return Dictionary ? Dictionary->document_element() : pugi::xml_node();
}

pugi::xml_node FindTranslation(const QString& Id)
{
    return xml::FirstChildWithAttribute(RootElement(), TranslationElement, IdAttribute, Id);
}

QString ReadTranslationValue(pugi::xml_node Translation, const QString& LanguageId, bool ExpandLineBreaks)
{
    const pugi::xml_node values = xml::FirstDescendantElement(Translation, ValuesElement);
    if (!values)
        return {};
    const pugi::xml_node value = xml::FirstChildWithAttribute(values, ValueElement, LanguageAttribute, LanguageId);
    if (!value)
        return {};
    QString text = TrimBlanksAndControls(xml::AttributeText(value, QString::fromLatin1(StringAttribute)));
    // "@" is the file's only way to write a line break.
    if (ExpandLineBreaks)
        text.replace(QLatin1Char('@'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

bool LoadTranslationsFromMemory(const void* Data, std::size_t Size)
{
    Dictionary = std::make_unique<pugi::xml_document>();
    QByteArray converted;
    pugi::xml_parse_result result;
    switch (ConvertDeclaredEncoding(static_cast<const char*>(Data), Size, converted)) {
    case TXmlEncoding::AsIs:
        result = Dictionary->load_buffer(Data, Size, pugi::parse_default, pugi::encoding_auto);
        break;
    case TXmlEncoding::Converted:
        // The declaration still names the old encoding; the bytes are UTF-8 now.
        result = Dictionary->load_buffer(converted.constData(), static_cast<std::size_t>(converted.size()),
                                         pugi::parse_default, pugi::encoding_utf8);
        break;
    case TXmlEncoding::Unusable:
        // Read as anything else, its letters would turn into garbage.
        Dictionary->reset();
        return false;
    }
    if (!result) {
        // The parser keeps what it read before the error; a broken file must
        // not yield half of its texts.
        Dictionary->reset();
        return false;
    }
    const pugi::xml_node root = Dictionary->document_element();
    return root && std::strcmp(root.name(), RootName) == 0;
}

bool LoadTranslations(const QString& FileName)
{
    const QFileInfo info(FileName);
    if (!info.isFile()) {
        Dictionary.reset();
        return false;
    }
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Dictionary = std::make_unique<pugi::xml_document>();
        return false;
    }
    const QByteArray content = file.readAll();
    return LoadTranslationsFromMemory(content.constData(), static_cast<std::size_t>(content.size()));
}

void UnloadTranslations()
{
    Dictionary.reset();
}

namespace {

QString& CurrentTextLanguage()
{
    static QString language;
    return language;
}

} // namespace

void SetTextLanguage(const QString& LanguageId)
{
    CurrentTextLanguage() = LanguageId;
}

const QString& TextLanguage()
{
    return CurrentTextLanguage();
}

QString GetText(const QString& Id)
{
    return GetTextForLanguage(CurrentTextLanguage(), Id);
}

QString GetTextForLanguage(const QString& LanguageId, const QString& Id)
{
    // The check trims, the search does not: " IDS_X" is a different identifier.
    if (TrimBlanksAndControls(Id).isEmpty())
        return {};
    const pugi::xml_node translation = FindTranslation(Id);
    if (!translation)
        return {};
    return ReadTranslationValue(translation, LanguageId, true);
}

bool BuildLanguageList(bool IncludeReference)
{
    AvailableLanguages.clear();
    const pugi::xml_node values = xml::FirstChildElement(FindTranslation(LanguageListId), ValuesElement);
    if (!values)
        return false;
    for (pugi::xml_node value = xml::FirstDescendantElement(values, ValueElement); value;
         value = xml::NextSiblingElement(value)) {
        const QString idRef = xml::AttributeText(value, QString::fromLatin1(LanguageAttribute));
        if (!IncludeReference && idRef == ReferenceLanguage)
            continue;
        AvailableLanguages.append({idRef, xml::AttributeText(value, QString::fromLatin1(StringAttribute))});
    }
    // Plain code-unit order, stable for equal names: upper case before lower
    // case, accented letters after all unaccented ones.
    std::stable_sort(AvailableLanguages.begin(), AvailableLanguages.end(),
                     [](const TLanguage& Left, const TLanguage& Right) {
                         return QString::compare(Left.Desc, Right.Desc, Qt::CaseSensitive) < 0;
                     });
    return !AvailableLanguages.isEmpty();
}

int IndexOfLanguageById(const QString& IdRef)
{
    for (qsizetype i = 0; i < AvailableLanguages.size(); ++i)
        if (AvailableLanguages[i].IdRef == IdRef)
            return static_cast<int>(i);
    return -1;
}

int IndexOfLanguageByDesc(const QString& Desc)
{
    for (qsizetype i = 0; i < AvailableLanguages.size(); ++i)
        if (AvailableLanguages[i].Desc == Desc)
            return static_cast<int>(i);
    return -1;
}

} // namespace vantor
