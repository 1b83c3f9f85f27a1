// The few queries the translation dictionary makes of a parsed XML tree.
// Element names and searched attribute values match without regard to letter
// case; attribute names used as search keys must match exactly, while an
// attribute read for its value is found by a case-insensitive name.
#pragma once

#include <QString>

#include <pugixml.hpp>

namespace vantor::xml {

// True when the UTF-8 text equals Text, ignoring letter case.
[[nodiscard]] bool SameText(const char* Utf8, const QString& Text);

// First direct child element named Name.
pugi::xml_node FirstChildElement(pugi::xml_node Parent, const QString& Name);

// First element named Name below Parent (not Parent itself), depth-first in
// document order.
pugi::xml_node FirstDescendantElement(pugi::xml_node Parent, const QString& Name);

// First direct child element named Name with an attribute spelled exactly
// AttributeName whose value equals Value, ignoring letter case.
pugi::xml_node FirstChildWithAttribute(pugi::xml_node Parent, const QString& Name, const char* AttributeName,
                                       const QString& Value);

// The next element after Node within its parent; other node kinds are skipped.
pugi::xml_node NextSiblingElement(pugi::xml_node Node);

// Value of the first attribute whose name matches Name ignoring letter case;
// empty when there is none.
[[nodiscard]] QString AttributeText(pugi::xml_node Element, const QString& Name);

} // namespace vantor::xml
