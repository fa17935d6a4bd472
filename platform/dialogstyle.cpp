#include "platform/dialogstyle.h"

#include <QDoubleSpinBox>

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

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

namespace {
class TenthsSpinBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    // Either mark typed becomes the one the window's language writes, so
    // "1,5" is never read as fifteen with a thousands separator.
    QValidator::State validate(QString &text, int &pos) const override
    {
        const QString point = locale().decimalPoint();
        for (QChar mark : {QLatin1Char(','), QLatin1Char('.')}) {
            if (point != QString(mark))
                text.replace(mark, point);
        }
        return QDoubleSpinBox::validate(text, pos);
    }
    double valueFromText(const QString &text) const override
    {
        QString typed = text;
        int pos = 0;
        validate(typed, pos);
        return QDoubleSpinBox::valueFromText(typed);
    }
};
} // namespace

QDoubleSpinBox *tenthsMmField(QWidget *parent, double minimum, double maximum, double value)
{
    auto *field = new TenthsSpinBox(parent);
    field->setDecimals(1);
    field->setRange(minimum, maximum);
    field->setSingleStep(0.5);
    field->setSuffix(QStringLiteral(" mm"));
    field->setValue(value);
    return field;
}

QSpinBox *mmField(QWidget *parent, int minimum, int maximum, int value)
{
    auto *field = new QSpinBox(parent);
    field->setRange(minimum, maximum);
    field->setValue(value);
    field->setSuffix(QStringLiteral(" mm"));
    field->setAccelerated(true);
    return field;
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
