#include "platform/linux/X11RootBackground.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cairo-xlib.h>
#include <cairo.h>

#include <algorithm>
#include <cerrno>

#include "platform/ImageFile.h"

namespace lumora {
namespace {

// Paints the picture over the whole pixmap surface in the layout; uncovered parts are black.
void PaintPicture(cairo_t* cr, const BgraImage& image, int layout, int width, int height) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    // The bytes are B, G, R, A: cairo's RGB24 reads them as they are and ignores the alpha.
    cairo_surface_t* picture = cairo_image_surface_create_for_data(
        const_cast<unsigned char*>(image.pixels.data()), CAIRO_FORMAT_RGB24, image.width,
        image.height, image.width * 4);
    const double sx = static_cast<double>(width) / image.width;
    const double sy = static_cast<double>(height) / image.height;
    double scaleX = 1;
    double scaleY = 1;
    switch (layout) {
        case kLayoutStretched:
            scaleX = sx;
            scaleY = sy;
            break;
        case kLayoutFitted:
            scaleX = scaleY = std::min(sx, sy);
            break;
        case kLayoutFilled:
            scaleX = scaleY = std::max(sx, sy);
            break;
        default:
            break;
    }
    if (layout == kLayoutTiled) {
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
    } else {
        cairo_translate(cr, (width - image.width * scaleX) / 2,
                        (height - image.height * scaleY) / 2);
        cairo_scale(cr, scaleX, scaleY);
        cairo_set_source_surface(cr, picture, 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    }
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    if (layout == kLayoutTiled) {
        cairo_paint(cr);
    } else {
        // Padding keeps the scaled edges sharp; the rectangle keeps it off the black bars.
        cairo_rectangle(cr, 0, 0, image.width, image.height);
        cairo_fill(cr);
    }
    cairo_surface_destroy(picture);
}

// The pixmap another (retained) client published last, or 0.
Pixmap PublishedPixmap(Display* display, Window root, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    Pixmap pixmap = 0;
    if (XGetWindowProperty(display, root, property, 0, 1, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        type == XA_PIXMAP && format == 32 && count == 1 && data) {
        pixmap = *reinterpret_cast<Pixmap*>(data);
    }
    if (data) {
        XFree(data);
    }
    return pixmap;
}

}  // namespace

int X11RootBackground::SetWallpaper(const std::string& path, int layout) {
    if (layout < kLayoutTiled || layout > kLayoutFilled) {
        return EINVAL;
    }
    // Read every time: the same path may hold a new picture.
    std::optional<BgraImage> image = LoadImageFile(path);
    if (!image) {
        return ENOENT;
    }
    // A connection of its own, kept by the server after we close it, so the pixmap outlives
    // this call (and the program).
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return ENXIO;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    const Pixmap pixmap =
        XCreatePixmap(display, root, static_cast<unsigned>(width), static_cast<unsigned>(height),
                      static_cast<unsigned>(DefaultDepth(display, screen)));
    cairo_surface_t* surface =
        cairo_xlib_surface_create(display, pixmap, DefaultVisual(display, screen), width, height);
    cairo_t* cr = cairo_create(surface);
    PaintPicture(cr, *image, layout, width, height);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);

    const Atom rootPixmap = XInternAtom(display, "_XROOTPMAP_ID", False);
    const Atom esetrootPixmap = XInternAtom(display, "ESETROOT_PMAP_ID", False);
    // The previous picture's client was retained like ours; ending it frees its pixmap.
    const Pixmap previous = PublishedPixmap(display, root, rootPixmap);
    if (previous && previous == PublishedPixmap(display, root, esetrootPixmap)) {
        XKillClient(display, previous);
    }
    XChangeProperty(display, root, rootPixmap, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    XChangeProperty(display, root, esetrootPixmap, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    XSetCloseDownMode(display, RetainPermanent);
    XSync(display, False);
    // Read back: another client may have replaced or refused the property.
    const bool held = PublishedPixmap(display, root, rootPixmap) == pixmap;
    XCloseDisplay(display);
    return held ? 0 : EIO;
}

}  // namespace lumora
