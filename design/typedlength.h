#pragma once
// A length as the collector types it, in a field or in a list of stamps:
// a number with a comma or a point before its fraction, and after it,
// with or without a blank, a unit or none. A collector on Letter paper
// measures in inches: "0.75in", "0,75 in", "19 mm", "1,9 cm", 0.75".
// A number without a unit is millimetres, as it always was.

#include <QString>

namespace plenvik {

struct TypedLength {
    enum class Fault { None, Empty, NotANumber, UnknownUnit };
    Fault fault = Fault::Empty;
    double mm = 0;    // the length in millimetres, not rounded
    int figures = 0;  // the figures typed after the comma or point
    QString unit;     // the unit as typed ("in", "\"", "cm", "mm"); empty for none
    // A unit other than millimetres was typed: the field shows what it takes.
    bool converted() const { return fault == Fault::None && !unit.isEmpty() && unit.compare(QLatin1String("mm"), Qt::CaseInsensitive) != 0; }
};

// Reads 'typed'. With 'units' false (a count, a size in points) any unit
// is one it does not know.
TypedLength readTypedLength(const QString &typed, bool units = true);

} // namespace plenvik
