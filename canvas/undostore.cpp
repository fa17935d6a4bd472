#include "canvas/undostore.h"

namespace plenvik {

std::optional<UndoStep> UndoStore::takeNewest()
{
    if (m_steps.empty())
        return std::nullopt;
    UndoStep step = std::move(m_steps.back());
    m_steps.pop_back();
    return step;
}

} // namespace plenvik
