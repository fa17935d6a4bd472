#pragma once
// A printer surface that works in millimetres from the printable area's
// corner, which lies 3 mm right of and 3 mm below the sheet's corner. The
// page is drawn through these calls alone, so a recording fake can stand in.

#include "design/calibration.h"
#include "design/sheet.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QTemporaryFile>
#include <QString>
#include <QTransform>
#include <memory>
#include <vector>

class QPageSize;
namespace plenvik {
class PdfPictureSpool;
}
class QPrinter;
class QPainter;
class QWidget;

namespace plenvik {

inline constexpr double kPrintableOffsetMm = 3.0;

enum class FillStyle { Solid, Transparent };

class PrinterSurface {
public:
    virtual ~PrinterSurface() = default;
    virtual void setFontName(const QString &face) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    // Upright unless a page's captions are italic; a surface that cannot
    // slant its letters prints them upright.
    virtual void setFontItalic(bool) {}
    virtual void setForeColor(const QColor &c) = 0;
    virtual void setFillStyle(FillStyle s) = 0;
    virtual void setFillColor(const QColor &c) = 0;
    // Outlined box between two corners; its inside takes the fill colour
    // while the fill style is solid.
    virtual void box(QPointF a, QPointF b, const QColor &line) = 0;
    // Box painted wholly in the line colour.
    virtual void filledBox(QPointF a, QPointF b, const QColor &line) = 0;
    // Outlined shape through 'points', closed, its inside as a box's; the
    // line solid or dashed.
    virtual void polygon(const QList<QPointF> &points, const QColor &line, bool dashed) = 0;
    // What is drawn from now on shows only inside 'points'; none shows
    // everything again.
    virtual void clip(const QList<QPointF> &points) = 0;
    virtual void setCurrentX(double mm) = 0;
    virtual void setCurrentY(double mm) = 0;
    // Text whose cell has its top-left corner at the current position.
    virtual void print(const QString &text) = 0;
    // Text drawn from 'origin' on its baseline, in the current font: a line
    // of text whose letters stand exactly where the page says.
    virtual void printOnBaseline(QPointF origin, const QString &text) = 0;
    // A stamp's stored picture (stamppicture.h) filling the box between two
    // corners, shown greyscale or not and at 'sterkte' per cent.
    virtual void picture(QPointF a, QPointF b, const QByteArray &stored, bool grijstinten, int sterkte) = 0;
    // What this surface draws a stored picture from, made ready on another
    // thread while the pages before it are drawn: so it reads nothing of
    // the surface that drawing changes.
    struct ReadyPicture {
        QImage shown;    // at the stored size, as a printer draws it
        QByteArray jpeg; // as a PDF file holds it
    };
    virtual ReadyPicture readyPicture(const QByteArray &stored, bool grijstinten, int sterkte, QSizeF mm) const;
    // The same picture made ready ahead by readyPicture().
    virtual void preparedPicture(QPointF a, QPointF b, const QByteArray &stored, bool grijstinten, int sterkte,
                                 const ReadyPicture &ready)
    {
        Q_UNUSED(ready);
        picture(a, b, stored, grijstinten, sterkte);
    }
    // Ends the sheet drawn so far and starts the next one of the same job.
    virtual bool newPage() = 0;
    // The paper of the sheet drawn from now on: given before anything is
    // drawn on it. A4 unless said.
    virtual void setSheet(const Sheet &sheet) = 0;
};

// A print job drawn in full before any of it reaches a printer. Qt's print
// engines cannot give a job up: whatever is drawn on them is printed when
// the painter ends. So every job is drawn here first, where Cancel or a
// failure simply drops it, and only a complete job is handed over.
class PrintJob : public PrinterSurface {
public:
    void setFontName(const QString &face) override { m_ops.push_back({Op::FontName, {}, {}, {}, 0, face}); }
    void setFontSize(double points) override { m_ops.push_back({Op::FontSize, {}, {}, {}, points, {}}); }
    void setFontBold(bool bold) override { m_ops.push_back({Op::FontBold, {}, {}, {}, bold ? 1.0 : 0.0, {}}); }
    void setFontItalic(bool italic) override { m_ops.push_back({Op::FontItalic, {}, {}, {}, italic ? 1.0 : 0.0, {}}); }
    void setForeColor(const QColor &c) override { m_ops.push_back({Op::ForeColor, {}, {}, c, 0, {}}); }
    void setFillStyle(FillStyle s) override { m_ops.push_back({Op::FillStyle, {}, {}, {}, s == FillStyle::Solid ? 1.0 : 0.0, {}}); }
    void setFillColor(const QColor &c) override { m_ops.push_back({Op::FillColor, {}, {}, c, 0, {}}); }
    void box(QPointF a, QPointF b, const QColor &line) override { m_ops.push_back({Op::Box, a, b, line, 0, {}}); }
    void filledBox(QPointF a, QPointF b, const QColor &line) override { m_ops.push_back({Op::FilledBox, a, b, line, 0, {}}); }
    void polygon(const QList<QPointF> &points, const QColor &line, bool dashed) override
    {
        m_ops.push_back({Op::Polygon, {}, {}, line, dashed ? 1.0 : 0.0, {}, 0, 0, false, points});
    }
    void clip(const QList<QPointF> &points) override { m_ops.push_back({Op::Clip, {}, {}, {}, 0, {}, 0, 0, false, points}); }
    void setCurrentX(double mm) override { m_ops.push_back({Op::CurrentX, {}, {}, {}, mm, {}}); }
    void setCurrentY(double mm) override { m_ops.push_back({Op::CurrentY, {}, {}, {}, mm, {}}); }
    void print(const QString &text) override { m_ops.push_back({Op::Print, {}, {}, {}, 0, text}); }
    void printOnBaseline(QPointF origin, const QString &text) override { m_ops.push_back({Op::Baseline, origin, {}, {}, 0, text}); }
    // Kept as stored, in a spool on disk: an album of any length holds
    // none of its pictures in memory until each is drawn.
    void picture(QPointF a, QPointF b, const QByteArray &stored, bool grijstinten, int sterkte) override;
    bool newPage() override
    {
        m_ops.push_back({Op::NewPage, {}, {}, {}, 0, {}});
        return true;
    }
    void setSheet(const Sheet &sheet) override
    {
        m_ops.push_back({Op::SheetSize, QPointF(sheet.widthMm, sheet.heightMm), {}, {}, 0, {}});
    }
    // Every paper the job's sheets are on.
    QList<Sheet> sheets() const;
    // What the job is called in the queue and in a PDF file's title.
    void setTitle(const QString &title) { m_title = title; }
    QString title() const { return m_title; }

    // Draws the whole job on a real surface, in order. The stamps' pictures
    // are made ready a few ahead on other threads while it draws. False,
    // before anything is drawn, when a picture could not be kept, and when
    // the surface could not start a sheet.
    bool replay(PrinterSurface &target) const;
    bool hasPictures() const { return m_spool != nullptr; }

private:
    struct Op {
        enum Kind { FontName, FontSize, FontBold, FontItalic, ForeColor, FillStyle, FillColor, Box, FilledBox, CurrentX, CurrentY, Print, NewPage, SheetSize, Picture, Baseline, Polygon, Clip } kind;
        QPointF a, b;
        QColor colour;
        double value;
        QString text;
        qint64 offset = 0; // a picture's place in the spool
        qint64 length = 0;
        bool grey = false;
        QList<QPointF> points; // a shape's
    };
    std::vector<Op> m_ops;
    std::shared_ptr<QTemporaryFile> m_spool;
    bool m_spoolFailed = false;
    QString m_title;
};

// The paper size a printer is asked for: the standard size by its name,
// another in millimetres.
QPageSize pageSizeOf(const Sheet &sheet);

// Paper millimetres (from the sheet's corner) to device pixels at a resolution.
QPointF sheetMmToDevice(QPointF printerMm, double dotsPerInch);

// The painter transform, in device pixels, that draws page millimetre p at
// (p - b) / a.
QTransform correctionTransform(const PrinterCorrection &correction, double dotsPerInch);

// Draws on a QPrinter set up by its owner. A correction moves and scales
// everything drawn on a printer, never on a PDF file.
class QtPrinterSurface : public PrinterSurface {
public:
    explicit QtPrinterSurface(QPrinter &printer, const PrinterCorrection &correction = {});
    ~QtPrinterSurface() override;

    void setFontName(const QString &face) override { m_face = face; }
    void setFontSize(double points) override { m_points = points; }
    void setFontBold(bool bold) override { m_bold = bold; }
    void setFontItalic(bool italic) override { m_italic = italic; }
    void setForeColor(const QColor &c) override { m_fore = c; }
    void setFillStyle(FillStyle s) override { m_fillStyle = s; }
    void setFillColor(const QColor &c) override { m_fill = c; }
    void box(QPointF a, QPointF b, const QColor &line) override;
    void filledBox(QPointF a, QPointF b, const QColor &line) override;
    void polygon(const QList<QPointF> &points, const QColor &line, bool dashed) override;
    void clip(const QList<QPointF> &points) override;
    void setCurrentX(double mm) override { m_current.setX(mm); }
    void setCurrentY(double mm) override { m_current.setY(mm); }
    void print(const QString &text) override;
    void printOnBaseline(QPointF origin, const QString &text) override;
    void picture(QPointF a, QPointF b, const QByteArray &stored, bool grijstinten, int sterkte) override;
    ReadyPicture readyPicture(const QByteArray &stored, bool grijstinten, int sterkte, QSizeF mm) const override;
    void preparedPicture(QPointF a, QPointF b, const QByteArray &stored, bool grijstinten, int sterkte,
                         const ReadyPicture &ready) override;
    // A PDF file's pictures go in as placeholders, and as JPEGs into
    // 'spool' to be put in their places (pdfpictures.h).
    void setPdfSpool(PdfPictureSpool *spool) { m_pdfSpool = spool; }
    bool newPage() override;
    void setSheet(const Sheet &sheet) override { m_sheet = sheet; }
    // Ends the document, which hands it to the printer or the file; an
    // empty job is still one sheet. False when the job failed.
    bool finish();

private:
    bool ensureStarted();
    QPointF dev(QPointF mm) const;
    void drawBox(QPointF a, QPointF b, const QColor &line, const QColor *fill);
    void applyCorrection();

    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
    bool m_failed = false;
    PrinterCorrection m_correction;
    Sheet m_sheet = kSheetA4;
    QString m_face = QStringLiteral("Arial");
    double m_points = 10;
    bool m_bold = false;
    bool m_italic = false;
    QColor m_fore = Qt::black;
    FillStyle m_fillStyle = FillStyle::Transparent;
    QColor m_fill = Qt::black;
    QPointF m_current;
    PdfPictureSpool *m_pdfSpool = nullptr;
};

// Writes a complete job as a PDF file beside 'path' and puts it in place
// only when whole. False, and any earlier file untouched, on failure.
bool writePdf(QPrinter &printer, const PrintJob &job, const QString &path);

// The program's one printer: Print Setup works on it, printing uses it.
class Printer {
public:
    virtual ~Printer() = default;
    // An installed printer, or a printer or file chosen in Print Setup.
    virtual bool hasDestination() = 0;
    // The print dialog; Cancel and errors pass silently.
    // Print Setup, opening on the paper of the page it is for.
    virtual void setup(QWidget *parent, const Sheet &sheet) = 0;
    // The printer a job without a PDF path goes to; empty when it goes to a
    // file (no printer, or "Print to File" chosen in Print Setup).
    virtual QString destinationPrinter() = 0;
    // Hands a complete job over: to 'pdfPath' when one is given, else to the
    // printer or the file chosen in Print Setup. A file is written beside
    // its name and put in place whole. The correction applies to a printer
    // only. False when the job failed.
    virtual bool print(const PrintJob &job, const QString &pdfPath, const PrinterCorrection &correction = {}) = 0;
    // Why the printer cannot take the job's paper, in the program's words;
    // empty when it can (a PDF file takes any).
    virtual QString refusedPaper(const PrintJob &job, const QString &pdfPath) = 0;
};

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    bool hasDestination() override;
    void setup(QWidget *parent, const Sheet &sheet) override;
    QString destinationPrinter() override;
    bool print(const PrintJob &job, const QString &pdfPath, const PrinterCorrection &correction = {}) override;
    QString refusedPaper(const PrintJob &job, const QString &pdfPath) override;

    // The printer as Print Setup leaves it; tests set it as the dialog
    // would, then call chosen().
    QPrinter &printer();
    void chosen() { m_chosen = true; }

private:
    std::unique_ptr<QPrinter> m_printer; // made on first use: print support costs start-up time
    bool m_chosen = false;
};

} // namespace plenvik
