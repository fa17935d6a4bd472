// " Printer ijken": what the user measured on the calibration sheet.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"
#include "platform/numberfield.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct IjkDialog {
    Q_DECLARE_TR_FUNCTIONS(IjkDialog)
};
} // namespace

IjkKeuze QtExtraDialogs::printerIjken(const QString &printer, const QString &inForce, IjkMaten &maten)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(IjkDialog::tr(" Printer ijken"));
    auto *intro = new QLabel(IjkDialog::tr("Wat u op het ijkblad van %1 hebt gemeten, in millimeters:").arg(printer), &dialog);
    // Any length a ruler gives; whether the printer can have drawn it is
    // the calibration's question, asked after OK.
    NumberField *a = tenthsMmField(&dialog, QStringLiteral("A"), 1, 999.9, maten.a);
    NumberField *b = tenthsMmField(&dialog, QStringLiteral("B"), 1, 999.9, maten.b);
    NumberField *c = tenthsMmField(&dialog, QStringLiteral("C"), 1, 999.9, maten.c);
    NumberField *d = tenthsMmField(&dialog, QStringLiteral("D"), 1, 999.9, maten.d);
    auto *form = new QFormLayout;
    form->addRow(IjkDialog::tr("A, de liggende lijn (180)"), a);
    form->addRow(IjkDialog::tr("B, de staande lijn (270)"), b);
    form->addRow(IjkDialog::tr("C, linkerrand tot staande lijn (30)"), c);
    form->addRow(IjkDialog::tr("D, bovenrand tot liggende lijn (30)"), d);
    QLabel *hint = hintLine(&dialog);
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
    outer->addWidget(hint);
    outer->addWidget(now);
    outer->addWidget(buttons);
    tabChain({a, b, c, d, buttons});
    // OK waits while a measurement cannot be taken; "Herstellen" needs none.
    auto check = [=] {
        const QString problem = fieldsProblem({a, b, c, d});
        showHint(hint, problem, fieldsConversions({a, b, c, d}));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    };
    for (NumberField *field : {a, b, c, d})
        QObject::connect(field, &QLineEdit::textChanged, &dialog, check);
    check();

    focusFirstField(a);
    if (dialog.exec() != QDialog::Accepted)
        return IjkKeuze::Annuleren;
    if (reset)
        return IjkKeuze::Herstellen;
    maten = IjkMaten{*a->number(), *b->number(), *c->number(), *d->number()};
    return IjkKeuze::Ok;
}

} // namespace plenvik
