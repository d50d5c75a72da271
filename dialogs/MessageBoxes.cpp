#include "dialogs/MessageBoxes.h"

#include "controls/WindowSystem.h"
#include "dialogs/WindowPlacement.h"

namespace dialogs {

namespace {

void placeOverParent(QMessageBox &box)
{
    if (!controls::isWayland())
        return;
    // A message box sizes itself as it shows; a pop-up is placed before.
    box.resize(box.sizeHint());
    popUpOverParent(&box);
}

QMessageBox::StandardButton ask(QMessageBox &box)
{
    placeOverParent(box);
    execOverParent(&box);
    return box.standardButton(box.clickedButton());
}

} // namespace

void information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    ask(box);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return ask(box);
}

void openOverParent(QMessageBox *box)
{
    placeOverParent(*box);
    if (box->windowType() == Qt::Popup)
        box->show();
    else
        box->open();
}

} // namespace dialogs
