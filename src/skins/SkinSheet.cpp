#include "skins/SkinSheet.h"

#include <QDir>
#include <QRegularExpression>

namespace vantor {

namespace {

const QString TreeType = QStringLiteral("QTreeView");

QString StripComments(const QString& sheet)
{
    QString result;
    result.reserve(sheet.size());
    qsizetype i = 0;
    while (i < sheet.size()) {
        const qsizetype start = sheet.indexOf(QLatin1String("/*"), i);
        if (start < 0) {
            result += QStringView(sheet).mid(i);
            break;
        }
        result += QStringView(sheet).mid(i, start - i);
        const qsizetype end = sheet.indexOf(QLatin1String("*/"), start + 2);
        if (end < 0)
            break;
        i = end + 2;
    }
    return result;
}

// Splits a selector list at commas outside quotes and brackets.
QStringList SplitSelectors(const QString& list)
{
    QStringList parts;
    QString current;
    QChar quote;
    int depth = 0;
    for (const QChar c : list) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'[' || c == u'(') {
            ++depth;
        } else if ((c == u']' || c == u')') && depth > 0) {
            --depth;
        } else if (c == u',' && depth == 0) {
            parts << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    parts << current.trimmed();
    return parts;
}

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'-';
}

// The selector with every QTreeView type selector replaced by className, or
// an empty text when it has none. Quoted attribute values are left alone.
QString ReplaceTreeType(const QString& selector, const QString& className)
{
    // Most selectors name no tree at all.
    if (!selector.contains(TreeType))
        return {};
    QString result;
    bool replaced = false;
    QChar quote;
    qsizetype i = 0;
    while (i < selector.size()) {
        const QChar c = selector[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (QStringView(selector).mid(i).startsWith(TreeType) &&
                   (i == 0 || !(IsNameChar(selector[i - 1]) || selector[i - 1] == u'.' || selector[i - 1] == u'#' ||
                                selector[i - 1] == u':')) &&
                   (i + TreeType.size() == selector.size() || !IsNameChar(selector[i + TreeType.size()]))) {
            result += className;
            i += TreeType.size();
            replaced = true;
            continue;
        }
        result += c;
        ++i;
    }
    return replaced ? result : QString();
}

} // namespace

QString ExtendTreeSelectors(const QString& ASheet, const QStringList& AClassNames)
{
    if (AClassNames.isEmpty())
        return ASheet;
    const QString sheet = StripComments(ASheet);
    QString result;
    qsizetype pos = 0;
    while (pos < sheet.size()) {
        const qsizetype open = sheet.indexOf(u'{', pos);
        if (open < 0) {
            result += sheet.mid(pos);
            break;
        }
        const qsizetype close = sheet.indexOf(u'}', open);
        const qsizetype end = close < 0 ? sheet.size() : close + 1;
        QStringList selectors = SplitSelectors(sheet.mid(pos, open - pos));
        const QStringList original = selectors;
        for (const QString& selector : original) {
            for (const QString& className : AClassNames) {
                const QString extra = ReplaceTreeType(selector, className);
                if (!extra.isEmpty() && !selectors.contains(extra))
                    selectors << extra;
            }
        }
        result += selectors.join(QStringLiteral(",\n")) + u' ' + sheet.mid(open, end - open) + u'\n';
        pos = end;
    }
    return result;
}

QString ResolveSkinUrls(const QString& ASheet, const QString& AFolder)
{
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*(["']?)([^"')]*)\1\s*\))"));
    QString result;
    qsizetype pos = 0;
    auto it = url.globalMatch(ASheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        QString path = match.captured(2).trimmed();
        // Qt resource paths and absolute paths stay as they are.
        if (!path.isEmpty() && !path.startsWith(u':') && QDir::isRelativePath(path))
            path = AFolder + path;
        result += ASheet.mid(pos, match.capturedStart() - pos);
        result += QStringLiteral("url(\"%1\")").arg(path);
        pos = match.capturedEnd();
    }
    result += ASheet.mid(pos);
    return result;
}

} // namespace vantor
