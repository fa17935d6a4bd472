#include "platform/fonts.h"

#include "design/units.h"

#include <QFontDatabase>
#include <QStringList>

namespace plenvik {

static QStringList familiesFor(Face face)
{
    switch (face) {
    case Face::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    case Face::MsSansSerif:
        return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")};
    case Face::ComicSansMs:
        return {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans")};
    }
    return {};
}

QFont screenFont(Face face, double points, bool bold, bool italic)
{
    // Take the first family that is really installed: fontconfig would
    // otherwise substitute an unrelated face for a missing one.
    static QString resolved[3];
    QString &family = resolved[static_cast<int>(face)];
    if (family.isEmpty()) {
        for (const QString &f : familiesFor(face)) {
            if (QFontDatabase::hasFamily(f)) {
                family = f;
                break;
            }
        }
        if (family.isEmpty())
            family = familiesFor(face).constFirst();
    }
    QFont font(family);
    font.setPixelSize(pointsToPixels(points));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace plenvik
