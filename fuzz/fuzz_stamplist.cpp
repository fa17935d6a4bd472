// Any bytes as a stamp list for "Album indelen": decoded as a file is, read
// with a margin taken from the first byte. An accepted list holds only
// frames that fit the page and captions a page file can hold; a short one
// is laid out, and every page keeps to the rules.

#include "design/albumlayout.h"
#include "design/stamplist.h"
#include "design/textsafe.h"

#include <QByteArray>
#include <cstdlib>

using namespace plenvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int margin = data[0] % 201;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    // Every other input with the issues' names as headings of 5.9 mm.
    const bool headed = (data[0] & 2) != 0;
    const StampListResult r = readStampList(decodeStampList(bytes), margin, kA4Area, headed ? 59 : 0);
    if (!r.errors.isEmpty())
        return 0;
    if (r.list.frames.size() > kListMaxFrames)
        std::abort();
    for (const StampFrame &f : r.list.frames) {
        if (f.width < 1 || f.width > kAreaWidthMm || f.height < 1 || f.height > kAreaHeightMm)
            std::abort();
        if (f.issue < 0 || f.issue >= r.list.issues.size() || !firstUnstorable(f.caption).isEmpty())
            std::abort();
    }
    for (const QString &name : r.list.issues)
        if (!(headed ? firstControl(name) : firstUnstorable(name)).isEmpty())
            std::abort();
    if (r.list.frames.size() > 60)
        return 0;
    Headings headings;
    for (const QString &name : r.list.issues)
        headings << (headed && !name.isEmpty() ? 59 : 0);
    const LayoutSettings s{data[0] % 9, data[0] % 31, (data[0] & 1) != 0};
    const QList<LaidPage> pages = layAlbum(r.list.frames, s, kA4Area, headings);
    int next = 0;
    for (const LaidPage &page : pages) {
        if (page.frames() > kMaxKaders)
            std::abort();
        int height = -10 * s.rowDistance; // in tenths, as the headings are
        for (const LaidRow &row : page.rows) {
            if (row.first != next || rowWidth(r.list.frames, row, s.gap) > kAreaWidthMm)
                std::abort();
            height += 10 * (rowHeight(r.list.frames, row) + s.rowDistance) + headingAbove(r.list.frames, page.first(), row.first, headings);
            next += row.count;
        }
        if (height > kA4Area.height)
            std::abort();
        QList<std::pair<int, int>> tops;
        for (const Kader &k : placeFrames(r.list.frames, page, s, false, kA4Area, headings, &tops))
            if (k.LeftMm < kAreaLeftMm || k.LeftMm + k.WidthMm > kAreaLeftMm + kAreaWidthMm || k.TopMm < kAreaTopMm
                || k.TopMm + k.HeightMm > kAreaTopMm + kAreaHeightMm)
                std::abort();
        for (const auto &[issue, top] : tops)
            if (!headed || issue < 0 || issue >= r.list.issues.size() || top < kAreaTopMm || top > kAreaTopMm + kAreaHeightMm)
                std::abort();
    }
    if (next != r.list.frames.size())
        std::abort();
    return 0;
}
