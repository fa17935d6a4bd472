#pragma once
// What Undo takes back: each frame drawn and each change of the stamps'
// pictures since the page was started or loaded, newest last. A step keeps
// the canvas picture, the frame count and the pictures as they stood before
// it, so the canvas always shows what the design holds.

#include "design/framepicture.h"

#include <QImage>
#include <optional>
#include <vector>

namespace plenvik {

struct UndoStep {
    QImage picture;
    int kaderCount = 0;
    Afbeeldingen pictures;
};

class UndoStore {
public:
    void snapshot(const QImage &picture, int kaderCount, const Afbeeldingen &pictures)
    {
        m_steps.push_back({picture.copy(), kaderCount, pictures});
    }
    void push(UndoStep step) { m_steps.push_back(std::move(step)); }
    // Takes the newest step off; nothing when none is left.
    std::optional<UndoStep> takeNewest();
    const std::vector<UndoStep> &steps() const { return m_steps; }
    void clear() { m_steps.clear(); }
    int size() const { return static_cast<int>(m_steps.size()); }
    bool isEmpty() const { return m_steps.empty(); }

private:
    std::vector<UndoStep> m_steps;
};

} // namespace plenvik
