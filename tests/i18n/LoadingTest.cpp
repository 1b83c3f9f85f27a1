// Loading and releasing the translation file.
#include "TranslationFixture.h"

#include "i18n/TranslationLoading.h"

#include <QStringEncoder>

namespace vantor::test {
namespace {

using LoadingTest = TranslationFixture;

const QByteArray OneText = R"(
  <TRANSLATION translation_ids="IDS_X">
    <LST_VALUES><VALUE value_language="REF" value_string="Text"/></LST_VALUES>
  </TRANSLATION>)";

TEST_F(LoadingTest, RootNameMustBeExact)
{
    EXPECT_TRUE(LoadBody(OneText));
    EXPECT_FALSE(LoadXml("<lst_translations>" + OneText + "</lst_translations>"));
    // The document that failed the test stays loaded.
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_X"), "Text");
}

TEST_F(LoadingTest, MissingFileLeavesNoDictionary)
{
    ASSERT_TRUE(LoadBody(OneText));
    EXPECT_FALSE(LoadTranslations(Folder.path() + "Lang/Missing.xml"));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_X"), "");
    EXPECT_FALSE(LoadTranslations(Folder.makeFolder("Lang/Folder.xml")));
    EXPECT_FALSE(BuildLanguageList(true));
}

TEST_F(LoadingTest, MalformedFileYieldsNoTexts)
{
    // Well-formed up to a point: nothing read before the error may be used.
    EXPECT_FALSE(LoadXml("<LST_TRANSLATIONS>" + OneText + "<TRANSLATION translation_ids=\"IDS_Y\">"));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_X"), "");
    EXPECT_FALSE(LoadXml(""));
    EXPECT_FALSE(LoadXml("not xml at all"));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_X"), "");
}

TEST_F(LoadingTest, UnloadEmptiesTheDictionary)
{
    ASSERT_TRUE(LoadBody(OneText));
    UnloadTranslations();
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_X"), "");
    EXPECT_FALSE(BuildLanguageList(true));
    UnloadTranslations(); // nothing loaded: no effect
}

TEST_F(LoadingTest, DeclaredAndMarkedEncodingsAreDecoded)
{
    const QString Text = QString::fromUtf8("Größe");
    const QString Xml = "<?xml version=\"1.0\" encoding=\"%1\"?><LST_TRANSLATIONS>"
                        "<TRANSLATION translation_ids=\"IDS_E\"><LST_VALUES>"
                        "<VALUE value_language=\"REF\" value_string=\"" +
                        Text +
                        "\"/>"
                        "</LST_VALUES></TRANSLATION></LST_TRANSLATIONS>";

    EXPECT_TRUE(LoadXml(QStringEncoder(QStringEncoder::Latin1).encode(Xml.arg("ISO-8859-1"))));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), Text);

    EXPECT_TRUE(
        LoadXml(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(Xml.arg("UTF-16"))));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), Text);

    const QByteArray Bytes = Xml.arg("UTF-8").toUtf8();
    EXPECT_TRUE(LoadTranslationsFromMemory(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), Text);
}

TEST_F(LoadingTest, EveryEncodingTheSystemKnowsIsDecodedAndAnUnknownOneIsAFailure)
{
    const auto xml = [](const QByteArray& AEncoding, const QByteArray& ATextBytes) {
        return "<?xml version=\"1.0\" encoding=\"" + AEncoding +
               "\"?>\r\n<LST_TRANSLATIONS>"
               "<TRANSLATION translation_ids=\"IDS_E\"><LST_VALUES>"
               "<VALUE value_language=\"REF\" value_string=\"" +
               ATextBytes +
               "\"/>"
               "</LST_VALUES></TRANSLATION></LST_TRANSLATIONS>";
    };
    // The bytes each editor writes for these words.
    const struct {
        const char* encoding;
        QByteArray bytes;
        const char* text;
    } cases[] = {
        {"windows-1250", "\xBF\xF3\xB3\xE6", "żółć"},
        {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет"},
        {"ISO-8859-2", "\xF5\xFB", "őű"},
        {"windows-1252", "\x80 \xE9", "€ é"},
        {"iso-8859-1",
         "Gr\xF6\xDF"
         "e",
         "Größe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoding);
        EXPECT_TRUE(LoadXml(xml(c.encoding, c.bytes)));
        EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), QString::fromUtf8(c.text));
    }
    // An encoding nobody knows, or bytes that are not valid in the declared one.
    EXPECT_FALSE(LoadXml(xml("x-no-such-encoding", "abc")));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), "");
    EXPECT_FALSE(LoadXml(xml("UTF-16LE", "abc")));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), "");
}

} // namespace
} // namespace vantor::test
