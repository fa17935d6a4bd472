// The open page against the page as last loaded, saved or started: the
// window's title names it and marks its changes, and no change is dropped
// without a question, when another page is loaded, a new one started, or
// the program left.

#include "app/mainwindow.h"

#include "library/designfile.h"
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

} // namespace plenvik
