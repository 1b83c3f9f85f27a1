// Finding texts by identifier and language.
#include "TranslationFixture.h"

namespace vantor::test {
namespace {

using LookupTest = TranslationFixture;

const QByteArray Greeting = R"(
  <TRANSLATION translation_ids="IDS_COMMON_20">
    <LST_VALUES>
      <VALUE value_language="REF" value_string="Welcome"/>
      <VALUE value_language="GER" value_string="Willkommen"/>
    </LST_VALUES>
  </TRANSLATION>)";

TEST_F(LookupTest, IdentifiersLanguagesAndElementNamesIgnoreLetterCase)
{
    ASSERT_TRUE(LoadBody(Greeting + R"(
  <translation translation_ids="ids_mixed_01">
    <Lst_Values><value value_language="ger" VALUE_STRING="Gemischt"/></Lst_Values>
  </translation>)"));

    EXPECT_EQ(GetTextForLanguage("GER", "ids_common_20"), "Willkommen");
    EXPECT_EQ(GetTextForLanguage("ger", "IDS_COMMON_20"), "Willkommen");
    EXPECT_EQ(GetTextForLanguage("Ger", "IDS_MIXED_01"), "Gemischt");
}

TEST_F(LookupTest, SearchedAttributeNamesMustBeSpelledExactly)
{
    ASSERT_TRUE(LoadBody(R"(
  <TRANSLATION Translation_Ids="IDS_A">
    <LST_VALUES><VALUE value_language="REF" value_string="a"/></LST_VALUES>
  </TRANSLATION>
  <TRANSLATION translation_ids="IDS_B">
    <LST_VALUES><VALUE VALUE_LANGUAGE="REF" value_string="b"/></LST_VALUES>
  </TRANSLATION>)"));

    EXPECT_EQ(GetTextForLanguage("REF", "IDS_A"), "");
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_B"), "");
}

TEST_F(LookupTest, IdentifierIsCheckedTrimmedButSearchedAsGiven)
{
    ASSERT_TRUE(LoadBody(Greeting));

    EXPECT_EQ(GetTextForLanguage("REF", " IDS_COMMON_20"), "");
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_COMMON_20\t"), "");
    EXPECT_EQ(GetTextForLanguage("REF", "  \t\r\n"), "");
    EXPECT_EQ(GetTextForLanguage("REF", ""), "");
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_COMMON_20"), "Welcome");
}

TEST_F(LookupTest, TextsAreTrimmedAndAtSignsBecomeLineBreaks)
{
    ASSERT_TRUE(LoadBody(R"(
  <TRANSLATION translation_ids="IDS_T">
    <LST_VALUES>
      <VALUE value_language="ONE" value_string="First@Second"/>
      <VALUE value_language="TWO" value_string="First@@Second@"/>
      <VALUE value_language="PAD" value_string="  &#9;padded text&#10; "/>
      <VALUE value_language="EDGE" value_string=" @ inner @ "/>
      <VALUE value_language="NONE"/>
      <VALUE value_language="UTF" value_string="Ünïcödé Русский 日本"/>
    </LST_VALUES>
  </TRANSLATION>)"));

    EXPECT_EQ(GetTextForLanguage("ONE", "IDS_T"), "First\r\nSecond");
    EXPECT_EQ(GetTextForLanguage("TWO", "IDS_T"), "First\r\n\r\nSecond\r\n");
    EXPECT_EQ(GetTextForLanguage("PAD", "IDS_T"), "padded text");
    // Trimming comes first, so line breaks written with "@" survive at the ends.
    EXPECT_EQ(GetTextForLanguage("EDGE", "IDS_T"), "\r\n inner \r\n");
    EXPECT_EQ(GetTextForLanguage("NONE", "IDS_T"), "");
    EXPECT_EQ(GetTextForLanguage("UTF", "IDS_T"), QString::fromUtf8("Ünïcödé Русский 日本"));
}

TEST_F(LookupTest, MissingLanguageGivesEmptyTextWithoutFallback)
{
    ASSERT_TRUE(LoadBody(Greeting));

    GlobalSetupData.LanguageId = "GER";

    SetTextLanguage(GlobalSetupData.LanguageId);
    EXPECT_EQ(GetText("IDS_COMMON_20"), "Willkommen");
    GlobalSetupData.LanguageId = "FRA";
    SetTextLanguage(GlobalSetupData.LanguageId);
    EXPECT_EQ(GetText("IDS_COMMON_20"), "");
    EXPECT_EQ(GetText("IDS_UNKNOWN_99"), "");
}

TEST_F(LookupTest, FirstEntryInDocumentOrderWins)
{
    ASSERT_TRUE(LoadBody(R"(
  <TRANSLATION translation_ids="IDS_D">
    <LST_VALUES>
      <VALUE value_language="REF" value_string="first"/>
      <VALUE value_language="ref" value_string="second"/>
    </LST_VALUES>
  </TRANSLATION>
  <TRANSLATION translation_ids="ids_d">
    <LST_VALUES>
      <VALUE value_language="REF" value_string="third"/>
      <VALUE value_language="GER" value_string="only here"/>
    </LST_VALUES>
  </TRANSLATION>)"));

    EXPECT_EQ(GetTextForLanguage("REF", "IDS_D"), "first");
    // The first TRANSLATION is the only one searched, even where it lacks the language.
    EXPECT_EQ(GetTextForLanguage("GER", "IDS_D"), "");
}

TEST_F(LookupTest, ValuesListIsFoundAtAnyDepthButValuesOnlyDirectlyInIt)
{
    ASSERT_TRUE(LoadBody(R"(
  <TRANSLATION translation_ids="IDS_DEEP">
    <GROUP><LST_VALUES><VALUE value_language="REF" value_string="deep"/></LST_VALUES></GROUP>
  </TRANSLATION>
  <TRANSLATION translation_ids="IDS_WRAPPED">
    <LST_VALUES><WRAP><VALUE value_language="REF" value_string="hidden"/></WRAP></LST_VALUES>
  </TRANSLATION>
  <GROUP>
    <TRANSLATION translation_ids="IDS_NESTED">
      <LST_VALUES><VALUE value_language="REF" value_string="nested"/></LST_VALUES>
    </TRANSLATION>
  </GROUP>)"));

    EXPECT_EQ(GetTextForLanguage("REF", "IDS_DEEP"), "deep");
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_WRAPPED"), "");
    // Only direct children of the root are translations.
    EXPECT_EQ(GetTextForLanguage("REF", "IDS_NESTED"), "");
}

} // namespace
} // namespace vantor::test
