#include "testlib/ElfBuilder.h"

namespace vantor::test {

namespace {

class Writer {
public:
    explicit Writer(bool bigEndian) : bigEndian_(bigEndian) {}
    void Put(std::uint64_t value, int width)
    {
        for (int i = 0; i < width; ++i) {
            const int shift = bigEndian_ ? (width - 1 - i) * 8 : i * 8;
            bytes.append(static_cast<char>((value >> shift) & 0xFF));
        }
    }
    void Pad4()
    {
        while (bytes.size() % 4 != 0)
            bytes.append('\0');
    }
    QByteArray bytes;

private:
    bool bigEndian_;
};

} // namespace

QByteArray VersionDesc(bool bigEndian, std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                       std::uint16_t build)
{
    Writer w(bigEndian);
    w.Put((std::uint32_t{major} << 16) | minor, 4);
    w.Put((std::uint32_t{release} << 16) | build, 4);
    return w.bytes;
}

QByteArray BuildElfWithNote(bool is64, bool bigEndian, const ElfNote& note)
{
    const int headerSize = is64 ? 64 : 52;
    const int entrySize = is64 ? 64 : 40;

    Writer notes(bigEndian);
    notes.Put(static_cast<std::uint64_t>(note.owner.size() + 1), 4);
    notes.Put(static_cast<std::uint64_t>(note.desc.size()), 4);
    notes.Put(note.type, 4);
    notes.bytes.append(note.owner);
    notes.bytes.append('\0');
    notes.Pad4();
    notes.bytes.append(note.desc);
    notes.Pad4();

    const std::uint64_t noteOffset = static_cast<std::uint64_t>(headerSize);
    const std::uint64_t tableOffset = noteOffset + static_cast<std::uint64_t>(notes.bytes.size());

    Writer w(bigEndian);
    w.bytes.append("\x7f"
                   "ELF",
                   4);
    w.bytes.append(static_cast<char>(is64 ? 2 : 1));
    w.bytes.append(static_cast<char>(bigEndian ? 2 : 1));
    w.bytes.append('\1');
    w.bytes.append(QByteArray(9, '\0'));
    w.Put(2, 2);  // e_type: executable
    w.Put(62, 2); // e_machine
    w.Put(1, 4);  // e_version
    const int word = is64 ? 8 : 4;
    w.Put(0, word);           // e_entry
    w.Put(0, word);           // e_phoff
    w.Put(tableOffset, word); // e_shoff
    w.Put(0, 4);              // e_flags
    w.Put(static_cast<std::uint64_t>(headerSize), 2);
    w.Put(0, 2); // e_phentsize
    w.Put(0, 2); // e_phnum
    w.Put(static_cast<std::uint64_t>(entrySize), 2);
    w.Put(2, 2); // e_shnum: the null section and the note
    w.Put(0, 2); // e_shstrndx
    w.bytes.append(notes.bytes);

    w.bytes.append(QByteArray(entrySize, '\0')); // section 0
    w.Put(0, 4);                                 // sh_name
    w.Put(7, 4);                                 // sh_type: note
    w.Put(2, word);                              // sh_flags: allocated
    w.Put(0, word);                              // sh_addr
    w.Put(noteOffset, word);                     // sh_offset
    w.Put(static_cast<std::uint64_t>(notes.bytes.size()), word);
    w.Put(0, 4);    // sh_link
    w.Put(0, 4);    // sh_info
    w.Put(4, word); // sh_addralign
    w.Put(0, word); // sh_entsize
    return w.bytes;
}

} // namespace vantor::test
