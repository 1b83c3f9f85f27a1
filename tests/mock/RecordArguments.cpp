// Stands in for the updater and for an installer: writes its arguments, one a
// line, to the file named by VANTOR_RECORD_FILE (a temporary name renamed at
// the end, so a reader never sees half of it), then ends.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const char* target = std::getenv("VANTOR_RECORD_FILE");
    if (target == nullptr)
        return 2;
    const std::string partial = std::string(target) + ".partial";
    std::FILE* out = std::fopen(partial.c_str(), "w");
    if (out == nullptr)
        return 1;
    for (int i = 0; i < argc; ++i)
        std::fprintf(out, "%s\n", argv[i]);
    std::fclose(out);
    return std::rename(partial.c_str(), target) == 0 ? 0 : 1;
}
