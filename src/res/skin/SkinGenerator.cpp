// Draws the default skin: every picture the program's windows load from styles/, plus the
// program icon, at the sizes at which the windows draw them. With a second folder it also draws
// the program icon for the desktop's icon theme there (hicolor layout: 48x48/apps/lumo.png, ...).
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "res/skin/SkinWriter.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [ICON_THEME_FOLDER]\n", argv[0]);
        return 2;
    }
    if (mkdir(argv[1], 0755) != 0 && errno != EEXIST) {
        std::perror(argv[1]);
        return 1;
    }
    using namespace lumora::skinart;
    SkinWriter out(argv[1]);
    WriteMainWindowArt(out);
    WriteMenuPanelArt(out);
    WriteSettingsArt(out);
    WriteFilterBarArt(out);
    WriteCardArt(out);
    WriteProgramIcon(out);
    if (argc == 3) {
        SkinWriter icons(argv[2]);
        WriteThemeIcons(icons);
        if (icons.Failed()) return 1;
    }
    return out.Failed() ? 1 : 0;
}
