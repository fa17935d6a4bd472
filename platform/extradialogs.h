#pragma once
// The dialogs of the "Extra" menu. Each opens with the values it is given
// and returns what the user confirmed, or nothing on Cancel. Dutch texts, a
// title with a leading blank, the first field focused with its text
// selected, Tab in the order of the fields, Return for OK, Escape for Cancel.
// Tests stand in a fake that returns scripted values.

#include "design/rows.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace plenvik {

// The fields of the " Stroken" window.
struct StrokenVelden {
    int lengte = 215;      // Lengte strook, whole millimetres
    QString hoogten;       // Beschikbare hoogten, as typed
    bool bibliotheek = false; // "Alle supplementen in de bibliotheek"
    bool operator==(const StrokenVelden &) const = default;
};

class ExtraDialogs {
public:
    virtual ~ExtraDialogs() = default;

    // " Kader invoeren". 'preview' is called with the fields as they stand
    // each time one changes, so the canvas can show where the frame goes.
    virtual std::optional<KaderInvoer> kaderInvoeren(const KaderInvoer &start,
                                                     const std::function<void(const KaderInvoer &)> &preview) = 0;
    // " Rij kaders", previewed the same way.
    virtual std::optional<RijInvoer> rijKaders(const RijInvoer &start,
                                               const std::function<void(const RijInvoer &)> &preview) = 0;
    // " Stroken": a read-only cut list, which 'cutList' works out anew for
    // the fields whenever one changes, above the fields and the buttons
    // "Afdrukken" (hands the list shown to 'print') and "Sluiten". Returns
    // the fields as they stood when the window closed.
    virtual StrokenVelden stroken(const StrokenVelden &start,
                                  const std::function<QString(const StrokenVelden &)> &cutList,
                                  const std::function<void(const QString &)> &print) = 0;
};

class QtExtraDialogs : public ExtraDialogs {
public:
    explicit QtExtraDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<KaderInvoer> kaderInvoeren(const KaderInvoer &start,
                                             const std::function<void(const KaderInvoer &)> &preview) override;
    std::optional<RijInvoer> rijKaders(const RijInvoer &start,
                                       const std::function<void(const RijInvoer &)> &preview) override;
    StrokenVelden stroken(const StrokenVelden &start, const std::function<QString(const StrokenVelden &)> &cutList,
                          const std::function<void(const QString &)> &print) override;

private:
    QWidget *m_parent;
};

} // namespace plenvik
