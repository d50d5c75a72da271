#include "board/HelpText.h"

namespace board {

QString instructionsHelpText()
{
    const QString lf = QStringLiteral("\n");
    return QStringLiteral(
               "To see a puzzle select the puzzle from the drop down selector.You can then try to "
               "solve the puzzle by dragging the matches around the puzzle box or ") +
           QStringLiteral(" copy the puzzle to the solutions box and solve it.") + lf + lf +
           QStringLiteral(" To rotate a matchstick use the following:") + lf +
           QStringLiteral("   Turn clockwise = Right Click") + lf +
           QStringLiteral("   Turn anti-clockwise = [Ctrl] + Right Click") + lf + lf +
           QStringLiteral(
               "Hit the [Solution] button to see the solution at an time. To create a new "
               "puzzle press the [Reset] button, Drag the matches from the centre") +
           QStringLiteral(
               " matches and arrange as required. Do the same for the solution box and "
               "then press the [Save] button. Fill in the Title and Description fields") +
           QStringLiteral(
               " when prompted. The new puzzle will appear at the bottom of the selector "
               "list.") +
           lf +
           QStringLiteral(
               "If you press the [Save] button whilst a current puzzle is selected, unless "
               "you change the Title field any changes will be made to the selected puzzle "
               "and it's solution.");
}

} // namespace board
