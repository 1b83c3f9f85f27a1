// Rewrites the version note of a program file, so that a copy of a build
// stands in for another release: set-version-note FILE a.b.c.d; with the
// file alone it prints the version (64-bit little-endian ELF files, as built here).
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    unsigned parts[4] = {};
    const bool print = argc == 2;
    if ((argc != 3 && !print) ||
        (!print && std::sscanf(argv[2], "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]) != 4)) {
        std::fprintf(stderr, "usage: set-version-note FILE a.b.c.d\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The note lies in its own section: find it by name in the section headers.
    const auto read = [&bytes](std::size_t AAt, std::size_t ASize) {
        std::uint64_t value = 0;
        if (AAt + ASize <= bytes.size())
            std::memcpy(&value, bytes.data() + AAt, ASize);
        return value;
    };
    const std::size_t sections = read(0x28, 8), entrySize = read(0x3A, 2), count = read(0x3C, 2);
    const std::size_t names = read(sections + read(0x3E, 2) * entrySize + 0x18, 8);
    std::size_t note = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t header = sections + i * entrySize;
        const std::size_t name = names + read(header, 4);
        if (name < bytes.size() && std::strcmp(bytes.data() + name, ".note.vantor.version") == 0)
            note = read(header + 0x18, 8);
    }
    // Past the header (sizes, type) and the padded name "Vantor".
    const std::size_t desc = note + 20;
    if (note == 0 || desc + 8 > bytes.size() || std::memcmp(bytes.data() + note + 12, "Vantor", 7) != 0) {
        std::fprintf(stderr, "set-version-note: %s carries no version note\n", argv[1]);
        return 1;
    }
    std::uint32_t words[2];
    if (print) {
        std::memcpy(words, bytes.data() + desc, sizeof words);
        std::printf("%u.%u.%u.%u\n", words[0] >> 16, words[0] & 0xFFFF, words[1] >> 16, words[1] & 0xFFFF);
        return 0;
    }
    words[0] = parts[0] << 16 | (parts[1] & 0xFFFF);
    words[1] = parts[2] << 16 | (parts[3] & 0xFFFF);
    std::memcpy(bytes.data() + desc, words, sizeof words);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
