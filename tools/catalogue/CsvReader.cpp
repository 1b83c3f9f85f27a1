#include "catalogue/CsvReader.h"

#include "catalogue/SourceFailure.h"

#include <QStringDecoder>

namespace vantor::tools {

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

// The first line that is not valid UTF-8, or 0.
int FirstLineNotUtf8(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(lines[i]); // decodes only when converted
        if (decoder.hasError())
            return static_cast<int>(i + 1);
    }
    return 0;
}

bool IsForbiddenControl(QChar c)
{
    return c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n';
}

class Parser {
public:
    Parser(const QString& text, const QString& file) : text_(text), file_(file) {}

    Result<QList<CsvRecord>> Run()
    {
        QList<CsvRecord> records;
        while (pos_ < text_.size()) {
            CsvRecord record;
            record.Line = line_;
            bool blank = true;
            for (;;) {
                bool quoted = false;
                Result<QString> field = Field(quoted);
                if (!field)
                    return field.error();
                record.Fields.append(*field);
                blank = blank && !quoted && record.Fields.size() == 1 && record.Fields.first().isEmpty();
                if (pos_ < text_.size() && text_[pos_] == u',') {
                    ++pos_;
                    blank = false;
                    continue;
                }
                EndOfLine();
                break;
            }
            if (!blank)
                records.append(record);
        }
        return records;
    }

private:
    Error Fail(int line, const QString& text) const { return SourceFailure(file_, line, text); }

    Result<QString> Field(bool& quoted)
    {
        if (pos_ < text_.size() && text_[pos_] == u'"') {
            quoted = true;
            return QuotedField();
        }
        const qsizetype start = pos_;
        while (pos_ < text_.size()) {
            const QChar c = text_[pos_];
            if (c == u',' || c == u'\r' || c == u'\n')
                break;
            if (c == u'"')
                return Fail(line_, QStringLiteral("a quote inside a field that does not start with one; "
                                                  "put the whole field in quotes and write the quote twice"));
            if (IsForbiddenControl(c))
                return Fail(line_, QStringLiteral("control character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
            ++pos_;
        }
        return text_.mid(start, pos_ - start);
    }

    Result<QString> QuotedField()
    {
        const int startLine = line_;
        ++pos_; // opening quote
        QString value;
        for (;;) {
            if (pos_ >= text_.size())
                return Fail(startLine, QStringLiteral("the quoted field that starts here is never closed"));
            const QChar c = text_[pos_];
            if (c == u'"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"') {
                    value += u'"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            if (IsForbiddenControl(c))
                return Fail(line_, QStringLiteral("control character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
            if (c == u'\n' || (c == u'\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != u'\n')))
                ++line_;
            value += c;
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] != u',' && text_[pos_] != u'\r' && text_[pos_] != u'\n')
            return Fail(line_, QStringLiteral("text after the closing quote of a field; a quote inside a quoted field "
                                              "is written twice"));
        return value;
    }

    // CRLF, LF or a lone CR ends a record.
    void EndOfLine()
    {
        if (pos_ >= text_.size())
            return;
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
            ++pos_;
        ++pos_;
        ++line_;
    }

    const QString& text_;
    const QString& file_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace

Result<QList<CsvRecord>> ReadCsv(const QByteArray& bytes, const QString& file)
{
    const QByteArray body = bytes.startsWith(Utf8Bom) ? bytes.mid(Utf8Bom.size()) : bytes;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError()) {
        const int line = FirstLineNotUtf8(body);
        return SourceFailure(file, line, QStringLiteral("the text is not UTF-8; save the file as UTF-8"));
    }
    return Parser(text, file).Run();
}

} // namespace vantor::tools
