// Arbitrary bytes as an INI file: reading must survive them, an untouched
// document must serialise to the same bytes, and a written value must read
// back after a re-parse without changing any other value.
#include "common/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using vantor::IniDocument;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Every other value, for a bounded number of sections and keys.
bool othersUnchanged(const IniDocument& before, const IniDocument& after, const QString& section, const QString& key)
{
    const QStringList sections = before.sections().mid(0, 16);
    for (const QString& s : sections) {
        for (const QString& k : before.keys(s).mid(0, 16)) {
            if (s.compare(section, Qt::CaseInsensitive) == 0 && k.compare(key, Qt::CaseInsensitive) == 0)
                continue;
            if (after.readString(s, k) != before.readString(s, k))
                return false;
        }
    }
    return true;
}

void writeAndReadBack(const IniDocument& original, const QString& section, const QString& key, const QString& value)
{
    IniDocument edited = original;
    if (!edited.writeString(section, key, value))
        return;
    IniDocument reparsed;
    reparsed.loadBytes(edited.toBytes());
    check(reparsed.readString(section, key) == value);
    check(othersUnchanged(original, reparsed, section, key));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniDocument ini;
    ini.loadBytes(bytes);
    check(ini.toBytes() == bytes);

    const QStringList sections = ini.sections();
    const QString section = sections.isEmpty() ? QStringLiteral("Misc") : sections.first();
    const QStringList keys = ini.keys(section);
    const QString key = keys.isEmpty() ? QStringLiteral("iOemId") : keys.last();
    ini.readInteger(section, key, -1);
    ini.readBool("Updates", "bAutoCheck", true);
    ini.entries("CATALOGUES_LIST");

    const QString value = QStringLiteral("v%1").arg(size);
    writeAndReadBack(ini, section, key, value);
    writeAndReadBack(ini, section, QStringLiteral("NewKey"), value);
    writeAndReadBack(ini, QStringLiteral("NewSection"), QStringLiteral("k"), value);
    return 0;
}
