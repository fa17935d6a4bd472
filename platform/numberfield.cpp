#include "platform/numberfield.h"

#include "design/typedlength.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <cmath>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct NumberFieldTexts {
    Q_DECLARE_TR_FUNCTIONS(NumberField)
};

double roundedTo(double v, int figures)
{
    const double scale = figures == 0 ? 1 : 10;
    return std::round(v * scale) / scale;
}
} // namespace

NumberField::NumberField(const QString &name, const QString &unit, double minimum, double maximum, int figures, QWidget *parent)
    : QLineEdit(parent), m_name(name), m_unit(unit), m_minimum(minimum), m_maximum(maximum), m_figures(figures),
      m_length(unit == QLatin1String(" mm"))
{
    setAlignment(Qt::AlignRight);
}

NumberField::NumberField(const QString &name, const QString &unit, int minimum, int maximum, int value, QWidget *parent)
    : NumberField(name, unit, double(minimum), double(maximum), 0, parent)
{
    setText(QString::number(value));
}

NumberField *NumberField::tenths(const QString &name, double minimum, double maximum, double value, QWidget *parent)
{
    auto *field = new NumberField(name, QStringLiteral(" mm"), minimum, maximum, 1, parent);
    field->setNumber(value);
    return field;
}

QString NumberField::shown(double v) const
{
    // The window's language writes the fraction: "215,9" in Dutch.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'f', std::abs(v - std::round(v)) < 1e-9 ? 0 : m_figures);
}

void NumberField::setNumber(double value)
{
    setText(shown(value));
}

std::optional<double> NumberField::number() const
{
    const TypedLength t = readTypedLength(text(), m_length);
    if (t.fault != TypedLength::Fault::None)
        return std::nullopt;
    // Without a unit the number is taken as typed, never rounded.
    if (!t.converted() && t.figures > m_figures && std::abs(t.mm - roundedTo(t.mm, m_figures)) > 1e-9)
        return std::nullopt;
    const double v = roundedTo(t.mm, m_figures);
    if (v < m_minimum - 1e-9 || v > m_maximum + 1e-9)
        return std::nullopt;
    return v;
}

std::optional<int> NumberField::value() const
{
    const std::optional<double> v = number();
    return v ? std::optional<int>(int(std::lround(*v))) : std::nullopt;
}

QString NumberField::conversion() const
{
    const TypedLength t = readTypedLength(text(), m_length);
    if (!t.converted() || !number())
        return {};
    return NumberFieldTexts::tr("%1 = %2 mm").arg(text().trimmed(), shown(*number()));
}

QString NumberField::problem() const
{
    if (number())
        return {};
    const QString typed = text().trimmed();
    const TypedLength t = readTypedLength(typed, m_length);
    const QString range = NumberFieldTexts::tr("%1 kan van %2 tot %3%4 zijn").arg(m_name, shown(m_minimum), shown(m_maximum), m_unit);
    switch (t.fault) {
    case TypedLength::Fault::Empty:
        return NumberFieldTexts::tr("%1; vul een getal in.").arg(range);
    case TypedLength::Fault::NotANumber:
        return NumberFieldTexts::tr("%1; '%2' is geen getal.").arg(range, typed);
    case TypedLength::Fault::UnknownUnit:
        return m_length ? NumberFieldTexts::tr("%1; de eenheid '%2' is onbekend: gebruik mm, cm, in of \".").arg(range, t.unit)
                        : NumberFieldTexts::tr("%1; '%2' is geen getal.").arg(range, typed);
    case TypedLength::Fault::None:
        break;
    }
    if (!t.converted() && t.figures > m_figures)
        return m_figures == 0 ? NumberFieldTexts::tr("%1, in hele getallen; %2 kan niet.").arg(range, typed)
                              : NumberFieldTexts::tr("%1, met één cijfer na de komma; %2 kan niet.").arg(range, typed);
    if (t.converted())
        return NumberFieldTexts::tr("%1; %2 (%3 mm) kan niet.").arg(range, typed, shown(roundedTo(t.mm, m_figures)));
    return NumberFieldTexts::tr("%1; %2 kan niet.").arg(range, typed);
}

void NumberField::keyPressEvent(QKeyEvent *event)
{
    const int step = event->key() == Qt::Key_Up ? 1 : event->key() == Qt::Key_Down ? -1 : 0;
    const std::optional<double> now = number();
    if (step == 0 || !now) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const double next = std::clamp(*now + step, m_minimum, m_maximum);
    if (next != *now)
        setNumber(next);
    selectAll();
}

} // namespace plenvik
