#include "platform/xcbscreen.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace plenvik {

struct XcbScreenSource::Private {
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    QRect geometry;
    QPoint lastPointer{-1, -1};

    xcb_get_image_cookie_t requestImage(const QRect &inside)
    {
        return xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(inside.x()),
                             static_cast<int16_t>(inside.y()), static_cast<uint16_t>(inside.width()),
                             static_cast<uint16_t>(inside.height()), ~0u);
    }
    QImage imageFrom(xcb_get_image_cookie_t cookie, const QRect &r, const QRect &inside);
};

std::unique_ptr<XcbScreenSource> XcbScreenSource::connect()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (!c || xcb_connection_has_error(c)) {
        if (c)
            xcb_disconnect(c);
        return nullptr;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem || (it.data->root_depth != 24 && it.data->root_depth != 32)) {
        xcb_disconnect(c);
        return nullptr;
    }
    std::unique_ptr<XcbScreenSource> s(new XcbScreenSource);
    s->d = std::make_unique<Private>();
    s->d->connection = c;
    s->d->root = it.data->root;
    s->d->geometry = QRect(0, 0, it.data->width_in_pixels, it.data->height_in_pixels);
    return s;
}

XcbScreenSource::~XcbScreenSource()
{
    if (d && d->connection)
        xcb_disconnect(d->connection);
}

QPoint XcbScreenSource::cursorPos()
{
    xcb_query_pointer_reply_t *reply =
        xcb_query_pointer_reply(d->connection, xcb_query_pointer(d->connection, d->root), nullptr);
    if (!reply)
        return {};
    const QPoint p(reply->root_x, reply->root_y);
    std::free(reply);
    return p;
}

QImage XcbScreenSource::Private::imageFrom(xcb_get_image_cookie_t cookie, const QRect &r, const QRect &inside)
{
    QImage out(r.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    xcb_get_image_reply_t *reply = xcb_get_image_reply(connection, cookie, nullptr);
    if (!reply)
        return out;
    // 24- and 32-bit screens send 32 bits a pixel, rows unpadded beyond that.
    const uint8_t *data = xcb_get_image_data(reply);
    const int length = xcb_get_image_data_length(reply);
    const int rowBytes = inside.width() * 4;
    if (length >= rowBytes * inside.height()) {
        const QPoint at = inside.topLeft() - r.topLeft();
        uchar *bits = out.bits();
        const qsizetype stride = out.bytesPerLine();
        for (int y = 0; y < inside.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(bits + (at.y() + y) * stride) + at.x();
            std::memcpy(line, data + y * rowBytes, rowBytes);
            for (int x = 0; x < inside.width(); ++x)
                line[x] |= 0xff000000u;
        }
    }
    std::free(reply);
    return out;
}

QImage XcbScreenSource::grab(const QRect &r)
{
    const QRect inside = r.intersected(d->geometry);
    if (inside.isEmpty()) {
        QImage out(r.size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        return out;
    }
    return d->imageFrom(d->requestImage(inside), r, inside);
}

QImage XcbScreenSource::grabAroundPointer(const std::function<QRect(QPoint)> &rectFor)
{
    // Ask for the pointer and, in the same trip, for the pixels around where
    // it was last time: while it rests, one round trip serves the tick.
    const QRect guess = rectFor(d->lastPointer);
    const QRect guessInside = guess.intersected(d->geometry);
    const bool speculate = d->lastPointer.x() >= 0 && !guessInside.isEmpty();
    const xcb_query_pointer_cookie_t pointerCookie = xcb_query_pointer(d->connection, d->root);
    xcb_get_image_cookie_t imageCookie{};
    if (speculate)
        imageCookie = d->requestImage(guessInside);
    xcb_query_pointer_reply_t *reply = xcb_query_pointer_reply(d->connection, pointerCookie, nullptr);
    const QPoint pointer = reply ? QPoint(reply->root_x, reply->root_y) : d->lastPointer;
    std::free(reply);
    if (speculate && pointer == d->lastPointer)
        return d->imageFrom(imageCookie, guess, guessInside);
    if (speculate)
        xcb_discard_reply(d->connection, imageCookie.sequence);
    d->lastPointer = pointer;
    return grab(rectFor(pointer));
}

std::unique_ptr<ScreenSource> makeScreenSource()
{
    if (auto xcb = XcbScreenSource::connect())
        return xcb;
    return std::make_unique<QtScreenSource>();
}

namespace {
// Connects on the first grab: the connection costs a round trip to the X
// server that the window need not wait for before it shows.
class LazyScreenSource : public ScreenSource {
public:
    QPoint cursorPos() override { return source().cursorPos(); }
    QImage grab(const QRect &r) override { return source().grab(r); }
    QImage grabAroundPointer(const std::function<QRect(QPoint)> &rectFor) override
    {
        return source().grabAroundPointer(rectFor);
    }

private:
    ScreenSource &source()
    {
        if (!m_source)
            m_source = makeScreenSource();
        return *m_source;
    }
    std::unique_ptr<ScreenSource> m_source;
};
} // namespace

std::unique_ptr<ScreenSource> makeScreenSourceOnFirstUse()
{
    return std::make_unique<LazyScreenSource>();
}

} // namespace plenvik
