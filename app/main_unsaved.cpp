// The open page against the page as last loaded, saved or started: the
// window's title names it and marks its changes, and no change is dropped
// without a question, when another page is loaded, a new one started, or
// the program left.

#include "app/mainwindow.h"

#include "library/designfile.h"
#include "library/pagefiles.h"
#include "platform/dialogs.h"

namespace plenvik {

void Main::markSaved(const QString &name)
{
    m_pageName = name;
    m_savedDesign = m_design;
    updateTitle();
}

bool Main::pageChanged() const
{
    return !sameSavedPage(m_design, m_savedDesign);
}

void Main::updateTitle()
{
    QString title = QStringLiteral(" Plenvik");
    if (!m_pageName.isEmpty())
        title += QStringLiteral(" - ") + m_pageName;
    if (pageChanged())
        title += QStringLiteral(" *");
    if (title != windowTitle())
        setWindowTitle(title);
}

bool Main::mayDropPage()
{
    if (!pageChanged())
        return true;
    const QString text = m_pageName.isEmpty()
                             ? tr("Dit supplement is gewijzigd en niet opgeslagen.\nWilt u het opslaan?")
                             : tr("Het supplement '%1' is gewijzigd.\nWilt u de wijzigingen opslaan?").arg(m_pageName);
    switch (m_services.dialogs->unsavedChanges(text, tr(" Wijzigingen"))) {
    case Wijzigingen::Opslaan:
        // The usual save; a name not given or a save that failed keeps the page.
        return savePage();
    case Wijzigingen::NietOpslaan:
        return true;
    case Wijzigingen::Blijven:
        break;
    }
    return false;
}

void Main::followPutOverOpenPage(const QStringList &names)
{
    if (m_pageName.isEmpty() || !names.contains(m_pageName, Qt::CaseInsensitive))
        return;
    if (!pageChanged()) {
        openPage(m_pageName);
        return;
    }
    // The open page's changes are still only here; the page they began from
    // is gone from the library, so a later Save asks before it goes too.
    QString why;
    const auto put = readPageFiles(m_paths.library, m_pageName, m_design, &why);
    m_savedDesign = put ? put->design : PageDesign{};
    updateTitle();
    if (!pageChanged())
        return;
    m_services.dialogs->message(tr("Het open supplement %1 is in de bibliotheek vervangen door het nieuwe.\n"
                                   "Uw wijzigingen staan alleen nog in het venster; met Opslaan komen ze over het nieuwe.")
                                    .arg(m_pageName));
}

} // namespace plenvik
