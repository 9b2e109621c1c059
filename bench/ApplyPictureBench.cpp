// Apply picture of a 3840 x 2160 JPEG against its floor: the same decode and bitmap write done
// directly with gdk-pixbuf. The "ratio" counter of the apply benchmark is its time per picture
// over the floor's.
#include <benchmark/benchmark.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/DesktopBackground.h"
#include "wallpaper/WallpaperApplier.h"

namespace {

namespace fs = std::filesystem;

// A desktop that accepts everything, so only the conversion is measured.
class NoDesktop : public lumora::DesktopBackground {
public:
    int SetWallpaper(const std::string&, int) override { return 0; }
};

// A collection folder holding one 4K JPEG with some detail in it; made once.
struct Fixture {
    Fixture() {
        std::string pattern = (fs::temp_directory_path() / "lumora-bench-XXXXXX").string();
        collection = mkdtemp(pattern.data());
        fs::create_directory(collection + "/imgs");
        picture = collection + "/imgs/uhd.jpg";
        GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 3840, 2160);
        guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        for (int y = 0; y < 2160; ++y) {
            for (int x = 0; x < 3840; ++x) {
                guchar* p = pixels + y * stride + x * 3;
                p[0] = static_cast<guchar>(x / 15);
                p[1] = static_cast<guchar>(y / 9);
                p[2] = static_cast<guchar>((x * y) % 251);
            }
        }
        gdk_pixbuf_save(pixbuf, picture.c_str(), "jpeg", nullptr, "quality", "90", nullptr);
        g_object_unref(pixbuf);
    }
    ~Fixture() { fs::remove_all(collection); }

    std::string collection;
    std::string picture;
};

Fixture& SharedFixture() {
    static Fixture fixture;
    return fixture;
}

double g_floorSeconds = 0;

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_DecodeAndBitmapFloor(benchmark::State& state) {
    Fixture& fixture = SharedFixture();
    const std::string bitmap = fixture.collection + "/imgs/floor.bmp";
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(fixture.picture.c_str(), nullptr);
        gdk_pixbuf_save(pixbuf, bitmap.c_str(), "bmp", nullptr, nullptr);
        g_object_unref(pixbuf);
        total += SecondsSince(start);
    }
    g_floorSeconds = total / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DecodeAndBitmapFloor)->Unit(benchmark::kMillisecond);

void BM_ApplyPicture(benchmark::State& state) {
    Fixture& fixture = SharedFixture();
    NoDesktop desktop;
    lumora::WallpaperApplier applier(fixture.collection, desktop);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(applier.ApplyPicture(fixture.picture));
        total += SecondsSince(start);
    }
    if (g_floorSeconds > 0) {
        state.counters["ratio"] = total / static_cast<double>(state.iterations()) / g_floorSeconds;
    }
}
BENCHMARK(BM_ApplyPicture)->Unit(benchmark::kMillisecond);

}  // namespace
