// MessageBoxes -- the standard message boxes, placed as the program's own
// dialogs are: on Wayland, pop-ups centred over the window they belong to,
// where the compositor would otherwise put them anywhere.
// No name here is fixed by the program's design.
#pragma once

#include <QMessageBox>

namespace dialogs {

void information(QWidget *parent, const QString &title, const QString &text);

QMessageBox::StandardButton
question(QWidget *parent, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons,
         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Shows a box that deletes itself on closing, without waiting for it.
void openOverParent(QMessageBox *box);

} // namespace dialogs
