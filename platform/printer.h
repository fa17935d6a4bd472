#pragma once
// A printer surface that works in millimetres from the printable area's
// corner, which lies 3 mm right of and 3 mm below the sheet's corner. The
// page is drawn through these calls alone, so a recording fake can stand in.

#include "design/calibration.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <memory>

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
    virtual void setForeColor(const QColor &c) = 0;
    virtual void setFillStyle(FillStyle s) = 0;
    virtual void setFillColor(const QColor &c) = 0;
    // Outlined box between two corners; its inside takes the fill colour
    // while the fill style is solid.
    virtual void box(QPointF a, QPointF b, const QColor &line) = 0;
    // Box painted wholly in the line colour.
    virtual void filledBox(QPointF a, QPointF b, const QColor &line) = 0;
    virtual void setCurrentX(double mm) = 0;
    virtual void setCurrentY(double mm) = 0;
    // Text whose cell has its top-left corner at the current position.
    virtual void print(const QString &text) = 0;
    // Ends the sheet drawn so far and starts the next one of the same job.
    virtual bool newPage() = 0;
    // Ends the document and sends the page; false when the job failed.
    virtual bool endDoc() = 0;
    // Gives the job up: nothing reaches the printer and no file is left.
    virtual void abort() = 0;
};

// Paper millimetres (from the sheet's corner) to device pixels at a resolution.
QPointF sheetMmToDevice(QPointF printerMm, double dotsPerInch);

// The painter transform, in device pixels, that draws page millimetre p at
// (p - b) / a.
QTransform correctionTransform(const PrinterCorrection &correction, double dotsPerInch);

class QtPrinterSurface : public PrinterSurface {
public:
    // With a PDF path the job is written to a file of its own beside it and
    // put in its place only when complete, so an earlier file of that name
    // stays whole until then, and an aborted job leaves no file at all.
    // A correction moves and scales everything drawn on a printer, never on
    // a PDF file.
    explicit QtPrinterSurface(QPrinter &printer, const QString &pdfPath = {}, const PrinterCorrection &correction = {});
    ~QtPrinterSurface() override;

    void setFontName(const QString &face) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setForeColor(const QColor &c) override { m_fore = c; }
    void setFillStyle(FillStyle s) override { m_fillStyle = s; }
    void setFillColor(const QColor &c) override { m_fill = c; }
    void box(QPointF a, QPointF b, const QColor &line) override;
    void filledBox(QPointF a, QPointF b, const QColor &line) override;
    void setCurrentX(double mm) override { m_current.setX(mm); }
    void setCurrentY(double mm) override { m_current.setY(mm); }
    void print(const QString &text) override;
    bool newPage() override;
    bool endDoc() override;
    void abort() override;

private:
    bool ensureStarted();
    QPointF dev(QPointF mm) const;
    void drawBox(QPointF a, QPointF b, const QColor &line, const QColor *fill);

    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
    bool m_failed = false;
    bool m_done = false;
    QString m_pdfPath;  // where the finished PDF goes
    QString m_partPath; // where it is written until then
    PrinterCorrection m_correction;
    QString m_face = QStringLiteral("Arial");
    double m_points = 10;
    bool m_bold = false;
    QColor m_fore = Qt::black;
    FillStyle m_fillStyle = FillStyle::Transparent;
    QColor m_fill = Qt::black;
    QPointF m_current;
};

// The program's one printer: Print Setup works on it, printing uses it.
class Printer {
public:
    virtual ~Printer() = default;
    // An installed printer, or a printer or file chosen in Print Setup.
    virtual bool hasDestination() = 0;
    // The print dialog; Cancel and errors pass silently.
    virtual void setup(QWidget *parent) = 0;
    // The printer a job without a PDF path goes to; empty when it goes to a
    // file (no printer, or "Print to File" chosen in Print Setup).
    virtual QString destinationPrinter() = 0;
    // A surface for one job; pdfPath, when given, sends it to that file.
    // The correction applies to a printer only.
    virtual std::unique_ptr<PrinterSurface> startJob(const QString &pdfPath, const PrinterCorrection &correction = {}) = 0;
};

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;
    bool hasDestination() override;
    void setup(QWidget *parent) override;
    QString destinationPrinter() override;
    std::unique_ptr<PrinterSurface> startJob(const QString &pdfPath, const PrinterCorrection &correction = {}) override;

private:
    // Made on first use: loading the print support costs start-up time.
    QPrinter &printer();
    std::unique_ptr<QPrinter> m_printer;
    bool m_chosen = false;
};

} // namespace plenvik
