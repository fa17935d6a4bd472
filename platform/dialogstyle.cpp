#include "platform/dialogstyle.h"

#include "platform/numberfield.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStringList>

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct DialogStyle {
    Q_DECLARE_TR_FUNCTIONS(DialogStyle)
};
} // namespace

QDialogButtonBox *okCancelButtons(QDialog &dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(DialogStyle::tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(DialogStyle::tr("Annuleren"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

NumberField *mmField(QWidget *parent, const QString &name, int minimum, int maximum, int value, const QString &unit)
{
    return new NumberField(name, unit, minimum, maximum, value, parent);
}

NumberField *tenthsMmField(QWidget *parent, const QString &name, double minimum, double maximum, double value)
{
    return NumberField::tenths(name, minimum, maximum, value, parent);
}

QLabel *hintLine(QWidget *parent)
{
    auto *hint = new QLabel(parent);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setMinimumHeight(2 * hint->fontMetrics().lineSpacing());
    return hint;
}

void showHint(QLabel *hint, const QString &problem, const QString &note)
{
    hint->setText(problem.isEmpty() ? note : problem);
    QPalette colour = hint->palette();
    colour.setColor(QPalette::WindowText, problem.isEmpty() ? QApplication::palette().color(QPalette::WindowText) : QColor(192, 0, 0));
    hint->setPalette(colour);
}

QString fieldsProblem(std::initializer_list<const NumberField *> fields)
{
    // A field greyed out is not used, and not checked.
    for (const NumberField *n : fields)
        if (const QString p = n->problem(); !p.isEmpty() && n->isEnabled())
            return p;
    return {};
}

QString fieldsConversions(std::initializer_list<const NumberField *> fields)
{
    QStringList out;
    for (const NumberField *n : fields)
        if (const QString c = n->conversion(); !c.isEmpty() && n->isEnabled())
            out << c;
    return out.join(QStringLiteral("; "));
}

void focusFirstField(QWidget *first)
{
    // Given before the dialog shows, the focus is the dialog's own choice
    // when it becomes active; no button takes it first.
    first->setFocus(Qt::OtherFocusReason);
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(first))
        spin->selectAll();
    else if (auto *line = qobject_cast<QLineEdit *>(first))
        line->selectAll();
}

void tabChain(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace plenvik
