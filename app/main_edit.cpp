// Decoration handlers of the main window: the border, the page texts, the
// drawing colour and the two mode switches.

#include "app/mainwindow.h"

#include "canvas/frametool.h"
#include "canvas/pic.h"
#include "design/textsafe.h"
#include "platform/dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>

namespace plenvik {

namespace {
// The Dutch prompt is one for the title and the subtitle; the comment tells
// them apart in a translation.
struct PageTextCommand {
    Pic::PageText label;
    struct {
        const char *source;
        const char *comment;
    } prompt;
    const char *title;
};

const PageTextCommand kTitel{Pic::PageText::Titel,
                             QT_TRANSLATE_NOOP3("plenvik::Main", "Geef een titel voor dit supplement...", "title"),
                             QT_TRANSLATE_NOOP("plenvik::Main", " Titel")};
const PageTextCommand kSubTitel{Pic::PageText::SubTitel,
                                QT_TRANSLATE_NOOP3("plenvik::Main", "Geef een titel voor dit supplement...", "subtitle"),
                                QT_TRANSLATE_NOOP("plenvik::Main", " SubTitel")};
const PageTextCommand kPagina{Pic::PageText::PaginaLabel,
                              {QT_TRANSLATE_NOOP("plenvik::Main", "Geef een paginanummer voor dit supplement..."), nullptr},
                              QT_TRANSLATE_NOOP("plenvik::Main", " Paginanummer")};
} // namespace

void Main::onEditBinnenkader()
{
    m_edit.InnerFrameMode = !m_edit.InnerFrameMode;
    action(QStringLiteral("EditBinnenkader"))->setChecked(m_edit.InnerFrameMode);
}

void Main::onToolsKruis()
{
    m_edit.CrossHair = !m_edit.CrossHair;
    action(QStringLiteral("ToolsKruis"))->setChecked(m_edit.CrossHair);
    m_pic->setCrossHairVisible(m_edit.CrossHair);
}

void Main::onToolsBorder(int index)
{
    m_design.setBorder(index);
    applyBorderToControls();
    UpdateListing();
}

void Main::applyBorderToControls()
{
    // The collector's border lines stand in for the Tools menu's line.
    m_pic->setLijst(m_design.BorderOn && m_design.opmaak.rand == Rand::Eigen, m_design.BorderWidth,
                    QColor(m_design.ColourR, m_design.ColourG, m_design.ColourB));
    const Colour rand = m_design.randColour();
    m_pic->setOpmaak(m_design.opmaak, m_design.sheet, QColor(rand.r, rand.g, rand.b));
    const int checked = m_design.BorderOn ? m_design.BorderWidth : 0;
    for (int i = 0; i < 4; ++i)
        action(QStringLiteral("ToolsBorder(%1)").arg(i))->setChecked(i == checked);
}

// Asks for a page text and puts it in 'field'. Annuleren or Escape keeps
// the text as it was; OK with an empty field removes it.
static bool askPageText(Dialogs &dialogs, const PageTextCommand &row, QString &field)
{
    const std::optional<QString> typed =
        dialogs.textInput(Main::tr(row.prompt.source, row.prompt.comment), Main::tr(row.title), field);
    if (!typed)
        return false;
    field = makeFileSafe(*typed);
    return true;
}

void Main::onToolsTitel()
{
    if (!askPageText(*m_services.dialogs, kTitel, m_design.PageTitle))
        return;
    m_pic->centrePageText(kTitel.label, m_design.PageTitle);
    UpdateListing();
}

void Main::onToolsSubTitel()
{
    if (!askPageText(*m_services.dialogs, kSubTitel, m_design.PageSubtitle))
        return;
    m_pic->centrePageText(kSubTitel.label, m_design.PageSubtitle);
    UpdateListing();
}

void Main::onToolsPaginanummer()
{
    if (!askPageText(*m_services.dialogs, kPagina, m_design.PageNumber))
        return;
    m_pic->centrePageText(kPagina.label, m_design.PageNumber);
    UpdateListing();
}

void Main::onScrollChange(int bar, int value)
{
    static const char *const prefixes[] = {"R : ", "G : ", "B : "};
    // The swatch reads the three bars as they stand, the component its own value.
    QLabel *swatch = qobject_cast<QLabel *>(control("KleurLabel"));
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, QColor(m_scroll[0]->value(), m_scroll[1]->value(), m_scroll[2]->value()));
    swatch->setPalette(pal);
    int *components[] = {&m_design.ColourR, &m_design.ColourG, &m_design.ColourB};
    *components[bar] = value;
    m_valueLabel[bar]->setText(QString::fromLatin1(prefixes[bar]) + QString::number(value));
    m_valueLabel[bar]->adjustSize();
    m_pic->setLijstColour(QColor(m_design.ColourR, m_design.ColourG, m_design.ColourB));
    const Colour rand = m_design.randColour();
    m_pic->setOpmaak(m_design.opmaak, m_design.sheet, QColor(rand.r, rand.g, rand.b));
    UpdateListing();
}

} // namespace plenvik
