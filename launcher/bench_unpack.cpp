// Unpacks <folder>/Vesperon.7z into <folder> the way the launcher does; for timing runs.
#include "launcher/launcher.h"

#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder holding Vesperon.7z>\n", argv[0]);
        return 2;
    }
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "");
    return launcher::Extract7zArchive(launcher::kArchiveName, argv[1], true) == 0 ? 0 : 1;
}
