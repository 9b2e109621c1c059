// Applies one picture as the desktop background of the session, as the program does:
// wallpaper_apply <collection directory> <picture>. Prints the desktop's status.
#include <cstdio>

#include "app/ProcessStrings.h"
#include "wallpaper/WallpaperApplier.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wallpaper_apply <collection directory> <picture>\n");
        return 2;
    }
    lumora::Strings().collectionDirectory = argv[1];
    const int status = lumora::WallpaperApplier().ApplyPicture(argv[2]);
    std::printf("%d\n", status);
    return status == 0 ? 0 : 1;
}
