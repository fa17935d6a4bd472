// A print job held whole before it reaches a printer, and drawn on one.

#include "platform/printer.h"

#include "library/stamppicture.h"

#include <QThreadPool>

#include <algorithm>
#include <deque>
#include <future>

namespace plenvik {

PrinterSurface::ReadyPicture PrinterSurface::readyPicture(const QByteArray &stored, bool grijstinten, int sterkte, QSizeF) const
{
    return {shownPicture(stored, grijstinten, sterkte), {}};
}

void PrintJob::picture(QPointF a, QPointF b, const QByteArray &stored, bool grijstinten, int sterkte)
{
    if (!m_spool) {
        m_spool = std::make_shared<QTemporaryFile>();
        m_spoolFailed = !m_spool->open();
    }
    const qint64 at = m_spool->size();
    m_spoolFailed = m_spoolFailed || !m_spool->seek(at) || m_spool->write(stored) != stored.size();
    Op op{Op::Picture, a, b, {}, double(sterkte), {}};
    op.offset = at;
    op.length = stored.size();
    op.grey = grijstinten;
    m_ops.push_back(op);
}

QList<Sheet> PrintJob::sheets() const
{
    QList<Sheet> out;
    bool sized = false;
    for (const Op &op : m_ops) {
        if (op.kind == Op::SheetSize) {
            const Sheet s{op.a.x(), op.a.y()};
            if (!out.contains(s))
                out << s;
            sized = true;
        } else if (op.kind == Op::NewPage) {
            sized = false;
        } else if (!sized && !out.contains(kSheetA4)) {
            out << kSheetA4; // drawn on a sheet nobody sized
        }
    }
    return out;
}

bool PrintJob::replay(PrinterSurface &t) const
{
    // A picture that could not be kept fails the job before any of it is drawn.
    if (m_spoolFailed)
        return false;
    // The pictures, each decoded and made grey and faint on the thread
    // pool a few ahead of where the drawing is, in the order drawn.
    std::vector<size_t> pictureOps;
    for (size_t i = 0; i < m_ops.size(); ++i)
        if (m_ops[i].kind == Op::Picture)
            pictureOps.push_back(i);
    const size_t ahead = size_t(std::max(2, 2 * QThreadPool::globalInstance()->maxThreadCount()));
    struct Prepared {
        QByteArray stored;
        PrinterSurface::ReadyPicture ready;
    };
    std::deque<std::shared_future<Prepared>> ready;
    size_t started = 0;
    auto startUpTo = [&](size_t count) {
        for (; started < std::min(count, pictureOps.size()); ++started) {
            const Op &op = m_ops[pictureOps[started]];
            auto promise = std::make_shared<std::promise<Prepared>>();
            ready.push_back(promise->get_future().share());
            const QByteArray data = m_spool->seek(op.offset) ? m_spool->read(op.length) : QByteArray();
            const QSizeF mm = QRectF(op.a, op.b).normalized().size();
            QThreadPool::globalInstance()->start([&t, promise, data, mm, grey = op.grey, sterkte = int(op.value)] {
                promise->set_value({data, t.readyPicture(data, grey, sterkte, mm)});
            });
        }
    };
    size_t drawn = 0;
    // Whatever is still being made is waited for, even when a sheet fails.
    struct Drain {
        std::deque<std::shared_future<Prepared>> &futures;
        ~Drain()
        {
            for (auto &f : futures)
                f.wait();
        }
    } drain{ready};

    for (size_t i = 0; i < m_ops.size(); ++i) {
        const Op &op = m_ops[i];
        switch (op.kind) {
        case Op::FontName: t.setFontName(op.text); break;
        case Op::FontSize: t.setFontSize(op.value); break;
        case Op::FontBold: t.setFontBold(op.value != 0); break;
        case Op::FontItalic: t.setFontItalic(op.value != 0); break;
        case Op::ForeColor: t.setForeColor(op.colour); break;
        case Op::FillStyle: t.setFillStyle(op.value != 0 ? FillStyle::Solid : FillStyle::Transparent); break;
        case Op::FillColor: t.setFillColor(op.colour); break;
        case Op::Box: t.box(op.a, op.b, op.colour); break;
        case Op::FilledBox: t.filledBox(op.a, op.b, op.colour); break;
        case Op::Polygon: t.polygon(op.points, op.colour, op.value != 0); break;
        case Op::Clip: t.clip(op.points); break;
        case Op::CurrentX: t.setCurrentX(op.value); break;
        case Op::CurrentY: t.setCurrentY(op.value); break;
        case Op::Print: t.print(op.text); break;
        case Op::Baseline: t.printOnBaseline(op.a, op.text); break;
        case Op::NewPage:
            // A page sized after it was begun is sized before: a sheet's
            // paper is chosen as it is started.
            if (i + 1 < m_ops.size() && m_ops[i + 1].kind == Op::SheetSize)
                t.setSheet(Sheet{m_ops[i + 1].a.x(), m_ops[i + 1].a.y()});
            if (!t.newPage())
                return false;
            break;
        case Op::SheetSize: t.setSheet(Sheet{op.a.x(), op.a.y()}); break;
        case Op::Picture: {
            startUpTo(drawn + ahead);
            const Prepared prepared = ready.front().get();
            ready.pop_front();
            ++drawn;
            t.preparedPicture(op.a, op.b, prepared.stored, op.grey, int(op.value), prepared.ready);
            break;
        }
        }
    }
    return true;
}

} // namespace plenvik
