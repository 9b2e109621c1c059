// The gallery's Reload on the headless host with real worker threads, against folders of
// generated 4K JPEGs (200 always, 1000 with LUMO_BENCH_LARGE=1) and of 10,000 smaller JPEGs
// (LUMO_BENCH_LARGE=1). Each figure is reported with its ratio to a floor measured in the
// same run: the same files decoded at 1/8 scale with libjpeg-turbo on every core.
//
// Counters: floor_all_s / floor_16_s (the floor for every file, the mean of one run before
// the cold and one before the warm Reload; and the best of six runs for 16 of them),
// first_page_s (cold: the median of three Reloads from an empty thumbnail cache) and
// every_card_s (cold: empty thumbnail cache; warm: filled), their ratios
// first_page_ratio (to floor_16) and every_card_ratio (to floor_all), kib_per_card (resident
// memory the cards added, per card; pages the process kept from earlier work are reused, so
// heap_kib_per_card, the allocator's bytes in use, is given beside it) and full_decodes (pictures
// decoded from their own file during the run; 0 when only thumbnails were read).
#include <benchmark/benchmark.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "app/ProcessStrings.h"
#include "platform/AppDirectory.h"
#include "platform/WorkerPool.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/linux/FreedesktopThumbnailer.h"
#include "ui/PageDlg.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A picture with the features of a photograph as far as the decoder is concerned: smooth
// gradients, edges of shapes, and fine grain everywhere.
void WritePhotoLike(const std::string& path, int width, int height, unsigned seed) {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    std::mt19937 random(seed);
    struct Disc {
        int x, y, r;
        guchar colour[3];
    };
    std::vector<Disc> discs(40);
    for (Disc& d : discs) {
        d = {static_cast<int>(random() % width),
             static_cast<int>(random() % height),
             static_cast<int>(20 + random() % (height / 4)),
             {static_cast<guchar>(random()), static_cast<guchar>(random()),
              static_cast<guchar>(random())}};
    }
    std::uint32_t noise = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        guchar* row = pixels + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            int rgb[3] = {(x * 255 / width + static_cast<int>(seed) * 40) & 0xFF,
                          (y * 255 / height) & 0xFF,
                          ((x + y) * 127 / (width + height) + 64) & 0xFF};
            for (const Disc& d : discs) {
                const int dx = x - d.x;
                const int dy = y - d.y;
                if (dx * dx + dy * dy < d.r * d.r) {
                    for (int c = 0; c < 3; ++c) rgb[c] = (rgb[c] + d.colour[c]) / 2;
                }
            }
            for (int c = 0; c < 3; ++c) {
                noise ^= noise << 13;
                noise ^= noise >> 17;
                noise ^= noise << 5;
                row[x * 3 + c] = static_cast<guchar>(
                    std::clamp(rgb[c] + static_cast<int>(noise % 25) - 12, 0, 255));
            }
        }
    }
    gdk_pixbuf_save(pixbuf, path.c_str(), "jpeg", nullptr, "quality", "90", nullptr);
    g_object_unref(pixbuf);
}

// The floor's work for one file: a 1/8-scale decode into a buffer.
void DecodeEighth(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return;
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> row(static_cast<size_t>(info.output_width) * 3);
    JSAMPROW rows[1] = {row.data()};
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, rows, 1);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
}

double FloorSeconds(const std::vector<std::string>& paths) {
    lumora::WorkerPool pool;  // one thread per core
    const auto start = Clock::now();
    for (const std::string& path : paths) pool.Submit([&path] { DecodeEighth(path); });
    pool.WaitIdle();
    return SecondsSince(start);
}

// Bytes the allocator hands out at the moment: what the cards hold, whatever pages freed
// earlier the process keeps resident.
double HeapKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1024;
}

long ResidentKiB() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A collection of `count` JPEGs of one size: `distinct` generated pictures, linked under
// `count` names (each name is its own file to the gallery and the thumbnail cache).
struct Collection {
    Collection(int count, int width, int height, int distinct) {
        std::string pattern = (fs::temp_directory_path() / "lumora-gallery-XXXXXX").string();
        root = mkdtemp(pattern.data());
        fs::create_directory(root + "/imgs");
        std::vector<std::string> sources;
        std::vector<std::thread> makers;
        for (int i = 0; i < distinct; ++i)
            sources.push_back(root + "/source" + std::to_string(i) + ".jpg");
        for (unsigned t = 0; t < std::thread::hardware_concurrency(); ++t) {
            makers.emplace_back([&, t] {
                for (size_t i = t; i < sources.size(); i += std::thread::hardware_concurrency())
                    WritePhotoLike(sources[i], width, height, static_cast<unsigned>(i + 1));
            });
        }
        for (auto& maker : makers) maker.join();
        for (int i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "pic%05d.jpg", i);
            const std::string path = root + "/imgs/" + name;
            fs::create_hard_link(sources[static_cast<size_t>(i) % sources.size()], path);
        }
        // The gallery's own order is the directory's; the floor decodes the same files.
        for (const auto& entry : fs::directory_iterator(root + "/imgs"))
            paths.push_back(entry.path().string());
    }
    ~Collection() { fs::remove_all(root); }

    std::string root;
    std::vector<std::string> paths;
};

// The program's surroundings: the headless host with real workers, the skin of the build,
// a page inside a frame, and a thumbnail cache of its own.
struct Gallery {
    explicit Gallery(const Collection& collection)
        : cache(collection.root + "/thumbnails"), thumbnailer(cache), page(thumbnailer) {
        lumora::SetCurrentHost(&host);
        host.UseWorkerThreads(std::thread::hardware_concurrency());
        auto& strings = lumora::Strings();
        strings.applicationDirectory =
            (fs::path(lumora::ApplicationDirectory()) / "../app").lexically_normal().string();
        strings.collectionDirectory = collection.root;
        frame.CreateEx(0, "", lumora::WS_POPUP | lumora::WS_VISIBLE,
                       lumora::Rect::FromXywh(0, 0, 900, 560), nullptr);
        page.Create(&frame);
        page.filter = "all";
        page.MoveWindow(lumora::Rect::FromXywh(0, 32, 897, 492));
        page.ShowWindow(lumora::SW_SHOW);
        host.RunUntilIdle();
    }
    ~Gallery() {
        page.ClearCards();
        host.FinishBackgroundWork();
        page.DestroyWindow();
        frame.DestroyWindow();
        lumora::SetCurrentHost(nullptr);
    }

    bool Arrived(size_t count) const {
        const auto& cards = page.Cards();
        for (size_t i = 0; i < count && i < cards.size(); ++i) {
            if (cards[i]->State() == lumora::PicBox::PictureState::Waiting) return false;
        }
        return true;
    }

    struct Times {
        double reloadCall = 0;  // until Reload returned
        double firstPage = 0;
        double everyCard = 0;
    };
    // Runs completions and paints until the first `count` cards have their pictures; answers
    // the seconds since `start`.
    double WaitForPictures(size_t count, Clock::time_point start) {
        for (;;) {
            host.RunUntilIdle();  // completions, then the paint
            if (Arrived(count)) return SecondsSince(start);
            // Polling stands in for the GTK host's wake-up; a millisecond is far below the
            // times measured and leaves the cores to the workers.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    // One Reload, timed until the first page and then every card has its picture painted.
    Times Reload() {
        Times times;
        const auto start = Clock::now();
        page.Reload();
        times.reloadCall = SecondsSince(start);
        const size_t all = page.Cards().size();
        times.firstPage =
            WaitForPictures(std::min<size_t>(all, lumora::PageDlg::kCardsPerPage), start);
        times.everyCard = WaitForPictures(all, start);
        return times;
    }

    // The first page alone from an empty cache, three times; the median. The rest of each
    // Reload is cancelled.
    double ColdFirstPage() {
        std::vector<double> times;
        for (int i = 0; i < 3; ++i) {
            fs::remove_all(cache);
            const auto start = Clock::now();
            page.Reload();
            times.push_back(WaitForPictures(
                std::min<size_t>(page.Cards().size(), lumora::PageDlg::kCardsPerPage), start));
            page.ClearCards();
            host.FinishBackgroundWork();
        }
        std::sort(times.begin(), times.end());
        return times[1];
    }

    std::string cache;
    lumora::HeadlessHost host;
    lumora::FreedesktopThumbnailer thumbnailer;
    lumora::Wnd frame;
    lumora::PageDlg page;
};

// The floor for every file, and the best of three for sixteen of them.
struct Floor {
    explicit Floor(const Collection& collection) {
        const std::vector<std::string> sixteen(collection.paths.begin(),
                                               collection.paths.begin() + 16);
        all = FloorSeconds(collection.paths);
        sixteenFiles = FloorSeconds(sixteen);
        for (int i = 0; i < 2; ++i) sixteenFiles = std::min(sixteenFiles, FloorSeconds(sixteen));
    }
    double all = 0;
    double sixteenFiles = 0;
};

void RunGallery(benchmark::State& state, int count, int width, int height, int distinct) {
    Collection collection(count, width, height, distinct);
    FloorSeconds(collection.paths);  // the files into the page cache for both sides

    Gallery gallery(collection);
    Gallery::Times cold;
    Gallery::Times warm;
    double floorAll = 0;
    double floor16 = 0;
    double kibPerCard = 0;
    double heapKibPerCard = 0;
    long long warmDecodes = 0;
    for (auto _ : state) {
        // Other work on the machine comes and goes: the floor is taken before the cold run
        // and again before the warm one, and each run is set against the mean.
        const Floor before(collection);
        const double firstPage = gallery.ColdFirstPage();
        fs::remove_all(gallery.cache);
        cold = gallery.Reload();
        cold.firstPage = firstPage;
        const Floor between(collection);
        // The cards' memory: what a full page set adds to an empty one.
        gallery.page.ClearCards();
        malloc_trim(0);
        const long resident = ResidentKiB();
        const double heap = HeapKiB();
        const long long decodedBefore = gallery.thumbnailer.Tally().decoded;
        warm = gallery.Reload();
        warmDecodes = gallery.thumbnailer.Tally().decoded - decodedBefore;
        kibPerCard = static_cast<double>(ResidentKiB() - resident) / count;
        heapKibPerCard = (HeapKiB() - heap) / count;
        floorAll = (before.all + between.all) / 2;
        floor16 = std::min(before.sixteenFiles, between.sixteenFiles);
        state.SetIterationTime(cold.everyCard + warm.everyCard);
    }
    state.counters["floor_all_s"] = floorAll;
    state.counters["floor_16_s"] = floor16;
    state.counters["cold_reload_call_s"] = cold.reloadCall;
    state.counters["cold_first_page_s"] = cold.firstPage;
    state.counters["cold_every_card_s"] = cold.everyCard;
    state.counters["warm_first_page_s"] = warm.firstPage;
    state.counters["warm_every_card_s"] = warm.everyCard;
    state.counters["cold_first_page_ratio"] = cold.firstPage / floor16;
    state.counters["cold_every_card_ratio"] = cold.everyCard / floorAll;
    state.counters["warm_first_page_ratio"] = warm.firstPage / floor16;
    state.counters["warm_every_card_ratio"] = warm.everyCard / floorAll;
    state.counters["kib_per_card"] = kibPerCard;
    state.counters["heap_kib_per_card"] = heapKibPerCard;
    state.counters["warm_full_decodes"] = static_cast<double>(warmDecodes);
}

void BM_Gallery4K(benchmark::State& state) {
    RunGallery(state, static_cast<int>(state.range(0)), 3840, 2160, 24);
}

// Smaller pictures whose 1/8 scale still covers a large thumbnail.
void BM_GallerySmall(benchmark::State& state) {
    RunGallery(state, static_cast<int>(state.range(0)), 2048, 1152, 32);
}

const bool g_registered = [] {
    const bool large = std::getenv("LUMO_BENCH_LARGE") != nullptr;
    auto* fourK = benchmark::RegisterBenchmark("BM_Gallery4K", BM_Gallery4K)->Arg(200);
    if (large) fourK->Arg(1000);
    fourK->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
    if (large) {
        benchmark::RegisterBenchmark("BM_GallerySmall", BM_GallerySmall)
            ->Arg(10000)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
    }
    return true;
}();

}  // namespace
