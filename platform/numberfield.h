#pragma once
// A field for a number (millimetres, or a count) that keeps every
// character typed. A spin box quietly refuses a key that would take it past
// its limits, so "299" in a field that stops at 297 becomes "29"; and it
// drops a comma, so "1,5" becomes 15. This field shows what was typed and
// says what it cannot take; the dialog holds OK back until it can.
//
// A length takes a unit after the number (mm, cm, in or "), turned into
// millimetres and rounded as the field takes them; the field then says
// what it takes: "0.75in = 19 mm".

#include <QLineEdit>
#include <optional>

namespace plenvik {

class NumberField : public QLineEdit {
public:
    // 'name' is the field's label, as the hint names it; 'unit' follows a
    // number in the hint: " mm" for a length in whole millimetres, or
    // another (" pt", " %", empty for a count) for a whole number that
    // takes no unit.
    NumberField(const QString &name, const QString &unit, int minimum, int maximum, int value, QWidget *parent = nullptr);
    // A length in millimetres with one figure after the point.
    static NumberField *tenths(const QString &name, double minimum, double maximum, double value, QWidget *parent = nullptr);

    // The number typed, when the field can take it: rounded to the field's
    // figures where it was typed with a unit.
    std::optional<int> value() const;
    std::optional<double> number() const;
    // Why what is typed cannot be taken, in the program's words; empty when
    // it can.
    QString problem() const;
    // What a length typed with a unit comes to ("0.75in = 19 mm"); empty
    // for none.
    QString conversion() const;
    // Puts a value in the field as it shows one.
    void setNumber(double value);

protected:
    // The arrow keys step by one within the limits, as in a spin box.
    void keyPressEvent(QKeyEvent *event) override;

private:
    NumberField(const QString &name, const QString &unit, double minimum, double maximum, int figures, QWidget *parent);
    QString shown(double v) const;

    QString m_name;
    QString m_unit;
    double m_minimum;
    double m_maximum;
    int m_figures = 0;    // after the point: 0 or 1
    bool m_length = false;
};

} // namespace plenvik
