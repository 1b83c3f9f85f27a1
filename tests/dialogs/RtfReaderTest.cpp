#include "dialogs/RtfReader.h"
#include "dialogs/LicenceResources.h"

#include <gtest/gtest.h>

using namespace vantor;

namespace {

// The first run of the first paragraph holding ANeedle.
const TRtfRun* FindRun(const TRtfDocument& ADocument, const QString& ANeedle)
{
    for (const TRtfParagraph& paragraph : ADocument.Paragraphs)
        for (const TRtfRun& run : paragraph.Runs)
            if (run.Text.contains(ANeedle))
                return &run;
    return nullptr;
}

TEST(RtfReaderTest, FormattingGroupsAndParagraphs)
{
    const TRtfDocument document = ReadRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
                                          "\\pard\\qc\\fs28\\b Title\\b0\\par\n"
                                          "\\pard\\fs20 plain {\\i italic {\\ul under}} back\\ul0\\par"
                                          "\\b bold\\b0\\ulnone , x\\line y\\tab z\\par}");
    ASSERT_EQ(document.Paragraphs.size(), 3);
    EXPECT_EQ(document.PlainText(), QStringLiteral("Title\nplain italic under back\nbold, x\ny\tz"));
    EXPECT_EQ(document.Paragraphs[0].Alignment, TRtfAlignment::Centre);
    EXPECT_EQ(document.Paragraphs[1].Alignment, TRtfAlignment::Left);

    const TRtfRun* title = FindRun(document, QStringLiteral("Title"));
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->Bold);
    EXPECT_EQ(title->HalfPoints, 28);
    const TRtfRun* under = FindRun(document, QStringLiteral("under"));
    ASSERT_NE(under, nullptr);
    EXPECT_TRUE(under->Italic && under->Underline && !under->Bold);
    // The group's end restores the formatting before it.
    const TRtfRun* back = FindRun(document, QStringLiteral(" back"));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->Italic || back->Underline);
    EXPECT_EQ(back->HalfPoints, 20);
}

TEST(RtfReaderTest, EscapesAndSkippedDestinations)
{
    const TRtfDocument document =
        ReadRtf("{\\rtf1{\\*\\generator Writer 1.0;}{\\info{\\title Secret}}{\\stylesheet{\\s0 Normal;}}"
                "{\\pict\\pngblip 89504e47}{\\*\\unknown hidden}"
                "pi\\'f9 \\'80 \\'93q\\'94 \\u8364?x \\uc2\\u8217\\'92\\'92y \\uc0\\u-4064 z \\{\\}\\\\"
                "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}");
    const QString text = document.PlainText();
    EXPECT_EQ(text, QString::fromUtf8("più € “q” €x ’y \uF020z {}\\link"));
    EXPECT_FALSE(text.contains(QStringLiteral("Secret")));
    EXPECT_FALSE(text.contains(QStringLiteral("hidden")));
    EXPECT_EQ(Cp1252ToUnicode(0xE8), QChar(0x00E8));
    EXPECT_EQ(Cp1252ToUnicode(0x9C), QChar(0x0153));
}

TEST(RtfReaderTest, MalformedInputGivesWhatCanBeRead)
{
    // Unbalanced braces either way.
    EXPECT_EQ(ReadRtf("{\\rtf1 {\\b open").PlainText(), QStringLiteral("open"));
    EXPECT_EQ(ReadRtf("}}}text}{").PlainText(), QStringLiteral("text"));
    // Truncated escapes at the end and in the middle.
    EXPECT_EQ(ReadRtf("{\\rtf1 a\\'e").PlainText(), QStringLiteral("ae"));
    EXPECT_EQ(ReadRtf("{\\rtf1 a\\'zzb}").PlainText(), QStringLiteral("azzb"));
    EXPECT_EQ(ReadRtf("a\\").PlainText(), QStringLiteral("a"));
    EXPECT_EQ(ReadRtf("a\\u").PlainText(), QStringLiteral("a"));
    EXPECT_EQ(ReadRtf("a\\u-").PlainText(), QStringLiteral("a-"));
    EXPECT_EQ(ReadRtf("\\fs99999999999999999999 big").Paragraphs[0].Runs[0].HalfPoints, 288);
    EXPECT_EQ(ReadRtf("\\uc0\\u99999999 a\\u-99999 b").PlainText(), QStringLiteral("ab"));

    // Deep nesting: dropped beyond the limit, and the text after it is back.
    const int depth = 100000;
    QByteArray deep = "{\\rtf1 start";
    deep += QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + " end}";
    const TRtfDocument document = ReadRtf(deep);
    EXPECT_EQ(document.PlainText(), QStringLiteral("start end"));
    QByteArray shallow = QByteArray(RtfMaxGroupDepth - 1, '{') + "kept" + QByteArray(RtfMaxGroupDepth - 1, '}');
    EXPECT_EQ(ReadRtf(shallow).PlainText(), QStringLiteral("kept"));

    EXPECT_TRUE(ReadRtf(QByteArray()).IsEmpty());
    EXPECT_TRUE(RtfToHtml(ReadRtf(QByteArray())).isEmpty());
}

TEST(RtfReaderTest, HtmlKeepsFormattingAndEscapesText)
{
    const QString html = RtfToHtml(ReadRtf("{\\rtf1\\qc\\b <b>&amp;\\b0\\par\\par\\i x\\line y}"));
    EXPECT_TRUE(html.contains(QStringLiteral("text-align:center")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-weight:bold;\">&lt;b&gt;&amp;amp;</span>")));
    EXPECT_TRUE(html.contains(QStringLiteral("&nbsp;")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-style:italic;\">x<br/>y</span>")));
}

TEST(RtfReaderTest, ShippedLicences)
{
    const QStringList expected = {"LICENCE_ENG", "LICENCE_ESP", "LICENCE_FRA", "LICENCE_GER", "LICENCE_HUG",
                                  "LICENCE_ITA", "LICENCE_PBS", "LICENCE_POL", "LICENCE_RUS"};
    EXPECT_EQ(LicenceResourceNames(), expected);
    const QByteArray english = LoadLicenceResource(QStringLiteral("LICENCE_ENG"));
    for (const QString& name : expected) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray rtf = LoadLicenceResource(name);
        ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
        const TRtfDocument document = ReadRtf(rtf);
        ASSERT_FALSE(document.IsEmpty());
        // Bold, centred heading first; a bold section heading later.
        ASSERT_FALSE(document.Paragraphs[0].Runs.isEmpty());
        EXPECT_TRUE(document.Paragraphs[0].Runs[0].Bold);
        EXPECT_EQ(document.Paragraphs[0].Alignment, TRtfAlignment::Centre);
        const TRtfRun* heading = FindRun(document, QStringLiteral("2. "));
        ASSERT_NE(heading, nullptr);
        EXPECT_TRUE(heading->Bold);
        EXPECT_TRUE(document.PlainText().contains(QString::fromUtf8("© ")));
        EXPECT_FALSE(document.PlainText().contains(QLatin1Char('?')));
        EXPECT_FALSE(document.PlainText().contains(QLatin1Char('\\')));
        if (name != "LICENCE_ESP" && name != "LICENCE_ITA")
            EXPECT_EQ(rtf, english);
        else
            EXPECT_NE(rtf, english);
    }
    const QString italian = ReadRtf(LoadLicenceResource(QStringLiteral("LICENCE_ITA"))).PlainText();
    EXPECT_TRUE(italian.contains(QString::fromUtf8("Il Software è concesso in licenza")));
    EXPECT_TRUE(italian.contains(QString::fromUtf8("COSÌ COM'È")));
    const QString spanish = ReadRtf(LoadLicenceResource(QStringLiteral("LICENCE_ESP"))).PlainText();
    EXPECT_TRUE(spanish.contains(QString::fromUtf8("Concesión de licencia")));
    EXPECT_TRUE(spanish.contains(QString::fromUtf8("diseñar")));
    const QString englishText = ReadRtf(english).PlainText();
    EXPECT_TRUE(englishText.contains(QString::fromUtf8("“Software”")));
    EXPECT_TRUE(englishText.contains(QString::fromUtf8("Licensor’s")));

    // Names match without regard to case; an unknown language has none.
    EXPECT_EQ(LoadLicenceResource(QStringLiteral("Licence_ita")), LoadLicenceResource(QStringLiteral("LICENCE_ITA")));
    EXPECT_TRUE(LoadLicenceResource(QStringLiteral("Licence_REF")).isEmpty());
    EXPECT_TRUE(LoadLicenceResource(QStringLiteral("Licence_")).isEmpty());
}

} // namespace
