// A small program on the GTK host, driven by the end-to-end scripts under Xvfb. It prints what
// it receives, one line per event, so the scripts can check that input reached the framework.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/linux/GtkHost.h"

using namespace lumora;

namespace {

int RunMessageBox(GtkHost& host, int argc, char** argv) {
    if (argc < 5) return 2;
    const int answer = host.MessageBox(0, argv[2], argv[3], std::strtoul(argv[4], nullptr, 0));
    std::printf("answer %d\n", answer);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    auto host = GtkHost::Open();
    if (!host) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    if (argc >= 2 && std::string(argv[1]) == "message-box") return RunMessageBox(*host, argc, argv);
    std::fprintf(stderr, "usage: %s message-box TEXT CAPTION TYPE\n", argv[0]);
    return 2;
}
