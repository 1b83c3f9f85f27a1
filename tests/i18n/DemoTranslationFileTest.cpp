// The translation file shipped with the demo installation: every identifier
// has a text in every offered language, with the same format placeholders.
#include "TranslationFixture.h"

#include <QRegularExpression>

#include <pugixml.hpp>

namespace vantor::test {
namespace {

using DemoTranslationFileTest = TranslationFixture;

const QString DemoFile = QStringLiteral(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml");

QStringList IdentifiersInFile()
{
    pugi::xml_document Document;
    EXPECT_TRUE(Document.load_file(DemoFile.toLocal8Bit().constData()));
    QStringList Result;
    for (pugi::xml_node Node : Document.document_element().children("TRANSLATION"))
        Result << QString::fromUtf8(Node.attribute("translation_ids").value());
    return Result;
}

QStringList Placeholders(const QString& Text)
{
    static const QRegularExpression Placeholder(QStringLiteral("%[sd]"));
    QStringList Result;
    for (const QRegularExpressionMatch& Match : Placeholder.globalMatch(Text))
        Result << Match.captured();
    return Result;
}

TEST_F(DemoTranslationFileTest, OffersItsLanguagesInNameOrder)
{
    ASSERT_TRUE(LoadTranslations(DemoFile));
    ASSERT_TRUE(BuildLanguageList(false));
    QStringList Ids;
    for (const TLanguage& Language : AvailableLanguages)
        Ids << Language.IdRef;
    EXPECT_EQ(Ids, QStringList({"GER", "ENG", "ESP", "FRA", "ITA", "HUG", "POL", "PBS", "RUS"}));
}

TEST_F(DemoTranslationFileTest, EveryTextExistsInEveryLanguageWithTheSamePlaceholders)
{
    ASSERT_TRUE(LoadTranslations(DemoFile));
    ASSERT_TRUE(BuildLanguageList(true));
    QStringList Ids = IdentifiersInFile();
    ASSERT_FALSE(Ids.isEmpty());
    EXPECT_EQ(Ids.removeDuplicates(), 0);

    for (const QString& Id : Ids) {
        const QString Reference = GetTextForLanguage("REF", Id);
        for (const TLanguage& Language : AvailableLanguages) {
            const QString Text = GetTextForLanguage(Language.IdRef, Id);
            EXPECT_FALSE(Text.isEmpty()) << qPrintable(Id) << " " << qPrintable(Language.IdRef);
            EXPECT_EQ(Placeholders(Text), Placeholders(Reference))
                << qPrintable(Id) << " " << qPrintable(Language.IdRef);
        }
    }
    EXPECT_EQ(Placeholders(GetTextForLanguage("REF", "IDS_CONTAINER_13")), QStringList({"%s", "%s"}));
}

} // namespace
} // namespace vantor::test
