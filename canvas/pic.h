#pragma once
// The page canvas: a persistent picture of the sheet (341 x 521 for A4:
// grid, frames, captions) with overlay elements drawn above it that never
// become part of the picture (border, page texts, rubber band, read-out,
// cross-hair, print sweep).

#include "canvas/canvastexts.h"
#include "canvas/framepictures.h"
#include "canvas/shapedraw.h"
#include "design/canvasgeometry.h"
#include "design/pagestyle.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QList>
#include <QRect>
#include <QPolygonF>
#include <QWidget>

namespace plenvik {

class Pic : public QWidget {
    Q_OBJECT
public:
    enum class PageText { Titel, SubTitel, PaginaLabel };

    explicit Pic(QWidget *parent = nullptr);

    // The sheet's size and places on the canvas; A4 until told otherwise.
    // The picture is not touched: a caller that changes the sheet gives a
    // picture of the new size.
    void setSheetGeometry(const CanvasGeometry &geometry);
    const CanvasGeometry &sheetGeometry() const { return m_geometry; }

    const QImage &picture() const { return m_picture; }
    QImage &picture() { return m_picture; }
    // Replaces everything painted so far.
    void setPicture(const QImage &image);
    // Plain white, no grid.
    void clearPicture();
    void pictureChanged() { update(); }

    // The stamps' pictures, shown over the picture in their frames.
    void setFramePictures(const QList<CanvasPicture> &pictures);
    const QList<CanvasPicture> &framePictures() const { return m_framePictures; }

    // The page's lines of text, shown over the picture.
    void setTeksten(const QList<CanvasTekst> &teksten);
    const QList<CanvasTekst> &teksten() const { return m_teksten; }

    // Border outline: line width in pixels, drawn inside its bounds.
    void setLijst(bool visible, int width, const QColor &colour);
    void setLijstColour(const QColor &colour);
    bool lijstVisible() const { return m_lijstVisible; }
    int lijstWidth() const { return m_lijstWidth; }
    QColor lijstColour() const { return m_lijstColour; }
    // The page's style: where the border and the page texts stand, and the
    // collector's border lines in their colour.
    void setOpmaak(const PaginaOpmaak &style, const Sheet &sheet, const QColor &lineColour);
    const CanvasOpmaak &canvasOpmaak() const { return m_opmaak; }

    // Where the page texts stand: centred on the sheet, their tops here.
    int pageTextTop(PageText which) const
    {
        return which == PageText::Titel      ? m_opmaak.titleTop
               : which == PageText::SubTitel ? m_opmaak.subtitleTop
                                             : m_opmaak.pageNumberTop;
    }

    // A self-sizing text label at its place on the canvas.
    void setPageTextCaption(PageText which, const QString &caption);
    // The text without its outer blanks, centred at its place.
    void centrePageText(PageText which, const QString &text);
    void placePageText(PageText which, int left, int top);
    int pageTextWidth(PageText which) const;
    QRect pageTextRect(PageText which) const;
    QString pageTextCaption(PageText which) const;

    // Rubber band, in canvas units.
    void setLayer(bool visible, const QRect &r = {});
    bool layerVisible() const { return m_layerVisible; }
    QRect layerRect() const { return m_layer; }

    void setMmLabel(bool visible, const QString &text = {}, QPoint topLeft = {});
    void moveMmLabel(QPoint topLeft);
    void setMmLabelText(const QString &text);
    void setMmLabelVisible(bool visible);
    bool mmLabelVisible() const { return m_mmVisible; }
    QString mmLabelText() const { return m_mmText; }
    QPoint mmLabelPos() const { return m_mmPos; }

    void setCrossHairVisible(bool visible);
    void setCrossHairLines(const QLine &hor, const QLine &ver);
    bool crossHairVisible() const { return m_crossVisible; }
    QLine lineHor() const { return m_lineHor; }
    QLine lineVer() const { return m_lineVer; }

    // Where frames being entered will stand, each by its corner pixels:
    // outlines over the picture that never become part of it.
    // Dashed outlines where frames would go, with the shapes of those that
    // are not rectangles.
    void setPreview(const QList<QRect> &corners, const QList<QPolygonF> &shapes = {});
    // Caption lines drawn in red over the picture: those that touch
    // something on paper.
    void setClashingCaptions(const QList<CanvasCaption> &captions);
    const QList<CanvasCaption> &clashingCaptions() const { return m_clashing; }
    QList<QRect> preview() const { return m_preview; }

    // The chosen frame's outline, marked with handles that are never part
    // of the picture; an empty rectangle for none. A chosen text, which has
    // no size to drag, is ringed instead, clear of its letters.
    void setChosen(const QRect &outline, bool handles = true);
    QRect chosen() const { return m_chosen; }

    void setPrintLijn(bool visible, int y = 0);
    bool printLijnVisible() const { return m_printVisible; }
    int printLijnY() const { return m_printY; }

signals:
    void mouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, double x, double y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, double x, double y);
    void mouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, double x, double y);
    void mouseDoubleClick(double x, double y);
    // A key pressed while the canvas has the focus; 'used' set to true
    // keeps it from going further (Tab from moving the focus on).
    void keyPressed(int key, Qt::KeyboardModifiers mods, bool *used);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool event(QEvent *e) override;

private:
    struct TextLabel {
        QString caption;
        QPoint pos;
        QFont font;
    };
    void scalePageTextFonts();
    TextLabel &label(PageText which);
    const TextLabel &label(PageText which) const;

    CanvasGeometry m_geometry;
    PaginaOpmaak m_style;
    Sheet m_sheet = kSheetA4;
    CanvasOpmaak m_opmaak = plenvik::canvasOpmaak(m_geometry, m_style, m_sheet);
    QColor m_lijnColour = Qt::black;
    QImage m_picture;
    QList<CanvasPicture> m_framePictures;
    QList<CanvasTekst> m_teksten;
    bool m_lijstVisible = false;
    int m_lijstWidth = 1;
    QColor m_lijstColour = Qt::black;
    TextLabel m_titel, m_subTitel, m_pagina;
    bool m_layerVisible = false;
    QRect m_layer;
    bool m_mmVisible = false;
    QString m_mmText = QStringLiteral("mm");
    QPoint m_mmPos;
    QFont m_mmFont;
    bool m_crossVisible = false;
    QLine m_lineHor, m_lineVer;
    QList<QRect> m_preview;
    QList<QPolygonF> m_previewShapes;
    QList<CanvasCaption> m_clashing;
    QRect m_chosen;
    bool m_chosenHandles = true;
    bool m_printVisible = false;
    int m_printY = 0;
};

} // namespace plenvik
