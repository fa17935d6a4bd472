// "Papierformaat...": the paper the open page and every new page are made
// on, kept in a settings file of its own.

#include "app/mainwindow.h"

#include "canvas/pagerender.h"
#include "canvas/pic.h"
#include "library/sheetsettings.h"
#include "design/pageedit.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

namespace plenvik {

namespace {
// Where the listing begins, right of the label under the magnifier.
constexpr int kLabelRoomRight = 536;

// "A5 (148 x 210 mm)", or "230 x 300 mm" for a size of one's own.
QString shownSheet(const Sheet &s)
{
    const QLocale shown; // the window's language
    const QString size = Main::tr("%1 x %2 mm").arg(shown.toString(s.widthMm), shown.toString(s.heightMm));
    const QString name = sheetName(s);
    return name.isEmpty() ? size : Main::tr("%1 (%2)").arg(name, size);
}
} // namespace

void Main::onExtraPapierformaat()
{
    const std::optional<Sheet> chosen = m_services.extra->papierformaat(m_design.sheet);
    if (!chosen)
        return;
    // A sheet the open page's frames do not fit is refused, and nothing
    // changes: no frame is ever lost or left off the paper by a change of it.
    const QList<int> off = kadersOffSheet(m_design, *chosen), offTexts = tekstenOffSheet(*chosen);
    if (!off.isEmpty() || !offTexts.isEmpty()) {
        m_services.dialogs->message(
            (off.size() + offTexts.size() == 1
                 ? tr("Op %1 ligt %2 niet helemaal op het blad.\nVerplaats of verwijder het eerst; het papier blijft %3.")
                 : tr("Op %1 liggen %2 niet helemaal op het blad.\nVerplaats of verwijder ze eerst; het papier blijft %3."))
                .arg(shownSheet(*chosen), namedKaders(off, offTexts), shownSheet(m_design.sheet)));
        return;
    }
    // Nor is a sheet the page's border does not fit.
    if (const QString why = opmaakFout(m_design.opmaak, *chosen); !why.isEmpty()) {
        m_services.dialogs->message(tr("Op %1 past de opmaak van deze pagina niet: %2\nHet papier blijft %3.")
                                        .arg(shownSheet(*chosen), why, shownSheet(m_design.sheet)));
        return;
    }
    m_chosenSheet = *chosen;
    // A program folder that cannot be written keeps the choice for this run.
    writeSheetSettings(m_paths.settingsFile(QLatin1String(kSheetSettingsFileName)), *chosen);
    if (*chosen != m_design.sheet) {
        // Undo takes the page back to its paper with its frames as they
        // stood; the paper for new pages stays as chosen.
        m_undo.record(m_pic->picture(), m_design);
        applySheet(*chosen);
    }
}

void Main::applySheet(const Sheet &sheet)
{
    m_design.sheet = sheet;
    showSheet();
    // Each Undo picture is the page as it stood before a step: drawn anew
    // at the new size, from its step's frames, when it is needed.
    m_undo.forgetPictures();
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

void Main::showSheet()
{
    m_pic->setSheetGeometry(canvasGeometry(m_design.sheet));
    const Colour rand = m_design.randColour();
    m_pic->setOpmaak(m_design.opmaak, m_design.sheet, QColor(rand.r, rand.g, rand.b));
    // Under the magnifier, the sheet whose millimetres the read-out gives.
    auto *label = qobject_cast<QLabel *>(control("Label4"));
    const QLocale shown;
    const QString name = sheetName(m_design.sheet);
    if (m_design.sheet == kSheetA4)
        label->setText(QCoreApplication::translate("Window", "Coordinaten  A4 (210 x 297)"));
    else if (!name.isEmpty())
        label->setText(tr("Coordinaten  %1 (%2 x %3)").arg(name, shown.toString(m_design.sheet.widthMm), shown.toString(m_design.sheet.heightMm)));
    else
        label->setText(tr("Coordinaten  %1 x %2").arg(shown.toString(m_design.sheet.widthMm), shown.toString(m_design.sheet.heightMm)));
    label->adjustSize();
    // The listing begins beside it: a sheet too long to name whole there is
    // named by its size alone, which is what the read-out needs.
    if (label->x() + label->width() > kLabelRoomRight) {
        label->setText(tr("%1 x %2 mm").arg(shown.toString(m_design.sheet.widthMm), shown.toString(m_design.sheet.heightMm)));
        label->adjustSize();
    }
}

} // namespace plenvik
