// The translations of the engine's texts: each .ts file holds every text of
// the code, finished and with the placeholders of the English, and nothing
// else; the engine reads exactly those translations.
#include "dev/core/EngineLanguages.h"
#include "dev/core/EngineTextSources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <utility>

namespace vantor::devengine {
namespace {

const QString TranslationsDir = QStringLiteral(VANTOR_ENGINE_TRANSLATIONS_DIR);

using MessageKey = std::tuple<QString, QString, QString>; // context, source, disambiguation

MessageKey KeyOf(const TextSource& AText)
{
    return {QString::fromUtf8(AText.Context), QString::fromUtf8(AText.Source.Text),
            QString::fromUtf8(AText.Source.Disambiguation)};
}

struct TsMessage {
    MessageKey Key;
    QString Type;             // of the translation: empty when finished
    QStringList Translations; // one, or one per plural form
};

struct TsFile {
    QString Language;
    QList<TsMessage> Messages;
    QString Error;
};

// The text, or one text per plural form.
void ReadTranslation(QXmlStreamReader& AXml, TsMessage& AMessage)
{
    AMessage.Type = AXml.attributes().value(QLatin1String("type")).toString();
    QString text;
    bool plural = false;
    while (!AXml.atEnd() && AXml.readNext() != QXmlStreamReader::EndElement) {
        if (AXml.isCharacters())
            text += AXml.text();
        else if (AXml.isStartElement() && AXml.name() == u"numerusform") {
            plural = true;
            AMessage.Translations.append(AXml.readElementText());
        } else if (AXml.isStartElement())
            AXml.skipCurrentElement();
    }
    if (!plural)
        AMessage.Translations.append(text);
}

TsFile ReadTs(const QString& APath)
{
    TsFile ts;
    QFile file(APath);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.Error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message") {
            std::get<0>(message.Key) = context;
            ts.Messages.append(std::exchange(message, {}));
        }
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"TS")
            ts.Language = xml.attributes().value(QLatin1String("language")).toString();
        else if (name == u"name")
            context = xml.readElementText();
        else if (name == u"source")
            std::get<1>(message.Key) = xml.readElementText();
        else if (name == u"comment")
            std::get<2>(message.Key) = xml.readElementText();
        else if (name == u"translation")
            ReadTranslation(xml, message);
        else if (name != u"context" && name != u"message")
            xml.skipCurrentElement(); // locations and comments for the translators
    }
    if (xml.hasError())
        ts.Error = xml.errorString();
    return ts;
}

QStringList Placeholders(const QString& AText)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?([1-9][0-9]?|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(AText))
        found.append(match.captured());
    found.sort();
    return found;
}

QString Where(const MessageKey& AKey)
{
    const auto& [context, source, disambiguation] = AKey;
    return context + " \"" + source + '"' + (disambiguation.isEmpty() ? QString() : " (" + disambiguation + ")");
}

// What is wrong with the .ts file of the language: each problem a line.
QStringList TsProblems(const QString& APath, const QString& ALanguage)
{
    const TsFile ts = ReadTs(APath);
    if (!ts.Error.isEmpty())
        return {APath + ": " + ts.Error};
    QStringList problems;
    if (!ts.Language.startsWith(ALanguage))
        problems.append(QStringLiteral("language %1, not %2").arg(ts.Language, ALanguage));
    std::map<MessageKey, const TextSource*> code;
    for (const TextSource& text : TextSources())
        code.emplace(KeyOf(text), &text);
    std::map<MessageKey, int> seen;
    for (const TsMessage& message : ts.Messages) {
        const QString where = Where(message.Key);
        const QString& source = std::get<1>(message.Key);
        if (++seen[message.Key] > 1)
            problems.append("twice: " + where);
        if (!code.contains(message.Key))
            problems.append("not in the code: " + where);
        if (!message.Type.isEmpty())
            problems.append(message.Type + ": " + where);
        if (message.Translations.isEmpty())
            problems.append("no translation: " + where);
        for (const QString& translation : message.Translations) {
            if (translation.isEmpty())
                problems.append("empty: " + where);
            else if (Placeholders(translation) != Placeholders(source))
                problems.append(QStringLiteral("placeholders of \"%1\" differ: %2").arg(translation, where));
        }
    }
    for (const auto& [key, text] : code)
        if (!seen.contains(key))
            problems.append("missing: " + Where(key));
    return problems;
}

TEST(EngineTranslations, EveryLanguageHasATsFileWithEveryTextFinished)
{
    QStringList expected;
    for (const EngineLanguage& language : EngineLanguages()) {
        if (language.Translation == nullptr)
            continue;
        const QString file = QStringLiteral("engine_%1.ts").arg(QLatin1String(language.Translation));
        expected.append(file);
        EXPECT_EQ(TsProblems(TranslationsDir + '/' + file, QLatin1String(language.Translation)), QStringList())
            << file.toStdString();
    }
    expected.sort();
    EXPECT_EQ(QDir(TranslationsDir).entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name), expected)
        << "a .ts file per translated language, and no other";
}

TEST(EngineTranslations, TheCheckFindsWhatIsWrongInATsFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("engine_de.ts"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="de_DE">
<context><name>SettingsStrip</name>
  <message><source>Language</source><translation type="unfinished"></translation></message>
  <message><source>Catalogue</source><translation type="vanished">Katalog</translation></message>
  <message><source>%1 priced items</source><translation>Artikel mit Preis</translation></message>
  <message><source>Gone</source><translation>Weg</translation></message>
  <message><source>none</source><comment>no options set</comment><translation>keine</translation></message>
  <message><source>none</source><translation>keine</translation></message>
</context></TS>)");
    file.close();
    const QStringList problems = TsProblems(path, QStringLiteral("de"));
    for (const char* expected : {R"(unfinished: SettingsStrip "Language")", R"(vanished: SettingsStrip "Catalogue")",
                                 R"(placeholders of "Artikel mit Preis" differ: SettingsStrip "%1 priced items")",
                                 R"(not in the code: SettingsStrip "Gone")", R"(not in the code: SettingsStrip "none")",
                                 R"(missing: SettingsStrip "Options")"})
        EXPECT_TRUE(problems.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                    << problems.join('\n').toStdString();
    EXPECT_FALSE(problems.join('\n').contains("(no options set)")) << "the disambiguated one is right";
}

TEST(EngineTranslations, TheEngineReadsTheTranslationsOfItsLanguage)
{
    for (std::size_t row = 0; row < TextSources().size(); ++row)
        ASSERT_EQ(static_cast<std::size_t>(TextSources()[row].Id), row) << "rows in the order of their ids";
    for (int index = 0; index < EngineLanguageCount; ++index) {
        const EngineLanguage& language = EngineLanguages()[static_cast<std::size_t>(index)];
        std::map<MessageKey, QString> translated;
        if (language.Translation != nullptr) {
            const TsFile ts =
                ReadTs(QStringLiteral("%1/engine_%2.ts").arg(TranslationsDir, QLatin1String(language.Translation)));
            for (const TsMessage& message : ts.Messages)
                translated[message.Key] = message.Translations.value(0);
        }
        for (const TextSource& text : TextSources()) {
            const QString expected =
                language.Translation == nullptr ? QString::fromUtf8(text.Source.Text) : translated[KeyOf(text)];
            EXPECT_FALSE(expected.isEmpty());
            EXPECT_EQ(EngineText(text.Id, index), expected) << language.Id << " " << text.Source.Text;
        }
    }
    EXPECT_EQ(EngineTexts("POL")(TextId::Total), EngineText(TextId::Total, 5));
    EXPECT_EQ(EngineTexts("POL")(TextId::Total), "Razem");
    for (const char* english : {"XYZ", "REF", "", "ita"})
        EXPECT_EQ(EngineTexts(english)(TextId::Total), "Total") << english;
    EXPECT_EQ(EngineTexts("RUS").Number(6666.5, 1), QLocale(QLocale::Russian).toString(6666.5, 'f', 1));
    EXPECT_EQ(EngineTexts("ENG")(TextId::Count_), QString());
}

} // namespace
} // namespace vantor::devengine
