// Handlers of the "Extra" menu: frames entered in millimetres and rows of
// frames laid out in one step.

#include "app/mainwindow.h"

#include "app/askuntil.h"

#include "canvas/frametool.h"
#include "canvas/pic.h"
#include "canvas/shapedraw.h"
#include "platform/dialogs.h"
#include "design/strips.h"
#include "library/pagefiles.h"
#include "library/stamppicture.h"
#include "library/stripsettings.h"
#include "platform/extradialogs.h"

namespace plenvik {

namespace {

QList<QRect> canvasRects(const QList<Kader> &frames, const CanvasGeometry &geometry)
{
    QList<QRect> out;
    for (const Kader &k : frames)
        out << canvasRectOf(k, geometry);
    return out;
}

} // namespace

void Main::onExtraKaderInvoeren()
{
    if (m_design.KaderCount >= m_design.kaderLimit()) {
        m_services.dialogs->message(maximumKaders(m_design.kaderLimit()));
        return;
    }
    // The inner frame starts as the Edit menu's "Binnenkader" stands.
    m_lastKader.binnenkader = m_edit.InnerFrameMode;
    QByteArray taken;
    const auto entered = askUntilAccepted(
        m_lastKader, *m_services.dialogs, *m_pic,
        [this](const KaderInvoer &start) {
            return m_services.extra->kaderInvoeren(start, KaderVenster{m_design.sheet, false}, [this](const KaderInvoer &v) {
                m_pic->setPreview({canvasRectOf(kaderOf(v), m_pic->sheetGeometry())},
                                  previewShapes({kaderOf(v)}, m_pic->sheetGeometry()));
            });
        },
        [&](const KaderInvoer &v) {
            const QString refusal = checkKader(v, m_design.KaderCount, m_design.sheet, m_design.kaderLimit());
            // A picture that cannot be taken in is said at once, and the
            // frame waits for it to be mended or left out.
            if (refusal.isEmpty() && !v.afbeelding.isEmpty()) {
                QString why;
                const std::optional<QByteArray> read = takeInPicture(v.afbeelding, kaderOf(v), &why);
                taken = read.value_or(QByteArray());
                return read ? QString() : why;
            }
            return refusal;
        });
    if (!entered)
        return;
    const Kader kader = kaderOf(*entered);
    m_frameTool->placeFrame(canvasRectOf(kader, m_pic->sheetGeometry()), kader);
    if (!entered->afbeelding.isEmpty())
        m_design.pictures.Bestanden.at(m_design.KaderCount - 1) = taken;
    // The next frame is another stamp.
    m_lastKader.afbeelding.clear();
    UpdateListing();
}

void Main::onExtraRijKaders()
{
    if (m_design.KaderCount >= m_design.kaderLimit()) {
        m_services.dialogs->message(maximumKaders(m_design.kaderLimit()));
        return;
    }
    m_nextRij.binnenkader = m_edit.InnerFrameMode;
    const auto entered = askUntilAccepted(
        m_nextRij, *m_services.dialogs, *m_pic,
        [this](const RijInvoer &start) {
            return m_services.extra->rijKaders(start, m_design.sheet, [this](const RijInvoer &v) {
                // Only a row that can be laid out is shown.
                const QList<Kader> row = v.aantal >= 1 && v.aantal <= kMaxKaders ? rowFrames(v, m_design.sheet) : QList<Kader>{};
                m_pic->setPreview(canvasRects(row, m_pic->sheetGeometry()), previewShapes(row, m_pic->sheetGeometry()));
            });
        },
        [this](const RijInvoer &v) { return checkRij(v, m_design.KaderCount, m_design.sheet, m_design.kaderLimit()); });
    if (!entered)
        return;
    // Each frame on its own, left to right, so Undo takes them back one by one.
    for (const Kader &kader : rowFrames(*entered, m_design.sheet))
        m_frameTool->placeFrame(canvasRectOf(kader, m_pic->sheetGeometry()), kader);
    m_nextRij = nextRow(*entered);
    UpdateListing();
}

void Main::onExtraStroken()
{
    const QString settingsPath = m_paths.settingsFile(QLatin1String(kStripSettingsFileName));
    const StripSettings saved = readStripSettings(settingsPath);
    QStringList heights;
    for (int h : saved.heights)
        heights << QString::number(h);

    // The library is read once, when it is first asked for, not at every
    // change of a field.
    std::optional<CutListRequest> library;
    // The list prints on the paper of what it lists: the open page's, or
    // the paper chosen for the library's pages.
    Sheet paper = m_design.sheet;
    auto cutList = [&](const StrokenVelden &v) -> StrokenUitkomst {
        paper = v.bibliotheek ? m_chosenSheet : m_design.sheet;
        CutListRequest r;
        if (!parseHeights(v.hoogten, &r.heights))
            return {QString(), tr("Beschikbare hoogten: hele millimeters van 1 tot %1, gescheiden door spaties of komma's.")
                                   .arg(kMaxStripMm)};
        if (v.bibliotheek) {
            if (!library)
                library = libraryCutList(m_paths.library);
            r.heading = library->heading;
            r.pieces = library->pieces;
            r.unread = library->unread;
        } else {
            r.heading = tr("Stroken voor dit supplement");
            for (int k = 1; k <= m_design.KaderCount; ++k)
                r.pieces << StripPiece{m_design.kader(k).WidthMm, m_design.kader(k).HeightMm, tr("kader %1").arg(k),
                                      m_design.kader(k).vorm};
        }
        r.length = v.lengte;
        return {buildCutList(r), QString()};
    };
    const StrokenVelden closed = m_services.extra->stroken(
        StrokenVelden{saved.length, heights.join(QLatin1Char(' ')), false}, cutList,
        [&](const QString &text) { printCutList(text, paper); });

    // Each field that can be read is kept; heights that cannot keep the
    // heights there were.
    StripSettings keep{closed.lengte, {}};
    if (!parseHeights(closed.hoogten, &keep.heights))
        keep.heights = saved.heights;
    if (keep != saved)
        writeStripSettings(settingsPath, keep);
}

} // namespace plenvik
