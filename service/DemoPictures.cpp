#include "service/DemoPictures.h"

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "service/Thumbnails.h"

namespace lumora::service {
namespace {

// The drawings are made at 1920 × 1080 and scaled up for the pictures of twice that size.
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// Bumped whenever the drawings change, so that an old cache is not shown.
constexpr const char* kCacheName = "demo-2";

enum class Theme { Sun, Mountains, Waves, Stars, Aurora, Bubbles, Rays, Dunes };

struct Colour {
    double r, g, b;
};

struct DemoPicture {
    const char* file;
    const char* name;
    const char* category;
    int scale;  // 1: 1920 × 1080, 2: 3840 × 2160
    Theme theme;
    Colour top;
    Colour bottom;
    Colour accent;
};

// In the order of the page. Both sizes come as JPEG and as PNG, with Chinese and ASCII names.
const DemoPicture kPictures[] = {
    {"dawn.jpg",
     "晨曦",
     "风景",
     1,
     Theme::Sun,
     {0.99, 0.75, 0.45},
     {0.45, 0.30, 0.60},
     {1.0, 0.95, 0.75}},
    {"blue-hour-4k.jpg",
     "Blue Hour",
     "风景",
     2,
     Theme::Mountains,
     {0.20, 0.30, 0.60},
     {0.70, 0.55, 0.75},
     {0.05, 0.08, 0.20}},
    {"stars.jpg",
     "星空",
     "夜空",
     1,
     Theme::Stars,
     {0.02, 0.03, 0.12},
     {0.10, 0.12, 0.35},
     {1.0, 1.0, 0.92}},
    {"deep-sea.png",
     "Deep Sea",
     "海洋",
     1,
     Theme::Waves,
     {0.10, 0.45, 0.70},
     {0.01, 0.08, 0.20},
     {0.55, 0.90, 1.0}},
    {"peaks.jpg",
     "远山",
     "风景",
     1,
     Theme::Mountains,
     {0.62, 0.80, 0.95},
     {0.95, 0.90, 0.85},
     {0.20, 0.30, 0.45}},
    {"aurora-4k.png",
     "极光 4K",
     "夜空",
     2,
     Theme::Aurora,
     {0.01, 0.05, 0.12},
     {0.05, 0.15, 0.25},
     {0.30, 1.0, 0.60}},
    {"waves.jpg",
     "海浪",
     "海洋",
     1,
     Theme::Waves,
     {0.40, 0.75, 0.95},
     {0.05, 0.25, 0.50},
     {0.85, 0.95, 1.0}},
    {"sunrise.jpg",
     "Sunrise",
     "风景",
     1,
     Theme::Sun,
     {0.55, 0.75, 0.95},
     {0.98, 0.70, 0.50},
     {1.0, 0.98, 0.85}},
    {"bubbles.png",
     "泡泡",
     "抽象",
     1,
     Theme::Bubbles,
     {0.98, 0.60, 0.70},
     {0.55, 0.45, 0.90},
     {1.0, 1.0, 1.0}},
    {"dusk.jpg",
     "暮色",
     "风景",
     1,
     Theme::Sun,
     {0.25, 0.15, 0.40},
     {0.95, 0.45, 0.30},
     {1.0, 0.80, 0.40}},
    {"forest.jpg",
     "森林",
     "风景",
     1,
     Theme::Mountains,
     {0.80, 0.92, 0.80},
     {0.60, 0.75, 0.55},
     {0.10, 0.35, 0.20}},
    {"dunes.jpg",
     "沙丘",
     "风景",
     1,
     Theme::Dunes,
     {0.98, 0.85, 0.60},
     {0.90, 0.60, 0.35},
     {0.70, 0.40, 0.20}},
    {"neon.png",
     "霓虹",
     "抽象",
     1,
     Theme::Rays,
     {0.10, 0.02, 0.20},
     {0.35, 0.05, 0.40},
     {0.10, 0.90, 1.0}},
    {"lake.jpg",
     "湖光",
     "海洋",
     1,
     Theme::Waves,
     {0.85, 0.95, 0.90},
     {0.25, 0.55, 0.55},
     {1.0, 1.0, 1.0}},
    {"snow.jpg",
     "雪原",
     "风景",
     1,
     Theme::Dunes,
     {0.75, 0.85, 0.98},
     {0.95, 0.97, 1.0},
     {0.70, 0.78, 0.90}},
    {"night-sky.jpg",
     "Night Sky",
     "夜空",
     1,
     Theme::Stars,
     {0.05, 0.02, 0.15},
     {0.25, 0.10, 0.35},
     {0.95, 0.90, 1.0}},
};

// A small deterministic generator, so that every cache holds the same pictures.
class Random {
public:
    explicit Random(uint32_t seed) : m_state(seed * 2654435761u + 1) {}
    double Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24);
    }

private:
    uint32_t m_state;
};

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Colour Mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void DrawSky(cairo_t* cr, const DemoPicture& p) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kHeight);
    cairo_pattern_add_color_stop_rgb(sky, 0, p.top.r, p.top.g, p.top.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, p.bottom.r, p.bottom.g, p.bottom.b);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
}

void DrawSun(cairo_t* cr, const DemoPicture& p) {
    double cx = kWidth * 0.62, cy = kHeight * 0.62;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 60, cx, cy, 700);
    cairo_pattern_add_color_stop_rgba(glow, 0, p.accent.r, p.accent.g, p.accent.b, 0.8);
    cairo_pattern_add_color_stop_rgba(glow, 1, p.accent.r, p.accent.g, p.accent.b, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    SetColour(cr, p.accent);
    cairo_arc(cr, cx, cy, 150, 0, 2 * M_PI);
    cairo_fill(cr);
    for (int band = 0; band < 6; ++band) {
        SetColour(cr, Mix(p.bottom, {0, 0, 0}, 0.15 + band * 0.08), 0.85);
        double y = kHeight * 0.72 + band * 50;
        cairo_rectangle(cr, 0, y, kWidth, 50);
        cairo_fill(cr);
    }
}

void DrawMountains(cairo_t* cr, const DemoPicture& p, Random& random) {
    for (int layer = 0; layer < 4; ++layer) {
        double base = kHeight * (0.55 + layer * 0.12);
        SetColour(cr, Mix(p.bottom, p.accent, 0.3 + layer * 0.22));
        cairo_move_to(cr, 0, kHeight);
        cairo_line_to(cr, 0, base);
        for (double x = 0; x <= kWidth; x += 160) {
            cairo_line_to(cr, x + 80, base - 80 - random.Next() * (260 - layer * 50));
            cairo_line_to(cr, x + 160, base - random.Next() * 60);
        }
        cairo_line_to(cr, kWidth, kHeight);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void DrawWaves(cairo_t* cr, const DemoPicture& p) {
    for (int wave = 0; wave < 7; ++wave) {
        double base = kHeight * (0.40 + wave * 0.09);
        SetColour(cr, Mix(p.accent, p.bottom, wave / 7.0), 0.35 + wave * 0.08);
        cairo_move_to(cr, 0, kHeight);
        for (int x = 0; x <= kWidth; x += 8) {
            cairo_line_to(cr, x, base + std::sin(x / (140.0 + wave * 25) + wave) * (30 + wave * 6));
        }
        cairo_line_to(cr, kWidth, kHeight);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void DrawStars(cairo_t* cr, const DemoPicture& p, Random& random) {
    for (int star = 0; star < 700; ++star) {
        SetColour(cr, p.accent, 0.3 + random.Next() * 0.7);
        cairo_arc(cr, random.Next() * kWidth, random.Next() * kHeight, 0.8 + random.Next() * 2.4, 0,
                  2 * M_PI);
        cairo_fill(cr);
    }
    SetColour(cr, p.accent);
    cairo_arc(cr, kWidth * 0.78, kHeight * 0.25, 90, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColour(cr, p.top);
    cairo_arc(cr, kWidth * 0.78 + 40, kHeight * 0.25 - 25, 85, 0, 2 * M_PI);
    cairo_fill(cr);
}

void DrawAurora(cairo_t* cr, const DemoPicture& p) {
    for (int band = 0; band < 5; ++band) {
        cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, 0, kHeight * 0.8);
        Colour c = Mix(p.accent, {0.55, 0.35, 1.0}, band / 5.0);
        cairo_pattern_add_color_stop_rgba(light, 0, c.r, c.g, c.b, 0);
        cairo_pattern_add_color_stop_rgba(light, 0.6, c.r, c.g, c.b, 0.35);
        cairo_pattern_add_color_stop_rgba(light, 1, c.r, c.g, c.b, 0);
        cairo_set_source(cr, light);
        double y = 180 + band * 70;
        cairo_move_to(cr, -100, y + 300);
        cairo_curve_to(cr, kWidth * 0.3, y - 150, kWidth * 0.6, y + 350, kWidth + 100, y);
        cairo_line_to(cr, kWidth + 100, y + 260);
        cairo_curve_to(cr, kWidth * 0.6, y + 600, kWidth * 0.3, y + 100, -100, y + 560);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_pattern_destroy(light);
    }
    SetColour(cr, {0.01, 0.03, 0.06});
    cairo_rectangle(cr, 0, kHeight * 0.86, kWidth, kHeight);
    cairo_fill(cr);
}

void DrawBubbles(cairo_t* cr, const DemoPicture& p, Random& random) {
    for (int bubble = 0; bubble < 60; ++bubble) {
        double x = random.Next() * kWidth, y = random.Next() * kHeight,
               r = 20 + random.Next() * 140;
        SetColour(cr, p.accent, 0.08 + random.Next() * 0.25);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill_preserve(cr);
        SetColour(cr, p.accent, 0.5);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void DrawRays(cairo_t* cr, const DemoPicture& p) {
    double cx = kWidth / 2.0, cy = kHeight * 1.1;
    for (int ray = 0; ray < 24; ++ray) {
        double a0 = M_PI + ray * (M_PI / 24), a1 = a0 + M_PI / 48;
        SetColour(cr, Mix(p.accent, {1.0, 0.2, 0.8}, (ray % 4) / 3.0), 0.35);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a0) * 2400, cy + std::sin(a0) * 2400);
        cairo_line_to(cr, cx + std::cos(a1) * 2400, cy + std::sin(a1) * 2400);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 6);
    for (int grid = 0; grid < 12; ++grid) {
        SetColour(cr, p.accent, 0.6);
        double y = kHeight * 0.7 + grid * grid * 3.2;
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kWidth, y);
        cairo_stroke(cr);
    }
}

void DrawDunes(cairo_t* cr, const DemoPicture& p) {
    for (int dune = 0; dune < 5; ++dune) {
        SetColour(cr, Mix(p.bottom, p.accent, dune / 5.0));
        double base = kHeight * (0.5 + dune * 0.1);
        cairo_move_to(cr, 0, kHeight);
        cairo_line_to(cr, 0, base);
        cairo_curve_to(cr, kWidth * 0.3, base - 180 + dune * 30, kWidth * 0.6, base + 120, kWidth,
                       base - 60);
        cairo_line_to(cr, kWidth, kHeight);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void Draw(cairo_t* cr, const DemoPicture& p, uint32_t seed) {
    Random random(seed);
    DrawSky(cr, p);
    switch (p.theme) {
        case Theme::Sun:
            DrawSun(cr, p);
            break;
        case Theme::Mountains:
            DrawMountains(cr, p, random);
            break;
        case Theme::Waves:
            DrawWaves(cr, p);
            break;
        case Theme::Stars:
            DrawStars(cr, p, random);
            break;
        case Theme::Aurora:
            DrawStars(cr, p, random);
            DrawAurora(cr, p);
            break;
        case Theme::Bubbles:
            DrawBubbles(cr, p, random);
            break;
        case Theme::Rays:
            DrawRays(cr, p);
            break;
        case Theme::Dunes:
            DrawDunes(cr, p);
            break;
    }
}

// Saves the surface as JPEG through gdk-pixbuf (cairo writes only PNG).
bool SaveJpeg(cairo_surface_t* surface, const std::string& path) {
    cairo_surface_flush(surface);
    int width = cairo_image_surface_get_width(surface);
    int height = cairo_image_surface_get_height(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
    unsigned char* pixels = gdk_pixbuf_get_pixels(pixbuf);
    int rowstride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < height; ++y) {
        const uint32_t* in = reinterpret_cast<const uint32_t*>(data + y * stride);
        unsigned char* out = pixels + y * rowstride;
        for (int x = 0; x < width; ++x) {
            out[x * 3] = static_cast<unsigned char>(in[x] >> 16);
            out[x * 3 + 1] = static_cast<unsigned char>(in[x] >> 8);
            out[x * 3 + 2] = static_cast<unsigned char>(in[x]);
        }
    }
    GError* error = nullptr;
    gboolean saved =
        gdk_pixbuf_save(pixbuf, path.c_str(), "jpeg", &error, "quality", "90", nullptr);
    g_clear_error(&error);
    g_object_unref(pixbuf);
    return saved;
}

bool WritePicture(const DemoPicture& p, uint32_t seed, const std::filesystem::path& folder) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth * p.scale, kHeight * p.scale);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, p.scale, p.scale);
    Draw(cr, p, seed);
    cairo_destroy(cr);
    std::string path = (folder / p.file).string();
    bool saved = std::string(p.file).ends_with(".png")
                     ? cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS
                     : SaveJpeg(surface, path);
    cairo_surface_destroy(surface);
    if (!saved) return false;
    ImageBytes thumb = Thumbnails::Scale(path, Thumbnails::kWidth, Thumbnails::kHeight);
    std::ofstream out(folder / (std::string("thumb_") + p.file), std::ios::binary);
    out.write(thumb.bytes.data(), static_cast<std::streamsize>(thumb.bytes.size()));
    return !thumb.bytes.empty() && out.good();
}

}  // namespace

std::filesystem::path DefaultCacheRoot() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache) {
        return std::filesystem::path(cache) / "lumora-service";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".cache" / "lumora-service";
    }
    return std::filesystem::temp_directory_path() / ("lumora-service-" + std::to_string(getuid()));
}

std::filesystem::path EnsureDemoPictures(const std::filesystem::path& cacheRoot) {
    std::filesystem::path folder = cacheRoot / kCacheName;
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) {
        return folder;
    }
    // Drawn into a private folder and renamed into place, so that two services starting at the
    // same time never show a half-written library.
    std::filesystem::create_directories(cacheRoot, error);
    std::filesystem::path staging =
        cacheRoot / (std::string(kCacheName) + ".tmp-" + std::to_string(getpid()));
    std::filesystem::remove_all(staging, error);
    if (!std::filesystem::create_directory(staging, error)) {
        return {};
    }
    std::ofstream names(staging / "names.txt");
    uint32_t seed = 1;
    for (const DemoPicture& p : kPictures) {
        if (!WritePicture(p, seed++, staging)) {
            std::filesystem::remove_all(staging, error);
            return {};
        }
        names << p.file << '\t' << p.name << '\t' << p.category << '\n';
    }
    names.close();
    std::filesystem::rename(staging, folder, error);
    if (error) {
        // Another service finished first; its folder is as good as ours.
        std::filesystem::remove_all(staging, error);
    }
    return std::filesystem::is_directory(folder, error) ? folder : std::filesystem::path();
}

}  // namespace lumora::service
