#include "platform/fonts.h"

#include "design/units.h"

#include <QStringList>

#ifdef PLENVIK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#else
#include <QFontDatabase>
#endif

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

// The families installed on this machine, by their own names.
static QStringList installedFamilies()
{
#ifdef PLENVIK_HAVE_FONTCONFIG
    // One listing of the family names from fontconfig's cache. Qt's
    // QFontDatabase::families() reads every font's styles and scripts, and
    // QFontDatabase::hasFamily() has fontconfig try all aliases of a missing
    // family: either was a quarter of the start-up.
    QStringList out;
    FcPattern *all = FcPatternCreate();
    FcObjectSet *names = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (FcFontSet *fonts = FcFontList(nullptr, all, names)) {
        for (int f = 0; f < fonts->nfont; ++f) {
            FcChar8 *name = nullptr;
            for (int i = 0; FcPatternGetString(fonts->fonts[f], FC_FAMILY, i, &name) == FcResultMatch; ++i)
                out << QString::fromUtf8(reinterpret_cast<const char *>(name));
        }
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(names);
    FcPatternDestroy(all);
    return out;
#else
    return QFontDatabase::families();
#endif
}

const QStringList &installedFontFamilies()
{
    static const QStringList families = [] {
        QStringList all = installedFamilies();
        all.removeDuplicates();
        all.sort(Qt::CaseInsensitive);
        return all;
    }();
    return families;
}

QString installedPageFamily(const QString &lettertype)
{
    if (lettertype.isEmpty())
        return {};
    for (const QString &f : installedFontFamilies())
        if (f.compare(lettertype, Qt::CaseInsensitive) == 0)
            return f;
    return {};
}

QFont pageFont(const QString &lettertype, double points, bool bold, bool italic)
{
    QFont font = screenFont(Face::Arial, points, bold, italic);
    if (const QString family = installedPageFamily(lettertype); !family.isEmpty())
        font.setFamily(family);
    return font;
}

QFont screenFont(Face face, double points, bool bold, bool italic)
{
    // Take the first family that is really installed: fontconfig would
    // otherwise substitute an unrelated face for a missing one.
    static QString resolved[3];
    QString &family = resolved[static_cast<int>(face)];
    if (family.isEmpty()) {
        static const QStringList installed = installedFamilies();
        for (const QString &f : familiesFor(face)) {
            if (installed.contains(f, Qt::CaseInsensitive)) {
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
