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
                        "<VALUE value_language=\"REF\" value_string=\"" + Text + "\"/>"
                        "</LST_VALUES></TRANSLATION></LST_TRANSLATIONS>";

    EXPECT_TRUE(LoadXml(QStringEncoder(QStringEncoder::Latin1).encode(Xml.arg("ISO-8859-1"))));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), Text);

    EXPECT_TRUE(LoadXml(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
                            .encode(Xml.arg("UTF-16"))));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), Text);

    const QByteArray Bytes = Xml.arg("UTF-8").toUtf8();
    EXPECT_TRUE(LoadTranslationsFromMemory(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_E"), Text);
}

} // namespace
} // namespace vantor::test
