// "Papierformaat...": the paper the open page and every new page are made
// on, kept in a settings file of its own.

#include "app/mainwindow.h"

#include "canvas/pagerender.h"
#include "canvas/pic.h"
#include "library/sheetsettings.h"
#include "platform/extradialogs.h"

namespace plenvik {

void Main::onExtraPapierformaat()
{
    const std::optional<Sheet> chosen = m_services.extra->papierformaat(m_design.sheet);
    if (!chosen)
        return;
    m_chosenSheet = *chosen;
    // A program folder that cannot be written keeps the choice for this run.
    writeSheetSettings(m_paths.settingsFile(QLatin1String(kSheetSettingsFileName)), *chosen);
    if (*chosen != m_design.sheet)
        applySheet(*chosen);
}

void Main::applySheet(const Sheet &sheet)
{
    m_design.sheet = sheet;
    m_pic->setSheetGeometry(canvasGeometry(sheet));
    // Each Undo picture is the page as it stood before a step: drawn anew
    // at the new size.
    UndoStore redrawn;
    PageDesign earlier = m_design;
    for (const UndoStep &step : m_undo.steps()) {
        earlier.KaderCount = std::uint8_t(step.kaderCount);
        redrawn.push({pagePicture(earlier), step.kaderCount, step.pictures});
    }
    m_undo = redrawn;
    m_pic->setPicture(pagePicture(m_design));
    const std::pair<Pic::PageText, const QString &> texts[] = {{Pic::PageText::Titel, m_design.PageTitle},
                                                               {Pic::PageText::SubTitel, m_design.PageSubtitle},
                                                               {Pic::PageText::PaginaLabel, m_design.PageNumber}};
    for (const auto &[label, text] : texts) {
        if (!text.isEmpty())
            m_pic->centrePageText(label, text);
    }
    UpdateListing();
}

} // namespace plenvik
