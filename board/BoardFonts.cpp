#include "board/BoardFonts.h"

#include <QFontMetrics>
#include <QStringList>

namespace board {

QFont comicFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont fittingFont(const QFont &base, const QString &text, int width, double minimumPoints)
{
    QFont font = base;
    while (QFontMetrics(font).horizontalAdvance(text) > width &&
           font.pointSizeF() - 1 >= minimumPoints)
        font.setPointSizeF(font.pointSizeF() - 1);
    return font;
}

} // namespace board
