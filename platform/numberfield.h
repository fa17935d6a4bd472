#pragma once
// A field for a whole number (millimetres, or a count) that keeps every
// character typed. A spin box quietly refuses a key that would take it past
// its limits, so "299" in a field that stops at 297 becomes "29"; and it
// drops a comma, so "1,5" becomes 15. This field shows what was typed and
// says what it cannot take; the dialog holds OK back until it can.

#include <QLineEdit>
#include <optional>

namespace plenvik {

class NumberField : public QLineEdit {
public:
    // 'name' is the field's label, as the hint names it; 'unit' follows a
    // number in the hint (" mm", or empty for a count).
    NumberField(const QString &name, const QString &unit, int minimum, int maximum, int value, QWidget *parent = nullptr);

    // The number typed, when it is a whole number within the limits.
    std::optional<int> value() const;
    // Why what is typed cannot be taken, in the program's words; empty when
    // it can.
    QString problem() const;

protected:
    // The arrow keys step by one within the limits, as in a spin box.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_name;
    QString m_unit;
    int m_minimum;
    int m_maximum;
};

} // namespace plenvik
