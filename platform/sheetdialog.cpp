// " Papierformaat": A4, Letter, A5 or a size of the collector's own.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
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
    QDoubleSpinBox *breedte = tenthsMmField(&dialog, kMinSheetMm, kMaxSheetWidthMm, isStandard ? 210 : current.widthMm);
    QDoubleSpinBox *hoogte = tenthsMmField(&dialog, kMinSheetMm, kMaxSheetHeightMm, isStandard ? 297 : current.heightMm);
    auto *form = new QFormLayout;
    form->setContentsMargins(24, 0, 0, 0);
    form->addRow(SheetDialog::tr("Breedte"), breedte);
    form->addRow(SheetDialog::tr("Hoogte"), hoogte);
    outer->addLayout(form);
    outer->addWidget(okCancelButtons(dialog));

    QRadioButton *start = eigen;
    for (int i = 0; i < 3; ++i)
        if (standard[i] == current)
            start = choices[i];
    start->setChecked(true);
    auto own = [=] {
        breedte->setEnabled(eigen->isChecked());
        hoogte->setEnabled(eigen->isChecked());
    };
    QObject::connect(eigen, &QRadioButton::toggled, &dialog, own);
    own();
    tabChain({choices[0], choices[1], choices[2], eigen, breedte, hoogte});
    focusFirstField(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (choices[i]->isChecked())
            return standard[i];
    // Whole tenths, as the fields show them.
    return Sheet{std::round(breedte->value() * 10) / 10, std::round(hoogte->value() * 10) / 10};
}

} // namespace plenvik
