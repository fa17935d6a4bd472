// "Pagina-opmaak...": the style of the open page, and of every new page
// and the pages of "Album indelen" when the collector asks for it.

#include "app/askuntil.h"
#include "app/mainwindow.h"
#include "library/opmaaksettings.h"
#include "platform/extradialogs.h"
#include "platform/fonts.h"

namespace plenvik {

void Main::onExtraPaginaOpmaak()
{
    OpmaakKeuze values{m_design.opmaak, !m_nieuweOpmaak.isToday() && m_nieuweOpmaak == m_design.opmaak};
    const auto chosen = askUntilAccepted(
        values, *m_services.dialogs, *m_pic,
        [this](const OpmaakKeuze &start) { return m_services.extra->paginaOpmaak(start, installedFontFamilies()); },
        [this](const OpmaakKeuze &v) { return opmaakVoorPagina(v.opmaak, m_design.sheet, m_design.KaderCount); });
    if (!chosen)
        return;
    if (chosen->ookNieuw) {
        m_nieuweOpmaak = chosen->opmaak;
        // A program folder that cannot be written keeps the choice for this run.
        writeOpmaakSettings(m_paths.settingsFile(QLatin1String(kOpmaakSettingsFileName)), m_nieuweOpmaak);
    }
    if (chosen->opmaak == m_design.opmaak)
        return;
    // One step for Undo, as a change of paper is.
    m_undo.record(m_pic->picture(), m_design);
    m_design.opmaak = chosen->opmaak;
    showOpmaak();
    UpdateListing();
}

void Main::showOpmaak()
{
    applyBorderToControls();
    const std::pair<Pic::PageText, const QString &> texts[] = {{Pic::PageText::Titel, m_design.PageTitle},
                                                               {Pic::PageText::SubTitel, m_design.PageSubtitle},
                                                               {Pic::PageText::PaginaLabel, m_design.PageNumber}};
    for (const auto &[label, text] : texts)
        if (!text.isEmpty())
            m_pic->centrePageText(label, text);
}

QString Main::standInFont() const
{
    const QString &wanted = m_design.opmaak.lettertype;
    if (wanted.isEmpty() || !installedPageFamily(wanted).isEmpty())
        return {};
    return tr("%1 staat in voor %2, dat op deze computer ontbreekt").arg(pageFont({}, 10).family(), wanted);
}

PaginaOpmaak Main::nieuweOpmaakOp(const Sheet &sheet) const
{
    // A style kept for new pages that does not fit their paper is not taken.
    return opmaakFout(m_nieuweOpmaak, sheet).isEmpty() ? m_nieuweOpmaak : PaginaOpmaak{};
}

} // namespace plenvik
