#include "library/designfile.h"
#include "library/designstyle.h"

#include "library/designfields.h"
#include "library/designtail.h"

#include <QIODevice>

namespace plenvik {

QByteArray designFileBytes(const PageDesign &d)
{
    QByteArray out;
    out.reserve(256 + d.KaderCount * 64);
    appendLine(out, quotedField(QString::fromLatin1(kDesignHeader)));
    appendLine(out, QByteArray::number(d.KaderCount));
    appendLine(out, quotedField(QString::fromLatin1(kDesignSeparator)));
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        appendLine(out, numberField(f.LeftMm) + ',' + numberField(f.TopMm) + ',' + numberField(f.WidthMm) + ','
                            + numberField(f.HeightMm) + ',' + QByteArray::number(f.Binnenrand));
        appendLine(out, quotedField(f.Onderschrift));
    }
    appendLine(out, quotedField(QString::fromLatin1(kDesignSeparator)));
    appendLine(out, QByteArray::number(d.ColourR) + ',' + QByteArray::number(d.ColourG) + ',' + QByteArray::number(d.ColourB));
    appendLine(out, d.BorderOn ? "#TRUE#" : "#FALSE#");
    appendLine(out, QByteArray::number(d.BorderWidth));
    appendLine(out, quotedField(d.PageTitle));
    appendLine(out, quotedField(d.PageSubtitle));
    appendLine(out, quotedField(d.PageNumber));
    appendDesignTail(out, d);
    return out;
}

bool sameSavedPage(const PageDesign &a, const PageDesign &b)
{
    if (a.KaderCount != b.KaderCount || designFileBytes(a) != designFileBytes(b))
        return false;
    for (int k = 0; k < a.KaderCount && k < kMaxKaders; ++k) {
        const QByteArray &pa = a.pictures.Bestanden.at(k), &pb = b.pictures.Bestanden.at(k);
        // A picture unchanged is the same bytes, shared: no need to compare them.
        if (pa.size() != pb.size() || (pa.constData() != pb.constData() && pa != pb))
            return false;
    }
    return true;
}

bool writeDesignFile(QIODevice &device, const PageDesign &design)
{
    const QByteArray bytes = designFileBytes(design);
    return device.write(bytes) == bytes.size();
}

bool DesignFileReader::read(QIODevice &device, PageDesign &into)
{
    if (device.size() > kMaxDesignFileBytes) {
        m_error = DesignFileText::tr("het bestand is te groot");
        return false;
    }
    const QByteArray bytes = device.read(kMaxDesignFileBytes + 1);
    if (bytes.size() > kMaxDesignFileBytes) {
        m_error = DesignFileText::tr("het bestand is te groot");
        return false;
    }
    return read(bytes, into);
}

bool DesignFileReader::read(const QByteArray &bytes, PageDesign &into)
{
    m_error.clear();
    m_picturesExpected = false;
    Parser p(bytes);
    PageDesign d = into;

    auto fail = [&]() {
        m_error = p.error;
        return false;
    };

    if (!p.any())
        return fail();
    // More than 20 frames only on a page whose style allows them; without a
    // style line the count is told as it always was.
    const bool styled = bytes.contains(QByteArray("\"") + kDesignStyleTag + '"');
    const auto count = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "het aantal kaders"), 0,
                               styled ? kMaxKaders : kMinKadersPerPagina);
    if (!count)
        return fail();
    if (!p.any())
        return fail();
    for (int k = 1; k <= *count; ++k) {
        Kader f;
        const auto l = p.number(QT_TRANSLATE_NOOP("DesignFileText", "links"));
        if (!l)
            return fail();
        const auto t = p.number(QT_TRANSLATE_NOOP("DesignFileText", "boven"));
        if (!t)
            return fail();
        const auto w = p.number(QT_TRANSLATE_NOOP("DesignFileText", "breedte"));
        if (!w)
            return fail();
        const auto h = p.number(QT_TRANSLATE_NOOP("DesignFileText", "hoogte"));
        if (!h)
            return fail();
        const auto inner = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "binnenrand"), INT32_MIN, INT32_MAX);
        if (!inner)
            return fail();
        const auto caption = p.text(QT_TRANSLATE_NOOP("DesignFileText", "het onderschrift"));
        if (!caption)
            return fail();
        f.LeftMm = *l;
        f.TopMm = *t;
        f.WidthMm = *w;
        f.HeightMm = *h;
        f.Binnenrand = static_cast<std::int32_t>(*inner);
        f.Onderschrift = *caption;
        d.kader(k) = f;
    }
    if (!p.any())
        return fail();
    const auto r = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "rood"), 0, 255);
    if (!r)
        return fail();
    const auto g = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "groen"), 0, 255);
    if (!g)
        return fail();
    const auto b = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "blauw"), 0, 255);
    if (!b)
        return fail();
    const auto on = p.flag();
    if (!on)
        return fail();
    const auto width = p.whole(QT_TRANSLATE_NOOP("DesignFileText", "de borderbreedte"), 0, 3);
    if (!width)
        return fail();
    const auto title = p.text(QT_TRANSLATE_NOOP("DesignFileText", "de titel"));
    if (!title)
        return fail();
    const auto subtitle = p.text(QT_TRANSLATE_NOOP("DesignFileText", "de subtitel"));
    if (!subtitle)
        return fail();
    const auto number = p.text(QT_TRANSLATE_NOOP("DesignFileText", "het paginanummer"));
    if (!number)
        return fail();
    // The lines after the page number may name the frames read.
    d.KaderCount = static_cast<std::uint8_t>(*count);
    bool expected = false;
    if (!readDesignTail(p, d, &expected, &m_error))
        return false;

    d.ColourR = int(*r);
    d.ColourG = int(*g);
    d.ColourB = int(*b);
    d.BorderOn = *on;
    d.BorderWidth = static_cast<std::uint8_t>(*width);
    d.PageTitle = *title;
    d.PageSubtitle = *subtitle;
    d.PageNumber = *number;
    m_picturesExpected = expected;
    into = d;
    return true;
}

} // namespace plenvik
