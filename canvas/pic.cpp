#include "canvas/pic.h"

#include "canvas/edittool.h"

#include "design/textsafe.h"
#include "design/units.h"
#include "platform/fonts.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace plenvik {

namespace {
const QColor kLayerColour(192, 0, 0);
const QColor kMmLabelBackground(255, 255, 192);
const QColor kCrossHairColour(255, 128, 0);
const QColor kPrintLijnColour(255, 0, 0);
const QColor kPreviewColour(0, 0, 192);
const QColor kClashColour(220, 0, 0);
// The chosen frame's handles: a colour no frame, border or text is given.
const QColor kHandleColour(0, 150, 255);
constexpr int kHandleHalf = 2;
} // namespace

Pic::Pic(QWidget *parent)
    : QWidget(parent), m_picture(m_geometry.width, m_geometry.height, QImage::Format_RGB32)
{
    m_picture.fill(Qt::white);
    setFixedSize(m_geometry.width, m_geometry.height);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    scalePageTextFonts();
    m_mmFont = screenFont(Face::MsSansSerif, 8.25);
}

void Pic::scalePageTextFonts()
{
    // The page texts shrink with a sheet scaled down to fit, as their places
    // do, so the title never runs into the subtitle; A4 is at scale 1.
    const double scale = m_geometry.unitsPerMmX / kUnitsPerMmX;
    // The page's own sizes in the proportion of today's 16, 12 and 12 points.
    const PaginaOpmaak today;
    auto of = [](int points, int todays) { return points == todays ? 1.0 : double(points) / todays; };
    const QString &f = m_style.lettertype;
    m_titel.font = pageFont(f, 12 * scale * of(m_style.titelPunten, today.titelPunten), true);
    m_subTitel.font = pageFont(f, 8.25 * scale * of(m_style.subtitelPunten, today.subtitelPunten));
    m_pagina.font = pageFont(f, 9.75 * scale * of(m_style.nummerPunten, today.nummerPunten), true);
}

void Pic::setSheetGeometry(const CanvasGeometry &geometry)
{
    if (geometry == m_geometry)
        return;
    m_geometry = geometry;
    m_opmaak = plenvik::canvasOpmaak(m_geometry, m_style, m_sheet);
    setFixedSize(geometry.width, geometry.height);
    scalePageTextFonts();
    update();
}

void Pic::setPicture(const QImage &image)
{
    m_picture = image.convertToFormat(QImage::Format_RGB32);
    update();
}

void Pic::clearPicture()
{
    m_picture = QImage(m_geometry.width, m_geometry.height, QImage::Format_RGB32);
    m_picture.fill(Qt::white);
    update();
}

void Pic::setLijst(bool visible, int width, const QColor &colour)
{
    m_lijstVisible = visible;
    m_lijstWidth = width;
    m_lijstColour = colour;
    update();
}

void Pic::setLijstColour(const QColor &colour)
{
    m_lijstColour = colour;
    if (m_lijstVisible)
        update();
}

Pic::TextLabel &Pic::label(PageText which)
{
    switch (which) {
    case PageText::Titel: return m_titel;
    case PageText::SubTitel: return m_subTitel;
    case PageText::PaginaLabel: break;
    }
    return m_pagina;
}

const Pic::TextLabel &Pic::label(PageText which) const
{
    return const_cast<Pic *>(this)->label(which);
}

void Pic::setPageTextCaption(PageText which, const QString &caption)
{
    label(which).caption = caption;
    update();
}

void Pic::setOpmaak(const PaginaOpmaak &style, const Sheet &sheet, const QColor &lineColour)
{
    m_style = style;
    m_sheet = sheet;
    m_lijnColour = lineColour;
    m_opmaak = plenvik::canvasOpmaak(m_geometry, m_style, m_sheet);
    scalePageTextFonts();
    update();
}

void Pic::centrePageText(PageText which, const QString &text)
{
    setPageTextCaption(which, trimBlanks(text));
    placePageText(which, m_opmaak.textCentreX - pageTextWidth(which) / 2, pageTextTop(which));
}

void Pic::placePageText(PageText which, int left, int top)
{
    label(which).pos = QPoint(left, top);
    update();
}

int Pic::pageTextWidth(PageText which) const
{
    const TextLabel &l = label(which);
    return QFontMetrics(l.font).horizontalAdvance(l.caption);
}

QRect Pic::pageTextRect(PageText which) const
{
    const TextLabel &l = label(which);
    return QRect(l.pos, QSize(pageTextWidth(which), QFontMetrics(l.font).height()));
}

QString Pic::pageTextCaption(PageText which) const
{
    return label(which).caption;
}

void Pic::setLayer(bool visible, const QRect &r)
{
    m_layerVisible = visible;
    if (visible)
        m_layer = r;
    update();
}

void Pic::setMmLabel(bool visible, const QString &text, QPoint topLeft)
{
    m_mmVisible = visible;
    m_mmText = text;
    m_mmPos = topLeft;
    update();
}

void Pic::moveMmLabel(QPoint topLeft)
{
    m_mmPos = topLeft;
    update();
}

void Pic::setMmLabelText(const QString &text)
{
    m_mmText = text;
    update();
}

void Pic::setMmLabelVisible(bool visible)
{
    m_mmVisible = visible;
    update();
}

void Pic::setCrossHairVisible(bool visible)
{
    m_crossVisible = visible;
    update();
}

void Pic::setCrossHairLines(const QLine &hor, const QLine &ver)
{
    m_lineHor = hor;
    m_lineVer = ver;
    if (m_crossVisible)
        update();
}

void Pic::setPreview(const QList<QRect> &corners, const QList<QPolygonF> &shapes)
{
    if (corners == m_preview && shapes == m_previewShapes)
        return;
    m_preview = corners;
    m_previewShapes = shapes;
    update();
}

void Pic::setClashingCaptions(const QList<CanvasCaption> &captions)
{
    const bool same = captions.size() == m_clashing.size()
                      && std::equal(captions.begin(), captions.end(), m_clashing.begin(), [](const auto &a, const auto &b) {
                             return a.baseline == b.baseline && a.text == b.text && a.font == b.font;
                         });
    if (same)
        return;
    m_clashing = captions;
    update();
}

void Pic::setChosen(const QRect &outline, bool handles)
{
    if (outline == m_chosen && handles == m_chosenHandles)
        return;
    m_chosen = outline;
    m_chosenHandles = handles;
    update();
}

void Pic::setPrintLijn(bool visible, int y)
{
    m_printVisible = visible;
    m_printY = y;
    update();
}

void Pic::setFramePictures(const QList<CanvasPicture> &pictures)
{
    m_framePictures = pictures;
    update();
}

void Pic::setTeksten(const QList<CanvasTekst> &teksten)
{
    m_teksten = teksten;
    update();
}

void Pic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
    for (const CanvasPicture &f : std::as_const(m_framePictures)) {
        if (!f.clip.isEmpty()) {
            QPainterPath shape;
            shape.addPolygon(f.clip);
            p.setClipPath(shape);
        }
        p.drawImage(f.rect.topLeft(), f.image);
        p.setClipping(false);
    }
    p.setPen(kClashColour);
    for (const CanvasCaption &c : std::as_const(m_clashing)) {
        p.setFont(c.font);
        p.drawText(c.baseline, c.text);
    }

    if (m_lijstVisible && m_lijstWidth > 0) {
        p.setPen(m_lijstColour);
        p.setBrush(Qt::NoBrush);
        // The line grows inwards from the shape's bounds, one pixel a step.
        for (int i = 0; i < m_lijstWidth; ++i)
            p.drawRect(m_opmaak.lijst.adjusted(i, i, -i - 1, -i - 1));
    }
    paintRandLijnen(p, m_opmaak, m_lijnColour);

    p.setPen(Qt::black);
    for (const TextLabel *l : {&m_titel, &m_subTitel, &m_pagina}) {
        if (l->caption.isEmpty())
            continue;
        p.setFont(l->font);
        const QFontMetrics fm(l->font);
        p.drawText(QPoint(l->pos.x(), l->pos.y() + fm.ascent()), l->caption);
    }

    for (const CanvasTekst &t : std::as_const(m_teksten)) {
        p.setFont(t.font);
        p.drawText(t.origin, t.text);
    }

    if (m_layerVisible && m_layer.width() > 0 && m_layer.height() > 0) {
        QPen pen(kLayerColour);
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        // A band one pixel wide or high has no inside: a rectangle of zero
        // size paints nothing, a line between its corners shows it.
        if (m_layer.width() == 1 || m_layer.height() == 1)
            p.drawLine(m_layer.topLeft(), m_layer.bottomRight());
        else
            p.drawRect(m_layer.adjusted(0, 0, -1, -1));
    }

    if (!m_preview.isEmpty()) {
        QPen pen(kPreviewColour);
        pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        for (const QRect &r : m_preview)
            p.drawRect(r.adjusted(0, 0, -1, -1));
        for (const QPolygonF &shape : m_previewShapes)
            p.drawPolygon(shape);
    }

    if (!m_chosen.isNull()) {
        p.setPen(kHandleColour);
        if (m_chosenHandles) {
            p.setBrush(Qt::white);
            for (const auto &handle : handlesOf(m_chosen))
                p.drawRect(QRect(handle.second - QPoint(kHandleHalf, kHandleHalf), QSize(2 * kHandleHalf, 2 * kHandleHalf)));
        } else {
            p.setBrush(Qt::NoBrush);
            p.drawRect(m_chosen.adjusted(-2, -2, 1, 1));
        }
    }

    if (m_mmVisible) {
        p.setFont(m_mmFont);
        const QFontMetrics fm(m_mmFont);
        const QRect box(m_mmPos, QSize(fm.horizontalAdvance(m_mmText), fm.height()));
        p.fillRect(box, kMmLabelBackground);
        p.setPen(Qt::black);
        p.drawText(QPoint(box.x(), box.y() + fm.ascent()), m_mmText);
    }

    if (m_crossVisible) {
        p.setPen(kCrossHairColour);
        p.drawLine(m_lineHor);
        p.drawLine(m_lineVer);
    }

    if (m_printVisible) {
        p.setPen(kPrintLijnColour);
        p.drawLine(0, m_printY, m_geometry.width, m_printY);
    }
}

// Canvas positions are whole pixels. On a scaled screen the mouse reports
// fractions of a pixel; used as they come, a drag of one screen pixel would
// make a frame of 0 mm.
static double wholePixel(double v)
{
    return std::floor(v + 0.5);
}

// A gesture starts with the first button to go down and ends when the last
// one comes up, so pressing two buttons together still makes one frame.
void Pic::mousePressEvent(QMouseEvent *e)
{
    if (e->buttons() != e->button())
        return;
    emit mouseDown(e->buttons(), e->modifiers(), wholePixel(e->position().x()), wholePixel(e->position().y()));
}

void Pic::mouseMoveEvent(QMouseEvent *e)
{
    emit mouseMove(e->buttons(), e->modifiers(), wholePixel(e->position().x()), wholePixel(e->position().y()));
}

void Pic::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->buttons() != Qt::NoButton)
        return;
    emit mouseUp(e->buttons(), e->modifiers(), wholePixel(e->position().x()), wholePixel(e->position().y()));
}

// The second press of a double-click starts no gesture of its own.
void Pic::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit mouseDoubleClick(wholePixel(e->position().x()), wholePixel(e->position().y()));
}

void Pic::keyPressEvent(QKeyEvent *e)
{
    bool used = false;
    emit keyPressed(e->key(), e->modifiers(), &used);
    if (!used)
        QWidget::keyPressEvent(e);
}

bool Pic::event(QEvent *e)
{
    // Tab and shift+Tab would move the focus on before a key press is seen.
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            bool used = false;
            emit keyPressed(k->key(), k->modifiers(), &used);
            if (used)
                return true;
        }
    }
    return QWidget::event(e);
}

} // namespace plenvik
