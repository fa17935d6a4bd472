// " Printer ijken": what the user measured on the calibration sheet.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct IjkDialog {
    Q_DECLARE_TR_FUNCTIONS(IjkDialog)
};
} // namespace

namespace {
// Millimetres with at most one decimal, a comma or a point.
QLineEdit *tenthsField(QWidget *parent, double value)
{
    // Shown in the window's language; typed with a comma or a point.
    const QLocale shown;
    QString text = shown.toString(value, 'f', 1);
    if (text.endsWith(shown.decimalPoint() + QLatin1Char('0')))
        text.chop(1 + shown.decimalPoint().size());
    auto *field = new QLineEdit(text, parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}([.,]\\d?)?")), field));
    return field;
}

double valueOf(const QLineEdit *field)
{
    bool ok = false;
    const double v = QString(field->text()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? v : 0; // an empty field is refused as a measurement
}
} // namespace

IjkKeuze QtExtraDialogs::printerIjken(const QString &printer, const QString &inForce, IjkMaten &maten)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(IjkDialog::tr(" Printer ijken"));
    auto *intro = new QLabel(IjkDialog::tr("Wat u op het ijkblad van %1 hebt gemeten, in millimeters:").arg(printer), &dialog);
    auto *a = tenthsField(&dialog, maten.a);
    auto *b = tenthsField(&dialog, maten.b);
    auto *c = tenthsField(&dialog, maten.c);
    auto *d = tenthsField(&dialog, maten.d);
    auto *form = new QFormLayout;
    form->addRow(IjkDialog::tr("A, de liggende lijn (180)"), a);
    form->addRow(IjkDialog::tr("B, de staande lijn (270)"), b);
    form->addRow(IjkDialog::tr("C, linkerrand tot staande lijn (30)"), c);
    form->addRow(IjkDialog::tr("D, bovenrand tot liggende lijn (30)"), d);
    auto *now = new QLabel(inForce, &dialog);
    now->setWordWrap(true);
    QDialogButtonBox *buttons = okCancelButtons(dialog);
    QPushButton *herstellen = buttons->addButton(IjkDialog::tr("Herstellen"), QDialogButtonBox::ResetRole);
    herstellen->setAutoDefault(false);
    bool reset = false;
    QObject::connect(herstellen, &QPushButton::clicked, &dialog, [&] {
        reset = true;
        dialog.accept();
    });
    auto *outer = new QVBoxLayout(&dialog);
    outer->addWidget(intro);
    outer->addLayout(form);
    outer->addWidget(now);
    outer->addWidget(buttons);
    tabChain({a, b, c, d, buttons});

    focusFirstField(a);
    if (dialog.exec() != QDialog::Accepted)
        return IjkKeuze::Annuleren;
    if (reset)
        return IjkKeuze::Herstellen;
    maten = IjkMaten{valueOf(a), valueOf(b), valueOf(c), valueOf(d)};
    return IjkKeuze::Ok;
}

} // namespace plenvik
