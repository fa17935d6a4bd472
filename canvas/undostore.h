#pragma once
// What Undo takes back and Redo does again: every step on the page's frames,
// their pictures and its lines of text since the page was started or
// loaded, newest last. A step keeps them and the canvas picture as they
// stood on one side of it, so the canvas always shows what the design
// holds. A canvas picture that is the page as the program draws it from
// its design is not kept but drawn again: a long session of moves costs
// no memory to speak of.

#include "design/pagedesign.h"

#include <QImage>
#include <optional>
#include <vector>

namespace plenvik {

struct UndoStep {
    QImage picture; // null: the page drawn from its design
    int kaderCount = 0;
    std::array<Kader, kMaxKaders> kaders{};
    Afbeeldingen pictures;
    int tekstCount = 0;
    std::array<Tekst, kMaxTeksten> teksten{};
    Sheet sheet; // a change of paper is a step too
    PaginaOpmaak opmaak; // and a change of style
};

class UndoStore {
public:
    // Records the page as it stands, before a step on it; what could be
    // redone is forgotten.
    // A record 'withdrawable' (a drag still under way) keeps what could be
    // redone until settle(), so that withdraw() can bring it back.
    void record(const QImage &canvas, const PageDesign &design, bool withdrawable = false);
    // Takes the newest record back as though it had never been made, what
    // could be redone before it included: a gesture given up. Nothing when
    // there is none.
    std::optional<UndoStep> withdraw();
    // The gesture is done: what could be redone before it is let go.
    void settle() { m_redoBeforeRecord.clear(); }
    // Whether the canvas picture is now the page drawn from its design.
    void setPictureFromDesign(bool fromDesign) { m_fromDesign = fromDesign; }
    bool pictureFromDesign() const { return m_fromDesign; }

    // The newest step to go back to, or forward to; the page as it stands
    // is kept for the other way. Nothing when there is none.
    std::optional<UndoStep> undo(const QImage &canvas, const PageDesign &design);
    std::optional<UndoStep> redo(const QImage &canvas, const PageDesign &design);
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // Every kept canvas picture is dropped, to be drawn from its step's
    // design: after the sheet changed, they are of the old size.
    void forgetPictures();
    void clear();
    int size() const { return static_cast<int>(m_undo.size()); }
    bool isEmpty() const { return m_undo.empty(); }

private:
    UndoStep stepOf(const QImage &canvas, const PageDesign &design) const;

    std::vector<UndoStep> m_undo;
    std::vector<UndoStep> m_redo;
    std::vector<UndoStep> m_redoBeforeRecord; // what the newest record made forgotten
    bool m_fromDesign = true;
};

// Puts a step's frames, pictures, lines of text and paper into the design;
// the rest of the page (title, border, colour) stays. The frames always
// lie on the step's own paper.
void applyStep(const UndoStep &step, PageDesign &design);

} // namespace plenvik
