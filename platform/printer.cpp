#include "platform/printer.h"

#include "platform/paperfit.h"
#include "platform/pdfpictures.h"

#include "library/stamppicture.h"

#include "library/safewrite.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLocale>
#include <QFontMetricsF>
#include <QPushButton>
#include <QPainter>
#include <QPainterPath>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct PrinterTexts {
    Q_DECLARE_TR_FUNCTIONS(Printer)
};
} // namespace

QPageSize pageSizeOf(const Sheet &sheet)
{
    if (sheet == kSheetA4)
        return QPageSize(QPageSize::A4);
    if (sheet == kSheetLetter)
        return QPageSize(QPageSize::Letter);
    if (sheet == kSheetA5)
        return QPageSize(QPageSize::A5);
    return QPageSize(QSizeF(sheet.widthMm, sheet.heightMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

QPointF sheetMmToDevice(QPointF printerMm, double dotsPerInch)
{
    const double perMm = dotsPerInch / 25.4;
    return {(printerMm.x() + kPrintableOffsetMm) * perMm, (printerMm.y() + kPrintableOffsetMm) * perMm};
}

QTransform correctionTransform(const PrinterCorrection &c, double dotsPerInch)
{
    const double perMm = dotsPerInch / 25.4;
    return QTransform(1 / c.ax, 0, 0, 1 / c.ay, -c.bx / c.ax * perMm, -c.by / c.ay * perMm);
}

QtPrinterSurface::QtPrinterSurface(QPrinter &printer, const PrinterCorrection &correction)
    : m_printer(printer), m_correction(correction)
{
}

QtPrinterSurface::~QtPrinterSurface()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

bool QtPrinterSurface::ensureStarted()
{
    if (m_painter)
        return m_painter->isActive();
    if (m_failed)
        return false;
    // Full-page mode puts the painter's origin on the paper's corner; the 3 mm
    // offset is then ours, exact, instead of margins rounded to whole points.
    m_printer.setFullPage(true);
    m_printer.setPageSize(pageSizeOf(m_sheet));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_failed = true;
        return false;
    }
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    applyCorrection();
    return true;
}

void QtPrinterSurface::applyCorrection()
{
    if (!m_correction.isNone() && m_printer.outputFormat() == QPrinter::NativeFormat)
        m_painter->setTransform(correctionTransform(m_correction, m_printer.resolution()));
}

QPointF QtPrinterSurface::dev(QPointF mm) const
{
    return sheetMmToDevice(mm, m_printer.resolution());
}

void QtPrinterSurface::drawBox(QPointF a, QPointF b, const QColor &line, const QColor *fill)
{
    if (!ensureStarted())
        return;
    const QRectF r = QRectF(dev(a), dev(b)).normalized();
    if (fill)
        m_painter->fillRect(r, *fill);
    QPen pen(line);
    pen.setWidthF(1.0); // one printer dot
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(r);
}

void QtPrinterSurface::box(QPointF a, QPointF b, const QColor &line)
{
    drawBox(a, b, line, m_fillStyle == FillStyle::Solid ? &m_fill : nullptr);
}

void QtPrinterSurface::filledBox(QPointF a, QPointF b, const QColor &line)
{
    drawBox(a, b, line, &line);
}

void QtPrinterSurface::polygon(const QList<QPointF> &points, const QColor &line, bool dashed)
{
    if (!ensureStarted() || points.size() < 2)
        return;
    QPolygonF shape;
    for (const QPointF &p : points)
        shape << dev(p);
    QPen pen(line);
    pen.setWidthF(1.0); // one printer dot, as a box's
    pen.setJoinStyle(Qt::MiterJoin);
    if (dashed) {
        // Dashes of 1.5 mm, 1 mm apart, at any resolution; the pattern
        // counts in pen widths, here one dot each.
        const double dotsPerMm = m_printer.resolution() / 25.4;
        pen.setDashPattern({1.5 * dotsPerMm, 1.0 * dotsPerMm});
    }
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_painter->setPen(pen);
    if (m_fillStyle == FillStyle::Solid)
        m_painter->setBrush(m_fill);
    else
        m_painter->setBrush(Qt::NoBrush);
    m_painter->drawPolygon(shape);
    m_painter->restore();
}

void QtPrinterSurface::clip(const QList<QPointF> &points)
{
    if (!ensureStarted())
        return;
    if (points.isEmpty()) {
        m_painter->setClipping(false);
        return;
    }
    QPolygonF shape;
    for (const QPointF &p : points)
        shape << dev(p);
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    m_painter->setClipPath(path);
}

void QtPrinterSurface::print(const QString &text)
{
    if (!ensureStarted())
        return;
    QFont font(m_face);
    font.setPointSizeF(m_points);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    m_painter->setFont(font);
    m_painter->setPen(m_fore);
    const QFontMetricsF fm(font, &m_printer);
    const QPointF topLeft = dev(m_current);
    m_painter->drawText(QPointF(topLeft.x(), topLeft.y() + fm.ascent()), text);
    m_current.setY(m_current.y() + fm.height() * 25.4 / m_printer.resolution());
}

void QtPrinterSurface::printOnBaseline(QPointF origin, const QString &text)
{
    if (!ensureStarted())
        return;
    QFont font(m_face);
    font.setPointSizeF(m_points);
    font.setBold(m_bold);
    font.setItalic(m_italic);
    // Placed as measured: the face's own widths, not those of hinted pixels.
    font.setHintingPreference(QFont::PreferNoHinting);
    m_painter->setFont(font);
    m_painter->setPen(m_fore);
    m_painter->drawText(dev(origin), text);
}

void QtPrinterSurface::picture(QPointF a, QPointF b, const QByteArray &stored, bool grijstinten, int sterkte)
{
    preparedPicture(a, b, stored, grijstinten, sterkte,
                    readyPicture(stored, grijstinten, sterkte, QRectF(a, b).normalized().size()));
}

QtPrinterSurface::ReadyPicture QtPrinterSurface::readyPicture(const QByteArray &stored, bool grijstinten, int sterkte,
                                                              QSizeF mm) const
{
    // A PDF file holds a picture as paper needs it; a printer gets the
    // stored picture at its full size, and decides itself how finely.
    if (m_pdfSpool) {
        ReadyPicture ready;
        QSize size;
        ready.jpeg = printedPicture(stored, grijstinten, sterkte, mm, kPdfPictureDpi, &size);
        return ready;
    }
    return PrinterSurface::readyPicture(stored, grijstinten, sterkte, mm);
}

void QtPrinterSurface::preparedPicture(QPointF a, QPointF b, const QByteArray &, bool, int, const ReadyPicture &ready)
{
    if (!ensureStarted() || (ready.shown.isNull() && ready.jpeg.isEmpty()))
        return;
    const QRectF where = QRectF(dev(a), dev(b)).normalized();
    if (m_pdfSpool) {
        // The placeholder takes the picture's place once the file is written.
        if (!m_pdfSpool->add(ready.jpeg))
            m_failed = true;
        m_painter->drawImage(where, pdfPlaceholder());
        return;
    }
    m_painter->save();
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->drawImage(where, ready.shown);
    m_painter->restore();
}

bool QtPrinterSurface::newPage()
{
    if (!ensureStarted())
        return false;
    // The next sheet's paper, which one job may change from sheet to sheet.
    m_printer.setPageSize(pageSizeOf(m_sheet));
    if (!m_printer.newPage())
        return false;
    // Each sheet is corrected alike.
    applyCorrection();
    return true;
}

bool QtPrinterSurface::finish()
{
    if (!ensureStarted())
        return false;
    return m_painter->end() && !m_failed;
}

namespace {
// Draws the whole job on the printer as it is set up now.
bool printOn(QPrinter &printer, const PrintJob &job, const PrinterCorrection &correction, PdfPictureSpool *spool = nullptr)
{
    QtPrinterSurface surface(printer, correction);
    surface.setPdfSpool(spool);
    const bool drawn = job.replay(surface);
    return surface.finish() && drawn;
}
} // namespace

bool writePdf(QPrinter &printer, const PrintJob &job, const QString &path)
{
    const QString part = createPartFile(path);
    if (part.isEmpty())
        return false;
    // With pictures, Qt writes the file elsewhere first and the program's
    // own pictures are put in as it is copied to its place.
    QTemporaryFile qtFile;
    PdfPictureSpool spool;
    if (job.hasPictures() && !qtFile.open()) {
        QFile::remove(part);
        return false;
    }
    // The printer's own destination (a printer, or a file chosen in Print
    // Setup) is put back afterwards.
    const QPrinter::OutputFormat format = printer.outputFormat();
    const QString file = printer.outputFileName();
    const QString printerName = printer.printerName();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(job.hasPictures() ? qtFile.fileName() : part);
    bool drawn = printOn(printer, job, {}, job.hasPictures() ? &spool : nullptr);
    printer.setOutputFileName(file);
    printer.setOutputFormat(format);
    if (format == QPrinter::NativeFormat)
        printer.setPrinterName(printerName);
    if (drawn && job.hasPictures()) {
        QFile out(part);
        qtFile.seek(0);
        drawn = out.open(QIODevice::WriteOnly) && putPicturesInPdf(qtFile, out, spool) && out.flush();
    }
    if (!drawn) {
        QFile::remove(part);
        return false;
    }
    return putPartInPlace(part, path);
}

namespace {
class KeepHidden : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            static_cast<QWidget *>(watched)->hide();
        return false;
    }
};
} // namespace

QtPrinter::QtPrinter() = default;

QPrinter &QtPrinter::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
    }
    return *m_printer;
}

QtPrinter::~QtPrinter() = default;

bool QtPrinter::hasDestination()
{
    return m_chosen || !QPrinterInfo::availablePrinters().isEmpty();
}

void QtPrinter::setup(QWidget *parent, const Sheet &sheet)
{
    printer().setPageSize(pageSizeOf(sheet));
    // Qt's print dialog serves here only to choose the printer and its
    // settings: its confirming button says "OK", not "Print", and the page
    // range, which belongs to a print job, is left out.
    QPrintDialog dlg(&printer(), parent);
    dlg.setWindowTitle(PrinterTexts::tr(" Print Setup"));
    dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    for (QDialogButtonBox *buttons : dlg.findChildren<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(PrinterTexts::tr("OK"));
    }
    // The range group ("Print all", "Pages from") belongs to a print job;
    // the dialog shows it again whenever its options page opens.
    KeepHidden keepHidden;
    if (QWidget *range = dlg.findChild<QWidget *>(QStringLiteral("gbPrintRange")))
        range->installEventFilter(&keepHidden);
    if (dlg.exec() == QDialog::Accepted)
        chosen();
}

QString QtPrinter::destinationPrinter()
{
    if (m_chosen) {
        const QPrinter &p = printer();
        return p.outputFormat() == QPrinter::NativeFormat ? p.printerName() : QString();
    }
    const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (!chosen.isNull())
        return chosen.printerName();
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    return all.isEmpty() ? QString() : all.constFirst().printerName();
}

bool QtPrinter::print(const PrintJob &job, const QString &pdfPath, const PrinterCorrection &correction)
{
    QPrinter &p = printer();
    p.setDocName(job.title().isEmpty() ? PrinterTexts::tr("Plenvik supplement") : job.title());
    if (!pdfPath.isEmpty())
        return writePdf(p, job, pdfPath);
    // "Print to File" in Print Setup: the file is written as any PDF is.
    if (m_chosen && p.outputFormat() == QPrinter::PdfFormat)
        return !p.outputFileName().isEmpty() && writePdf(p, job, p.outputFileName());
    // Without a choice in Print Setup the job goes to the default printer.
    if (!m_chosen) {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setOutputFileName(QString());
        p.setPrinterName(destinationPrinter());
    }
    return printOn(p, job, correction);
}

QString QtPrinter::refusedPaper(const PrintJob &job, const QString &pdfPath)
{
    QPrinter &p = printer();
    if (!pdfPath.isEmpty() || (m_chosen && p.outputFormat() == QPrinter::PdfFormat))
        return {};
    const QString name = m_chosen ? p.printerName() : destinationPrinter();
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return {};
    QList<QSizeF> papers;
    for (const QPageSize &size : info.supportedPageSizes())
        papers << size.size(QPageSize::Millimeter);
    std::optional<CustomPaperRange> custom;
    if (info.supportsCustomPageSizes())
        custom = CustomPaperRange{info.minimumPhysicalPageSize().size(QPageSize::Millimeter),
                                  info.maximumPhysicalPageSize().size(QPageSize::Millimeter)};
    return paperRefusal(job.sheets(), papers, custom, name);
}

} // namespace plenvik
