#pragma once
// Frames entered by the numbers: one frame in millimetres, or a row of equal
// frames centred on the sheet with consecutive captions. Pure computations;
// the window asks for the values and draws the frames.

#include "design/canvasgeometry.h"
#include "design/pagedesign.h"

#include <QList>
#include <QRect>
#include <QString>

namespace plenvik {

struct KaderInvoer {
    int links = 20;
    int boven = 50;
    int breedte = 30;
    int hoogte = 30;
    bool binnenkader = false;
    QString onderschrift;
    QString afbeelding; // a picture file for the frame; empty for none
    QString regel2;
    QString regel3;
    Vorm vorm = Vorm::Rechthoek;
    Lijn lijn = Lijn::Doorgetrokken;
    bool operator==(const KaderInvoer &) const = default;
};

struct RijInvoer {
    int aantal = 4;
    int breedte = 30;
    int hoogte = 30;
    int tussenruimte = 5;
    int boven = 50;
    bool binnenkader = false;
    QString eersteOnderschrift;
    // The same for every frame of the row.
    QString regel2;
    QString regel3;
    Vorm vorm = Vorm::Rechthoek;
    Lijn lijn = Lijn::Doorgetrokken;
    bool operator==(const RijInvoer &) const = default;
};

// The frame as the design stores it: the millimetres as entered.
Kader kaderOf(const KaderInvoer &in);

// Why the frame cannot be added to a page of kaderCount frames, in the
// program's words; empty when it can.
QString checkKader(const KaderInvoer &in, int kaderCount, const Sheet &sheet = kSheetA4, int limit = kMinKadersPerPagina);

// "Maximum van 20 kaders bereikt!" with the page's own limit.
QString maximumKaders(int limit);

// Why a caption's lines 2 and 3 cannot be kept: too long, or a character
// that cannot be printed; empty when they can.
QString checkCaptionLines(const QString &regel2, const QString &regel3);

// The row's frames from left to right: centred on the middle of the sheet,
// the first left edge rounded half to even to a whole millimetre, then one
// frame width and gap apart.
QList<Kader> rowFrames(const RijInvoer &in, const Sheet &sheet = kSheetA4);

// Why the row cannot be added; empty when it can.
QString checkRij(const RijInvoer &in, int kaderCount, const Sheet &sheet = kSheetA4, int limit = kMinKadersPerPagina);

// The caption after this one: a caption ending in a whole number gets the
// next number, keeping its leading zeros ("NVPH 0099" gives "NVPH 0100");
// any other caption stays as it is.
QString nextCaption(const QString &caption);

// What the row dialog proposes after this row: the next row under it, with
// room for the captions.
RijInvoer nextRow(const RijInvoer &row);

// Where a frame in page millimetres stands on the canvas: the whole pixels
// nearest to its edges.
QRect canvasRectOf(const Kader &kader, const CanvasGeometry &geometry);

} // namespace plenvik
