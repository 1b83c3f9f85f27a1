#include "common/TextHelpers.h"

#include "common/uConstants.h"

#include <QDate>
#include <QLocale>

#include <algorithm>

namespace vantor {

bool IsDefinedValue(float Value, bool RejectMinusTwo)
{
    if (Value == -1.0f)
        return false;
    if (RejectMinusTwo && Value == -2.0f)
        return false;
    return true;
}

bool IsDefinedValue(int Value, bool RejectMinusTwo)
{
    return IsDefinedValue(static_cast<float>(Value), RejectMinusTwo);
}

namespace {

// A decimal integer with an optional sign, nothing else; anything else
// (including an empty part) counts as 0.
int DatePartOrZero(QStringView Part)
{
    if (Part.isEmpty())
        return 0;
    qsizetype pos = 0;
    const bool negative = Part.front() == u'-';
    if (negative || Part.front() == u'+')
        ++pos;
    if (pos == Part.size())
        return 0;
    int value = 0;
    for (; pos < Part.size(); ++pos) {
        const QChar c = Part[pos];
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c.unicode() - u'0');
    }
    return negative ? -value : value;
}

} // namespace

QString FormatCompactDate(const QString& Text)
{
    const QStringView view(Text);
    const int year = DatePartOrZero(view.mid(0, 4));
    const int month = DatePartOrZero(view.mid(4, 2));
    const int day = DatePartOrZero(view.mid(6, 2));
    // QDate also knows years before Christ; those are no catalogue dates.
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return {};
    return QLocale::system().toString(QDate(year, month, day), QLocale::ShortFormat);
}

bool IsValidCompactDate(const QString& Text)
{
    return !FormatCompactDate(Text).isEmpty();
}

QString JoinStrings(const QStringList& List)
{
    return List.join(QStringLiteral(", "));
}

QString GetCatalogueName(const QString& Code)
{
    for (const TAvailableCountries& row : AvailableCountries) {
        if (Code == QLatin1String(row.IdRef))
            return QString::fromUtf8(row.Desc);
    }
    return {};
}

QString ExpandLineBreaks(const QString& Text)
{
    QString result = Text;
    result.replace(u'@', QStringLiteral("\r\n"));
    return result;
}

QString FormatPercentS(const QString& Template, const QStringList& Values, bool RepeatLast)
{
    QString result;
    result.reserve(Template.size() + 16);
    qsizetype used = 0;
    for (qsizetype i = 0; i < Template.size(); ++i) {
        const QChar c = Template.at(i);
        if (c == QLatin1Char('%') && i + 1 < Template.size()) {
            const QChar next = Template.at(i + 1);
            if (next == QLatin1Char('%')) {
                result += QLatin1Char('%');
                ++i;
                continue;
            }
            if (next == QLatin1Char('s') && !Values.isEmpty() && (used < Values.size() || RepeatLast)) {
                result += Values.at(std::min(used, Values.size() - 1));
                ++used;
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

QString GetUrlCaption(const QString& Url)
{
    QString caption = Url.toUpper();
    // Drops the first seven characters wherever the scheme sits; addresses
    // are written with it in front.
    if (caption.contains(QLatin1String("HTTP://")))
        caption.remove(0, 7);
    const qsizetype slash = caption.indexOf(u'/');
    if (slash >= 0)
        caption.truncate(slash + 1);
    return caption.toLower();
}

QString UpperCaseAsciiLetters(QString Text)
{
    for (QChar& c : Text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return Text;
}

} // namespace vantor
