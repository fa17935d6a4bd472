#include "platform/printer.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QPushButton>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cstdio>

namespace plenvik {

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

QtPrinterSurface::QtPrinterSurface(QPrinter &printer, const QString &pdfPath, const PrinterCorrection &correction)
    : m_printer(printer), m_pdfPath(pdfPath), m_correction(correction)
{
    if (m_pdfPath.isEmpty())
        return;
    // A name of our own in the same folder, so the final rename stays on
    // one file system and replaces the old file in one step.
    QTemporaryFile part(m_pdfPath + QStringLiteral(".XXXXXX"));
    part.setAutoRemove(false);
    if (!part.open()) {
        m_failed = true;
        return;
    }
    m_partPath = part.fileName();
    part.close();
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(m_partPath);
}

QtPrinterSurface::~QtPrinterSurface()
{
    if (!m_done)
        abort();
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
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_failed = true;
        return false;
    }
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    if (!m_correction.isNone() && m_printer.outputFormat() == QPrinter::NativeFormat)
        m_painter->setTransform(correctionTransform(m_correction, m_printer.resolution()));
    return true;
}

QPointF QtPrinterSurface::dev(QPointF mm) const
{
    return sheetMmToDevice(mm, m_printer.resolution());
}

void QtPrinterSurface::setFontName(const QString &face)
{
    m_face = face;
}

void QtPrinterSurface::setFontSize(double points)
{
    m_points = points;
}

void QtPrinterSurface::setFontBold(bool bold)
{
    m_bold = bold;
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

void QtPrinterSurface::print(const QString &text)
{
    if (!ensureStarted())
        return;
    QFont font(m_face);
    font.setPointSizeF(m_points);
    font.setBold(m_bold);
    m_painter->setFont(font);
    m_painter->setPen(m_fore);
    const QFontMetricsF fm(font, &m_printer);
    const QPointF topLeft = dev(m_current);
    m_painter->drawText(QPointF(topLeft.x(), topLeft.y() + fm.ascent()), text);
    m_current.setY(m_current.y() + fm.height() * 25.4 / m_printer.resolution());
}

bool QtPrinterSurface::newPage()
{
    if (!ensureStarted() || !m_printer.newPage())
        return false;
    // Each sheet is corrected alike.
    if (!m_correction.isNone() && m_printer.outputFormat() == QPrinter::NativeFormat)
        m_painter->setTransform(correctionTransform(m_correction, m_printer.resolution()));
    return true;
}

bool QtPrinterSurface::endDoc()
{
    // An empty page is still one sheet: start the job if nothing was drawn.
    if (!ensureStarted()) {
        abort();
        return false;
    }
    m_done = true;
    bool ok = m_painter->end();
    if (!m_partPath.isEmpty()) {
        ok = ok && std::rename(QFile::encodeName(m_partPath).constData(), QFile::encodeName(m_pdfPath).constData()) == 0;
        if (!ok)
            QFile::remove(m_partPath);
        m_printer.setOutputFileName(QString()); // the next job is the printer's again
    }
    return ok;
}

void QtPrinterSurface::abort()
{
    m_done = true;
    if (m_painter && m_painter->isActive()) {
        m_printer.abort();
        if (m_painter->isActive())
            m_painter->end();
    }
    if (!m_partPath.isEmpty()) {
        QFile::remove(m_partPath);
        m_printer.setOutputFileName(QString());
    }
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

void QtPrinter::setup(QWidget *parent)
{
    // Qt's print dialog serves here only to choose the printer and its
    // settings: its confirming button says "OK", not "Print", and the page
    // range, which belongs to a print job, is left out.
    QPrintDialog dlg(&printer(), parent);
    dlg.setWindowTitle(QStringLiteral(" Print Setup"));
    dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    for (QDialogButtonBox *buttons : dlg.findChildren<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    // The range group ("Print all", "Pages from") belongs to a print job;
    // the dialog shows it again whenever its options page opens.
    KeepHidden keepHidden;
    if (QWidget *range = dlg.findChild<QWidget *>(QStringLiteral("gbPrintRange")))
        range->installEventFilter(&keepHidden);
    if (dlg.exec() == QDialog::Accepted)
        m_chosen = true;
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

std::unique_ptr<PrinterSurface> QtPrinter::startJob(const QString &pdfPath, const PrinterCorrection &correction)
{
    printer();
    // Without a choice in Print Setup the job goes to the default printer.
    if (pdfPath.isEmpty() && !m_chosen) {
        m_printer->setOutputFileName(QString());
        m_printer->setPrinterName(destinationPrinter());
    }
    m_printer->setDocName(QStringLiteral("Plenvik supplement"));
    return std::make_unique<QtPrinterSurface>(*m_printer, pdfPath, pdfPath.isEmpty() ? correction : PrinterCorrection{});
}

} // namespace plenvik
