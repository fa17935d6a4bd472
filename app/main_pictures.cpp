// "Afbeeldingen...": pictures of the stamps in the open page's frames, and
// how faint they are shown. One change is one Undo step.

#include "app/mainwindow.h"

#include "canvas/pic.h"
#include "library/stamppicture.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"

namespace plenvik {

namespace {
constexpr int kRowPicture = 96;
} // namespace

void Main::onExtraAfbeeldingen()
{
    if (m_design.KaderCount == 0) {
        m_services.dialogs->message(tr("Dit supplement heeft nog geen kaders voor afbeeldingen."));
        return;
    }
    Afbeeldingen pictures = m_design.pictures;
    QList<AfbeeldingRegel> rows;
    for (int k = 1; k <= m_design.KaderCount; ++k) {
        const QByteArray &stored = pictures.Bestanden.at(k - 1);
        rows.append({m_design.kader(k).Onderschrift,
                     stored.isEmpty() ? QImage()
                                      : shownPicture(stored, pictures.Grijstinten, pictures.Sterkte,
                                                     QSize(kRowPicture, kRowPicture))});
    }
    const std::optional<AfbeeldingenKeuze> keuze = m_services.extra->afbeeldingen(rows, pictures.Grijstinten, pictures.Sterkte);
    if (!keuze)
        return;

    // Every picture chosen is taken in before anything changes; the first
    // that cannot be is named, and the page stays as it was.
    for (int k = 1; k <= m_design.KaderCount && k <= keuze->gekozen.size(); ++k) {
        const std::optional<QString> &chosen = keuze->gekozen.at(k - 1);
        if (!chosen)
            continue;
        if (chosen->isEmpty()) {
            pictures.Bestanden.at(k - 1).clear();
            continue;
        }
        QString why;
        const std::optional<QByteArray> taken = takeInPicture(*chosen, m_design.kader(k), &why);
        if (!taken) {
            m_services.dialogs->message(why);
            return;
        }
        pictures.Bestanden.at(k - 1) = *taken;
    }
    pictures.Grijstinten = keuze->grijstinten;
    pictures.Sterkte = keuze->sterkte;
    if (pictures == m_design.pictures)
        return;
    m_undo.record(m_pic->picture(), m_design);
    m_design.pictures = pictures;
    UpdateListing();
}

} // namespace plenvik
