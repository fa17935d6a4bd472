#pragma once
// A dialog of the Extra menu asked again until what is entered is taken.

#include "canvas/pic.h"
#include "platform/dialogs.h"

#include <QString>
#include <optional>

namespace plenvik {

// Opens the dialog with 'values' until the user cancels or enters values
// that 'check' accepts; each refusal is told in a message and the dialog
// opens again on what was entered. The canvas preview goes with the dialog.
template <typename Values, typename Ask, typename Check>
std::optional<Values> askUntilAccepted(Values &values, Dialogs &dialogs, Pic &pic, Ask ask, Check check)
{
    for (;;) {
        const std::optional<Values> entered = ask(values);
        pic.setPreview({});
        if (!entered)
            return std::nullopt;
        values = *entered;
        const QString refusal = check(values);
        if (refusal.isEmpty())
            return entered;
        dialogs.message(refusal);
    }
}

} // namespace plenvik
