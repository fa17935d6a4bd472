#include "canvas/undostore.h"

namespace plenvik {

UndoStep UndoStore::stepOf(const QImage &canvas, const PageDesign &d) const
{
    return {m_fromDesign ? QImage() : canvas.copy(), d.KaderCount, d.Kaders, d.pictures, d.TekstCount, d.Teksten, d.sheet, d.opmaak};
}

void UndoStore::record(const QImage &canvas, const PageDesign &design, bool withdrawable)
{
    m_undo.push_back(stepOf(canvas, design));
    // Each step may keep a canvas picture: the steps that could be redone
    // are held past a record only while it may still be withdrawn.
    m_redoBeforeRecord.clear();
    if (withdrawable)
        m_redoBeforeRecord = std::move(m_redo);
    m_redo.clear();
}

std::optional<UndoStep> UndoStore::withdraw()
{
    if (m_undo.empty())
        return std::nullopt;
    UndoStep step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo = std::move(m_redoBeforeRecord);
    m_redoBeforeRecord.clear();
    m_fromDesign = step.picture.isNull();
    return step;
}

std::optional<UndoStep> UndoStore::undo(const QImage &canvas, const PageDesign &design)
{
    if (m_undo.empty())
        return std::nullopt;
    m_redoBeforeRecord.clear();
    m_redo.push_back(stepOf(canvas, design));
    UndoStep step = std::move(m_undo.back());
    m_undo.pop_back();
    m_fromDesign = step.picture.isNull();
    return step;
}

std::optional<UndoStep> UndoStore::redo(const QImage &canvas, const PageDesign &design)
{
    if (m_redo.empty())
        return std::nullopt;
    m_redoBeforeRecord.clear();
    m_undo.push_back(stepOf(canvas, design));
    UndoStep step = std::move(m_redo.back());
    m_redo.pop_back();
    m_fromDesign = step.picture.isNull();
    return step;
}

void UndoStore::forgetPictures()
{
    for (auto *steps : {&m_undo, &m_redo, &m_redoBeforeRecord})
        for (UndoStep &s : *steps)
            s.picture = QImage();
    m_fromDesign = true;
}

void UndoStore::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_redoBeforeRecord.clear();
}

void applyStep(const UndoStep &step, PageDesign &design)
{
    design.KaderCount = std::uint8_t(step.kaderCount);
    design.Kaders = step.kaders;
    design.pictures = step.pictures;
    design.TekstCount = std::uint8_t(step.tekstCount);
    design.Teksten = step.teksten;
    design.sheet = step.sheet;
    design.opmaak = step.opmaak;
}

} // namespace plenvik
