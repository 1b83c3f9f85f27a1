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
    for (QChar C : Text)
        if (C.unicode() >= 0x80)
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
    const std::size_t Length = std::strlen(Utf8);
    bool BothAscii = IsAscii(Text);
    for (std::size_t I = 0; BothAscii && I < Length; ++I)
        if (static_cast<unsigned char>(Utf8[I]) >= 0x80)
            BothAscii = false;
    if (BothAscii) {
        if (Length != static_cast<std::size_t>(Text.size()))
            return false;
        for (std::size_t I = 0; I < Length; ++I)
            if (AsciiLower(Utf8[I]) != AsciiLower(static_cast<char>(Text[I].unicode())))
                return false;
        return true;
    }
    return QString::fromUtf8(Utf8).compare(Text, Qt::CaseInsensitive) == 0;
}

pugi::xml_node FirstChildElement(pugi::xml_node Parent, const QString& Name)
{
    for (pugi::xml_node Child = Parent.first_child(); Child; Child = Child.next_sibling())
        if (IsElement(Child) && SameText(Child.name(), Name))
            return Child;
    return {};
}

pugi::xml_node FirstDescendantElement(pugi::xml_node Parent, const QString& Name)
{
    // Iterative walk: a hostile file may nest deeper than the stack allows.
    pugi::xml_node Node = Parent.first_child();
    while (Node && Node != Parent) {
        if (IsElement(Node) && SameText(Node.name(), Name))
            return Node;
        if (Node.first_child()) {
            Node = Node.first_child();
            continue;
        }
        while (Node != Parent && !Node.next_sibling())
            Node = Node.parent();
        if (Node != Parent)
            Node = Node.next_sibling();
    }
    return {};
}

pugi::xml_node FirstChildWithAttribute(pugi::xml_node Parent, const QString& Name, const char* AttributeName,
                                       const QString& Value)
{
    for (pugi::xml_node Child = Parent.first_child(); Child; Child = Child.next_sibling()) {
        if (!IsElement(Child) || !SameText(Child.name(), Name))
            continue;
        const pugi::xml_attribute Attribute = Child.attribute(AttributeName);
        if (Attribute && SameText(Attribute.value(), Value))
            return Child;
    }
    return {};
}

pugi::xml_node NextSiblingElement(pugi::xml_node Node)
{
    for (pugi::xml_node Next = Node.next_sibling(); Next; Next = Next.next_sibling())
        if (IsElement(Next))
            return Next;
    return {};
}

QString AttributeText(pugi::xml_node Element, const QString& Name)
{
    for (pugi::xml_attribute Attribute = Element.first_attribute(); Attribute; Attribute = Attribute.next_attribute())
        if (SameText(Attribute.name(), Name))
            return QString::fromUtf8(Attribute.value());
    return {};
}

} // namespace vantor::xml
