#include "dialogs/RtfReader.h"

#include <QSet>

#include <algorithm>

namespace vantor {
namespace {

// Formatting that a group inherits from its parent and loses at its end.
struct TGroupState {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24;
    int UnicodeSkip = 1; // \ucN: characters that stand in for each \uN
    bool Skipping = false;
};

constexpr int MaxControlWordLength = 32;
constexpr int MaxParameterDigits = 10;
constexpr int MinHalfPoints = 4;
constexpr int MaxHalfPoints = 288;

// Destinations whose content is no running text.
const QSet<QByteArray>& SkippedDestinations()
{
    static const QSet<QByteArray> names = {
        "fonttbl",      "colortbl",          "stylesheet", "info",      "pict",    "header",    "headerl",
        "headerr",      "headerf",           "footer",     "footerl",   "footerr", "footerf",   "footnote",
        "listtable",    "listoverridetable", "rsidtbl",    "generator", "object",  "themedata", "colorschememapping",
        "latentstyles", "datastore",         "xmlnstbl",   "filetbl",   "revtbl",  "fldinst",   "bkmkstart",
        "bkmkend",      "nonshppict",        "shppict",    "userprops", "mmathPr"};
    return names;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class TRtfParser {
public:
    explicit TRtfParser(const QByteArray& ARtf) : data_(ARtf) {}

    TRtfDocument Parse()
    {
        while (pos_ < data_.size()) {
            const char c = data_[pos_++];
            if (c == '{')
                OpenGroup();
            else if (c == '}')
                CloseGroup();
            else if (c == '\\')
                ReadControl();
            else if (c == '\r' || c == '\n')
                continue;
            else
                TextByte(static_cast<std::uint8_t>(c));
        }
        if (!paragraph_.Runs.isEmpty())
            EndParagraph();
        return document_;
    }

private:
    void OpenGroup()
    {
        pendingSkip_ = 0;
        if (droppedDepth_ > 0 || stack_.size() >= RtfMaxGroupDepth) {
            ++droppedDepth_;
            return;
        }
        stack_.append(state_);
    }

    void CloseGroup()
    {
        pendingSkip_ = 0;
        if (droppedDepth_ > 0) {
            --droppedDepth_;
            return;
        }
        if (stack_.isEmpty())
            return; // a stray closing brace
        state_ = stack_.takeLast();
    }

    bool Dropped() const { return droppedDepth_ > 0 || state_.Skipping; }

    void ReadControl()
    {
        if (pos_ >= data_.size())
            return;
        const char c = data_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            ReadSymbol(c);
            return;
        }
        QByteArray word;
        while (pos_ < data_.size() && IsLetter(data_[pos_])) {
            if (word.size() < MaxControlWordLength)
                word += data_[pos_];
            ++pos_;
        }
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (pos_ < data_.size() && data_[pos_] == '-' && pos_ + 1 < data_.size() && IsDigit(data_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < data_.size() && IsDigit(data_[pos_])) {
            if (digits < MaxParameterDigits)
                parameter = parameter * 10 + (data_[pos_] - '0');
            ++digits;
            ++pos_;
            hasParameter = true;
        }
        if (negative)
            parameter = -parameter;
        if (pos_ < data_.size() && data_[pos_] == ' ')
            ++pos_;
        ControlWord(word, hasParameter, parameter);
    }

    void ReadSymbol(char c)
    {
        switch (c) {
        case '\'': {
            if (pos_ + 2 > data_.size())
                return; // truncated at the end of the input
            const int high = HexValue(data_[pos_]);
            const int low = HexValue(data_[pos_ + 1]);
            if (high < 0 || low < 0)
                return; // a broken escape stands for nothing
            pos_ += 2;
            if (ConsumedBySkip())
                return;
            Append(Cp1252ToUnicode(static_cast<std::uint8_t>(high * 16 + low)));
            return;
        }
        case '*':
            state_.Skipping = true;
            return;
        case '\\':
        case '{':
        case '}':
            if (!ConsumedBySkip())
                Append(QChar::fromLatin1(c));
            return;
        case '~':
            if (!ConsumedBySkip())
                Append(QChar(0x00A0));
            return;
        case '_':
            if (!ConsumedBySkip())
                Append(QChar(0x2011));
            return;
        case '\r':
        case '\n':
            if (!Dropped())
                EndParagraph();
            return;
        default:
            return; // \- (optional hyphen), \: and others show nothing
        }
    }

    void ControlWord(const QByteArray& AWord, bool AHasParameter, long long AParameter)
    {
        if (SkippedDestinations().contains(AWord)) {
            state_.Skipping = true;
            return;
        }
        const bool on = !AHasParameter || AParameter != 0;
        if (AWord == "b") {
            state_.Bold = on;
        } else if (AWord == "i") {
            state_.Italic = on;
        } else if (AWord == "ul") {
            state_.Underline = on;
        } else if (AWord == "ulnone") {
            state_.Underline = false;
        } else if (AWord == "fs") {
            if (AHasParameter)
                state_.HalfPoints = static_cast<int>(std::clamp<long long>(AParameter, MinHalfPoints, MaxHalfPoints));
        } else if (AWord == "plain") {
            const TGroupState defaults;
            state_.Bold = defaults.Bold;
            state_.Italic = defaults.Italic;
            state_.Underline = defaults.Underline;
            state_.HalfPoints = defaults.HalfPoints;
        } else if (AWord == "uc") {
            if (AHasParameter)
                state_.UnicodeSkip = static_cast<int>(std::clamp<long long>(AParameter, 0, 8));
        } else if (AWord == "u") {
            if (!AHasParameter)
                return;
            long long code = AParameter;
            if (code < 0)
                code += 65536; // RTF writes code units above 32767 as signed 16-bit numbers
            if (code >= 0 && code <= 0xFFFF)
                Append(QChar(static_cast<char16_t>(code)));
            pendingSkip_ = state_.UnicodeSkip;
        } else if (AWord == "par" || AWord == "sect" || AWord == "page") {
            if (!Dropped())
                EndParagraph();
        } else if (AWord == "pard" || AWord == "ql") { // a reset returns to the left
            alignment_ = TRtfAlignment::Left;
        } else if (AWord == "qc") {
            alignment_ = TRtfAlignment::Centre;
        } else if (AWord == "qr") {
            alignment_ = TRtfAlignment::Right;
        } else if (AWord == "qj") {
            alignment_ = TRtfAlignment::Justify;
        } else if (AWord == "line") {
            Append(QLatin1Char('\n'));
        } else if (AWord == "tab") {
            Append(QLatin1Char('\t'));
        } else if (AWord == "emdash") {
            Append(QChar(0x2014));
        } else if (AWord == "endash") {
            Append(QChar(0x2013));
        } else if (AWord == "bullet") {
            Append(QChar(0x2022));
        } else if (AWord == "lquote") {
            Append(QChar(0x2018));
        } else if (AWord == "rquote") {
            Append(QChar(0x2019));
        } else if (AWord == "ldblquote") {
            Append(QChar(0x201C));
        } else if (AWord == "rdblquote") {
            Append(QChar(0x201D));
        }
    }

    // After \uN the next characters are the fallback for readers without
    // Unicode; they are dropped here.
    bool ConsumedBySkip()
    {
        if (pendingSkip_ <= 0)
            return false;
        --pendingSkip_;
        return true;
    }

    void TextByte(std::uint8_t AByte)
    {
        if (ConsumedBySkip())
            return;
        if (AByte == '\t')
            Append(QLatin1Char('\t'));
        else if (AByte >= 0x20)
            Append(Cp1252ToUnicode(AByte));
    }

    void Append(QChar AChar)
    {
        if (Dropped())
            return;
        TRtfRun run;
        run.Bold = state_.Bold;
        run.Italic = state_.Italic;
        run.Underline = state_.Underline;
        run.HalfPoints = state_.HalfPoints;
        if (paragraph_.Runs.isEmpty() || !paragraph_.Runs.last().SameFormat(run))
            paragraph_.Runs.append(run);
        paragraph_.Runs.last().Text += AChar;
    }

    void EndParagraph()
    {
        paragraph_.Alignment = alignment_;
        document_.Paragraphs.append(paragraph_);
        paragraph_ = TRtfParagraph();
    }

    const QByteArray& data_;
    qsizetype pos_ = 0;
    TGroupState state_;
    QList<TGroupState> stack_;
    int droppedDepth_ = 0;
    int pendingSkip_ = 0;
    TRtfAlignment alignment_ = TRtfAlignment::Left;
    TRtfParagraph paragraph_;
    TRtfDocument document_;
};

QString AlignmentCss(TRtfAlignment AAlignment)
{
    switch (AAlignment) {
    case TRtfAlignment::Centre:
        return QStringLiteral("center");
    case TRtfAlignment::Right:
        return QStringLiteral("right");
    case TRtfAlignment::Justify:
        return QStringLiteral("justify");
    case TRtfAlignment::Left:
        break;
    }
    return QStringLiteral("left");
}

QString RunHtml(const TRtfRun& ARun)
{
    QString style = QStringLiteral("font-size:%1pt;").arg(ARun.HalfPoints / 2.0);
    if (ARun.Bold)
        style += QStringLiteral("font-weight:bold;");
    if (ARun.Italic)
        style += QStringLiteral("font-style:italic;");
    if (ARun.Underline)
        style += QStringLiteral("text-decoration:underline;");
    QString text = ARun.Text.toHtmlEscaped();
    text.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    text.replace(QLatin1Char('\t'), QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;"));
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, text);
}

} // namespace

QChar Cp1252ToUnicode(std::uint8_t AByte)
{
    // 0x80..0x9F; 0 marks the five positions that code page 1252 leaves unused.
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (AByte >= 0x80 && AByte <= 0x9F) {
        const char16_t code = high[AByte - 0x80];
        return code != 0 ? QChar(code) : QChar(QChar::ReplacementCharacter);
    }
    return QChar(static_cast<char16_t>(AByte));
}

QString TRtfParagraph::PlainText() const
{
    QString text;
    for (const TRtfRun& run : Runs)
        text += run.Text;
    return text;
}

bool TRtfDocument::IsEmpty() const
{
    for (const TRtfParagraph& paragraph : Paragraphs)
        if (!paragraph.Runs.isEmpty())
            return false;
    return true;
}

QString TRtfDocument::PlainText() const
{
    QStringList lines;
    for (const TRtfParagraph& paragraph : Paragraphs)
        lines << paragraph.PlainText();
    return lines.join(QLatin1Char('\n'));
}

TRtfDocument ReadRtf(const QByteArray& ARtf)
{
    return TRtfParser(ARtf).Parse();
}

QString RtfToHtml(const TRtfDocument& ADocument)
{
    if (ADocument.IsEmpty())
        return {};
    QString html = QStringLiteral("<html><body>");
    for (const TRtfParagraph& paragraph : ADocument.Paragraphs) {
        html += QStringLiteral("<p style=\"margin:0px; text-align:%1;\">").arg(AlignmentCss(paragraph.Alignment));
        if (paragraph.PlainText().isEmpty())
            html += QStringLiteral("&nbsp;");
        for (const TRtfRun& run : paragraph.Runs)
            html += RunHtml(run);
        html += QStringLiteral("</p>");
    }
    html += QStringLiteral("</body></html>");
    return html;
}

} // namespace vantor
