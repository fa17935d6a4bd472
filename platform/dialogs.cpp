#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace plenvik {

bool QtDialogs::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Plenvik"), text, QMessageBox::Ok, m_parent);
    box.exec();
}

QString QtDialogs::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

std::optional<QString> QtDialogs::textInput(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dlg(m_parent);
    dlg.setWindowTitle(title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    if (QLineEdit *field = dlg.findChild<QLineEdit *>())
        field->selectAll();
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.textValue();
}

Wijzigingen QtDialogs::unsavedChanges(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, m_parent);
    QPushButton *opslaan = box.addButton(QCoreApplication::translate("Dialogs", "Opslaan"), QMessageBox::AcceptRole);
    QPushButton *niet = box.addButton(QCoreApplication::translate("Dialogs", "Niet opslaan"), QMessageBox::DestructiveRole);
    QPushButton *blijven = box.addButton(QCoreApplication::translate("Dialogs", "Annuleren"), QMessageBox::RejectRole);
    box.setDefaultButton(opslaan);
    box.setEscapeButton(blijven);
    box.exec();
    return box.clickedButton() == opslaan ? Wijzigingen::Opslaan
           : box.clickedButton() == niet  ? Wijzigingen::NietOpslaan
                                          : Wijzigingen::Blijven;
}

QString QtDialogs::saveFileName(const QString &title, const QString &suggestedPath, const QString &filter)
{
    // Qt's own dialog keeps the file-name field focused and behaves the same
    // with or without a desktop portal.
    QFileDialog dlg(m_parent, title, suggestedPath, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.selectFile(suggestedPath);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().constFirst();
}

} // namespace plenvik
