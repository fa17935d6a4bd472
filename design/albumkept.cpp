#include "design/albumkept.h"

#include <QCryptographicHash>

namespace plenvik {

QString albumVingerafdruk(const QByteArray &design, const QByteArray &pictures)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(design);
    // The length keeps a design and its pictures from passing for another
    // pair that joins to the same bytes.
    hash.addData(QByteArray::number(design.size()));
    hash.addData(pictures);
    return QString::fromLatin1(hash.result().toHex());
}

AlbumPlan planAlbum(const QStringList &oud, const QStringList &nieuw, const std::function<PaginaStaat(const QString &)> &staat)
{
    AlbumPlan plan;
    for (const QString &name : nieuw) {
        switch (staat(name)) {
        case PaginaStaat::Ontbreekt:
            break;
        case PaginaStaat::AlsIngedeeld:
            plan.vervangen << name;
            break;
        case PaginaStaat::Veranderd:
            plan.veranderd << name;
            break;
        case PaginaStaat::Eigen:
            plan.eigen << name;
            break;
        }
    }
    for (const QString &name : oud) {
        if (!nieuw.contains(name, Qt::CaseInsensitive) && !plan.over.contains(name, Qt::CaseInsensitive)) {
            const PaginaStaat s = staat(name);
            // A page of that name the album did not lay out is not its leftover.
            if (s == PaginaStaat::AlsIngedeeld || s == PaginaStaat::Veranderd)
                plan.over << name;
        }
    }
    return plan;
}

QString eigenNaam(const QString &name, const std::function<bool(const QString &)> &taken)
{
    QString candidate = name + QStringLiteral(" (eigen)");
    for (int n = 2; taken(candidate); ++n)
        candidate = name + QStringLiteral(" (eigen %1)").arg(n);
    return candidate;
}

} // namespace plenvik
