// Shell handlers of the main window: the settings file and leaving the
// program, the magnifier, the help text and the web links.

#include "app/helptext.h"
#include "app/mainwindow.h"

#include "canvas/loep.h"
#include "canvas/pic.h"
#include "platform/dialogs.h"
#include "platform/urlopener.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>

namespace plenvik {

void Main::readSettingsAtStartUp()
{
    Settings s;
    s.drawing = m_design.drawingColour();
    const QString path = m_paths.settingsFile(QLatin1String(kSettingsFileName));
    const bool ok = readSettings(path, s);
    m_settings = s;
    m_design.ColourR = s.drawing.r;
    m_design.ColourG = s.drawing.g;
    m_design.ColourB = s.drawing.b;
    // A missing or unreadable file is written anew with the values as they
    // stand; a read-only program folder just keeps them for this run.
    if (!ok)
        writeSettings(path, m_settings);
}

void Main::onFileExit()
{
    close();
}

void Main::closeEvent(QCloseEvent *e)
{
    if (m_closeConfirmed) {
        e->accept();
        return;
    }
    // A changed page asks whether to save it instead of whether to leave.
    if (pageChanged() ? !mayDropPage() : !m_services.dialogs->question(tr("Wilt u dit programma nu afsluiten?"), tr(" Exit programma"))) {
        e->ignore();
        return;
    }
    m_settings.drawing = m_design.drawingColour();
    writeSettings(m_paths.settingsFile(QLatin1String(kSettingsFileName)), m_settings);
    m_closeConfirmed = true;
    m_klokTimer.stop();
    m_loepTimer.stop();
    e->accept();
    QApplication::exit(0);
}

void Main::onLoepScrollChange(int value)
{
    m_edit.LoepZoom = static_cast<std::uint8_t>(value);
    QLabel *label6 = qobject_cast<QLabel *>(control("Label6"));
    label6->setText(QString::number(value - 1));
    label6->adjustSize();
    const bool off = value == 1;
    m_loep->setVisible(!off);
    label6->setVisible(!off);
    if (off && m_logo->pixmap().isNull())
        m_logo->setPixmap(QPixmap(QStringLiteral(":/plenvik/logo.jpg")));
    m_logo->setVisible(off);
}

void Main::onLoepTimer()
{
    // Nothing is shown while the view is hidden, so no screen is read then.
    if (!m_services.screen || m_loep->isHidden())
        return;
    m_loep->refresh(*m_services.screen, m_loepScroll->value());
}

void Main::onHelpUitleg()
{
    QAction *item = action(QStringLiteral("HelpUitleg"));
    if (!m_pic->isHidden()) {
        m_pic->hide();
        m_help->setText(buildHelpText());
        m_help->show();
        m_helpScroll->show();
        item->setChecked(true);
    } else {
        m_help->hide();
        m_helpScroll->hide();
        m_pic->show();
        item->setChecked(false);
    }
}

void Main::onHelpSoftware()
{
    m_services.urls->open(QString::fromLatin1(kSoftwarePageAddress));
}

void Main::onLogoImageClick()
{
    if (!m_logo->isHidden())
        m_services.urls->open(QString::fromLatin1(kHomePageAddress));
}

} // namespace plenvik
