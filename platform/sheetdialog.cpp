// " Papierformaat": A4, Letter, A5 or a size of the collector's own.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include "platform/numberfield.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFormLayout>
#include <QLocale>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct SheetDialog {
    Q_DECLARE_TR_FUNCTIONS(SheetDialog)
};

QString sizeText(const Sheet &s)
{
    const QLocale shown; // the window's language
    return SheetDialog::tr("%1 (%2 × %3 mm)").arg(sheetName(s), shown.toString(s.widthMm), shown.toString(s.heightMm));
}
} // namespace

std::optional<Sheet> QtExtraDialogs::papierformaat(const Sheet &current)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(SheetDialog::tr(" Papierformaat"));
    const Sheet standard[] = {kSheetA4, kSheetLetter, kSheetA5};
    auto *group = new QButtonGroup(&dialog);
    auto *outer = new QVBoxLayout(&dialog);
    QList<QRadioButton *> choices;
    for (const Sheet &s : standard) {
        auto *b = new QRadioButton(sizeText(s), &dialog);
        group->addButton(b);
        outer->addWidget(b);
        choices << b;
    }
    auto *eigen = new QRadioButton(SheetDialog::tr("Eigen formaat"), &dialog);
    group->addButton(eigen);
    outer->addWidget(eigen);
    const bool isStandard = std::find(std::begin(standard), std::end(standard), current) != std::end(standard);
    NumberField *breedte = tenthsMmField(&dialog, SheetDialog::tr("Breedte"), kMinSheetMm, kMaxSheetWidthMm, isStandard ? 210 : current.widthMm);
    NumberField *hoogte = tenthsMmField(&dialog, SheetDialog::tr("Hoogte"), kMinSheetMm, kMaxSheetHeightMm, isStandard ? 297 : current.heightMm);
    auto *form = new QFormLayout;
    form->setContentsMargins(24, 0, 0, 0);
    form->addRow(SheetDialog::tr("Breedte"), breedte);
    form->addRow(SheetDialog::tr("Hoogte"), hoogte);
    outer->addLayout(form);
    QLabel *hint = hintLine(&dialog);
    outer->addWidget(hint);
    QDialogButtonBox *buttons = okCancelButtons(dialog);
    outer->addWidget(buttons);

    QRadioButton *start = eigen;
    for (int i = 0; i < 3; ++i)
        if (standard[i] == current)
            start = choices[i];
    start->setChecked(true);
    // OK waits while a size of one's own cannot be taken.
    auto own = [=] {
        breedte->setEnabled(eigen->isChecked());
        hoogte->setEnabled(eigen->isChecked());
        const QString problem = fieldsProblem({breedte, hoogte});
        showHint(hint, problem, fieldsConversions({breedte, hoogte}));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    };
    QObject::connect(eigen, &QRadioButton::toggled, &dialog, own);
    for (NumberField *field : {breedte, hoogte})
        QObject::connect(field, &QLineEdit::textChanged, &dialog, own);
    own();
    tabChain({choices[0], choices[1], choices[2], eigen, breedte, hoogte});
    focusFirstField(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (choices[i]->isChecked())
            return standard[i];
    // Whole tenths, as the fields take them.
    return Sheet{breedte->number().value_or(210), hoogte->number().value_or(297)};
}

} // namespace plenvik
