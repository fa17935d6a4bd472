#pragma once
// Modal questions, messages and input boxes in the program's own style:
// no icons, Yes as the default answer, "Plenvik" as the title of a plain message.

#include <QString>
#include <optional>

class QWidget;

namespace plenvik {

// What the user answers when the open page has changes that are not saved.
enum class Wijzigingen { Opslaan, NietOpslaan, Blijven };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes/No question; true on Yes.
    virtual bool question(const QString &text, const QString &title) = 0;
    // Plain message with OK only.
    virtual void message(const QString &text) = 0;
    // Cancel gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // An input box that tells Cancel (nothing) from OK with an empty field;
    // the default text comes selected, so typing replaces it and Return
    // takes it.
    virtual std::optional<QString> textInput(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // "Opslaan", "Niet opslaan" and "Annuleren" (stay), the first the default.
    virtual Wijzigingen unsavedChanges(const QString &text, const QString &title) = 0;
    // Standard save dialog; the empty text on Cancel.
    virtual QString saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) = 0;
};

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    bool question(const QString &text, const QString &title) override;
    void message(const QString &text) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> textInput(const QString &prompt, const QString &title, const QString &defaultText) override;
    Wijzigingen unsavedChanges(const QString &text, const QString &title) override;
    QString saveFileName(const QString &title, const QString &suggestedPath, const QString &filter) override;

private:
    QWidget *m_parent;
};

} // namespace plenvik
