#include "i18n/XmlQueries.h"

#include <cstring>

namespace vantor::xml {

namespace {

char AsciiLower(char C)
{
    return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C;
}

bool IsAscii(const QString& Text)
{
    for (QChar c : Text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

bool IsElement(pugi::xml_node Node)
{
    return Node.type() == pugi::node_element;
}

} // namespace

bool SameText(const char* Utf8, const QString& Text)
{
    // Names and identifiers are almost always plain ASCII: compare bytes and
    // skip the conversion. Anything else goes through Unicode case folding.
    const std::size_t length = std::strlen(Utf8);
    bool bothAscii = IsAscii(Text);
    for (std::size_t i = 0; bothAscii && i < length; ++i)
        if (static_cast<unsigned char>(Utf8[i]) >= 0x80)
            bothAscii = false;
    if (bothAscii) {
        if (length != static_cast<std::size_t>(Text.size()))
            return false;
        for (std::size_t i = 0; i < length; ++i)
            if (AsciiLower(Utf8[i]) != AsciiLower(static_cast<char>(Text[static_cast<qsizetype>(i)].unicode())))
                return false;
        return true;
    }
    return QString::fromUtf8(Utf8).compare(Text, Qt::CaseInsensitive) == 0;
}

pugi::xml_node FirstChildElement(pugi::xml_node Parent, const QString& Name)
{
    for (pugi::xml_node child = Parent.first_child(); child; child = child.next_sibling())
        if (IsElement(child) && SameText(child.name(), Name))
            return child;
    return {};
}

pugi::xml_node FirstDescendantElement(pugi::xml_node Parent, const QString& Name)
{
    // Iterative walk: a hostile file may nest deeper than the stack allows.
    pugi::xml_node node = Parent.first_child();
    while (node && node != Parent) {
        if (IsElement(node) && SameText(node.name(), Name))
            return node;
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != Parent && !node.next_sibling())
            node = node.parent();
        if (node != Parent)
            node = node.next_sibling();
    }
    return {};
}

pugi::xml_node FirstChildWithAttribute(pugi::xml_node Parent, const QString& Name, const char* AttributeName,
                                       const QString& Value)
{
    for (pugi::xml_node child = Parent.first_child(); child; child = child.next_sibling()) {
        if (!IsElement(child) || !SameText(child.name(), Name))
            continue;
        const pugi::xml_attribute attribute = child.attribute(AttributeName);
        if (attribute && SameText(attribute.value(), Value))
            return child;
    }
    return {};
}

pugi::xml_node NextSiblingElement(pugi::xml_node Node)
{
    for (pugi::xml_node next = Node.next_sibling(); next; next = next.next_sibling())
        if (IsElement(next))
            return next;
    return {};
}

QString AttributeText(pugi::xml_node Element, const QString& Name)
{
    for (pugi::xml_attribute attribute = Element.first_attribute(); attribute; attribute = attribute.next_attribute())
        if (SameText(attribute.name(), Name))
            return QString::fromUtf8(attribute.value());
    return {};
}

} // namespace vantor::xml
