#include "platform/numberfield.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpression>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct NumberFieldTexts {
    Q_DECLARE_TR_FUNCTIONS(NumberField)
};
} // namespace

NumberField::NumberField(const QString &name, const QString &unit, int minimum, int maximum, int value, QWidget *parent)
    : QLineEdit(QString::number(value), parent), m_name(name), m_unit(unit), m_minimum(minimum), m_maximum(maximum)
{
    setAlignment(Qt::AlignRight);
}

std::optional<int> NumberField::value() const
{
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,9}$"));
    const QString typed = text().trimmed();
    if (!whole.match(typed).hasMatch())
        return std::nullopt;
    const int v = typed.toInt();
    if (v < m_minimum || v > m_maximum)
        return std::nullopt;
    return v;
}

QString NumberField::problem() const
{
    static const QRegularExpression fraction(QStringLiteral("^-?[0-9]*[.,][0-9]*$"));
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,9}$"));
    const QString typed = text().trimmed();
    if (value())
        return {};
    const QString range = NumberFieldTexts::tr("%1 kan van %2 tot %3%4 zijn").arg(m_name).arg(m_minimum).arg(m_maximum).arg(m_unit);
    if (typed.isEmpty())
        return NumberFieldTexts::tr("%1; vul een getal in.").arg(range);
    if (fraction.match(typed).hasMatch() && typed.size() > 1)
        return NumberFieldTexts::tr("%1, in hele getallen; %2 kan niet.").arg(range, typed);
    if (!whole.match(typed).hasMatch())
        return NumberFieldTexts::tr("%1; '%2' is geen getal.").arg(range, typed);
    return NumberFieldTexts::tr("%1; %2 kan niet.").arg(range, typed);
}

void NumberField::keyPressEvent(QKeyEvent *event)
{
    const int step = event->key() == Qt::Key_Up ? 1 : event->key() == Qt::Key_Down ? -1 : 0;
    const std::optional<int> now = value();
    if (step == 0 || !now) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int next = std::clamp(*now + step, m_minimum, m_maximum);
    if (next != *now)
        setText(QString::number(next));
    selectAll();
}

} // namespace plenvik
