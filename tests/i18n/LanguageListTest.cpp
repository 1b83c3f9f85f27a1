// The list of languages offered in the setup dialog.
#include "TranslationFixture.h"

namespace vantor::test {
namespace {

using LanguageListTest = TranslationFixture;

QByteArray LanguagesEntry(const QByteArray& Values)
{
    return "<TRANSLATION translation_ids=\"IDS_COMMON_01\"><LST_VALUES>" + Values + "</LST_VALUES></TRANSLATION>";
}

QStringList Descriptions()
{
    QStringList Result;
    for (const TLanguage& Language : AvailableLanguages)
        Result << Language.Desc;
    return Result;
}

QStringList Identifiers()
{
    QStringList Result;
    for (const TLanguage& Language : AvailableLanguages)
        Result << Language.IdRef;
    return Result;
}

TEST_F(LanguageListTest, SortedByCodeUnitsWithReferenceLeftOut)
{
    ASSERT_TRUE(LoadBody(LanguagesEntry(R"(
      <VALUE value_language="REF" value_string="Reference"/>
      <VALUE value_language="ITA" value_string="Italiano"/>
      <VALUE value_language="ENG" value_string="English"/>
      <VALUE value_language="GER" value_string="Deutsch"/>
      <VALUE value_language="ESP" value_string="español"/>)")));

    EXPECT_TRUE(BuildLanguageList(false));
    EXPECT_EQ(Descriptions(), QStringList({"Deutsch", "English", "Italiano", QString::fromUtf8("español")}));
    EXPECT_EQ(Identifiers(), QStringList({"GER", "ENG", "ITA", "ESP"}));

    EXPECT_TRUE(BuildLanguageList(true));
    EXPECT_EQ(Identifiers(), QStringList({"GER", "ENG", "ITA", "REF", "ESP"}));
}

TEST_F(LanguageListTest, OnlyTheExactReferenceIdIsLeftOut)
{
    ASSERT_TRUE(LoadBody(LanguagesEntry(R"(
      <VALUE value_language="ref" value_string="lower"/>
      <VALUE value_language="Ref" value_string="Mixed"/>
      <VALUE value_language="REF" value_string="Upper"/>)")));

    EXPECT_TRUE(BuildLanguageList(false));
    EXPECT_EQ(Identifiers(), QStringList({"Ref", "ref"}));
}

TEST_F(LanguageListTest, EntriesKeepRawTextsAndFileOrderForEqualNames)
{
    ASSERT_TRUE(LoadBody(LanguagesEntry(R"(
      <VALUE value_language="B2" value_string="Same"/>
      <VALUE value_language="B1" value_string="Same"/>
      <VALUE VALUE_LANGUAGE="RAW" Value_String=" Two@Lines "/>
      <VALUE value_string="No id"/>
      <OTHER value_language="OTH" value_string="Other element"/>)")));

    EXPECT_TRUE(BuildLanguageList(false));
    EXPECT_EQ(Descriptions(), QStringList({" Two@Lines ", "No id", "Other element", "Same", "Same"}));
    EXPECT_EQ(Identifiers(), QStringList({"RAW", "", "OTH", "B2", "B1"}));
}

TEST_F(LanguageListTest, EachBuildReplacesTheList)
{
    ASSERT_TRUE(LoadBody(LanguagesEntry(R"(<VALUE value_language="ENG" value_string="English"/>)")));
    EXPECT_TRUE(BuildLanguageList(false));
    EXPECT_TRUE(BuildLanguageList(false));
    EXPECT_EQ(AvailableLanguages.size(), 1);

    ASSERT_TRUE(LoadBody(LanguagesEntry(R"(<VALUE value_language="REF" value_string="Reference"/>)")));
    EXPECT_FALSE(BuildLanguageList(false));
    EXPECT_TRUE(AvailableLanguages.isEmpty());

    ASSERT_TRUE(LoadBody("<TRANSLATION translation_ids=\"IDS_COMMON_02\"/>"));
    EXPECT_FALSE(BuildLanguageList(true));
    ASSERT_TRUE(LoadBody("<TRANSLATION translation_ids=\"IDS_COMMON_01\"><GROUP><LST_VALUES>"
                         "<VALUE value_language=\"ENG\" value_string=\"English\"/>"
                         "</LST_VALUES></GROUP></TRANSLATION>"));
    EXPECT_FALSE(BuildLanguageList(true));
}

TEST_F(LanguageListTest, IndexLookupsAreExact)
{
    ASSERT_TRUE(LoadBody(LanguagesEntry(R"(
      <VALUE value_language="eng" value_string="English"/>
      <VALUE value_language="GER" value_string="Deutsch"/>)") +
                         "<TRANSLATION translation_ids=\"IDS_Z\"><LST_VALUES>"
                         "<VALUE value_language=\"eng\" value_string=\"Hello\"/></LST_VALUES></TRANSLATION>"));
    ASSERT_TRUE(BuildLanguageList(false));

    EXPECT_EQ(IndexOfLanguageById("GER"), 0);
    EXPECT_EQ(IndexOfLanguageById("eng"), 1);
    EXPECT_EQ(IndexOfLanguageById("ENG"), -1);
    EXPECT_EQ(GetTextForLanguage("ENG", "IDS_Z"), "Hello"); // texts still found
    EXPECT_EQ(IndexOfLanguageByDesc("English"), 1);
    EXPECT_EQ(IndexOfLanguageByDesc("english"), -1);
    EXPECT_EQ(IndexOfLanguageByDesc(""), -1);
}

} // namespace
} // namespace vantor::test
