#include "ShotReading.h"

#include <cstdlib>
#include <vector>

namespace probe {

namespace {

constexpr int ColourSlack = 12; // a compositor may round a channel or two
constexpr int InkLevel = 80;    // below it on every channel: the outline

bool isBalloon(QRgb c)
{
    const QColor want = drawing::toQColor(BalloonColor);
    return std::abs(qRed(c) - want.red()) <= ColourSlack &&
           std::abs(qGreen(c) - want.green()) <= ColourSlack &&
           std::abs(qBlue(c) - want.blue()) <= ColourSlack;
}

bool isInk(QRgb c)
{
    return qRed(c) < InkLevel && qGreen(c) < InkLevel && qBlue(c) < InkLevel;
}

// The balloon's pixels in `area` with the outline pixels joined to them.
std::vector<QPoint> balloonWithOutline(const QImage &shot, const QRect &area)
{
    std::vector<bool> seen(size_t(area.width() * area.height()), false);
    const auto index = [&area](QPoint p) {
        return size_t((p.y() - area.top()) * area.width() + p.x() - area.left());
    };
    std::vector<QPoint> todo, found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isBalloon(shot.pixel(x, y))) {
                seen[index(QPoint(x, y))] = true;
                todo.push_back(QPoint(x, y));
            }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        found.push_back(p);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                if (!area.contains(q) || seen[index(q)] || !isInk(shot.pixel(q)))
                    continue;
                seen[index(q)] = true;
                todo.push_back(q);
            }
    }
    return found;
}

} // namespace

QRect balloonBox(const QImage &shot)
{
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (isBalloon(shot.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

std::optional<QPoint> pointerTip(const QImage &shot, QPoint near, int reach)
{
    const QRect area =
        QRect(near - QPoint(reach, reach), near + QPoint(reach, reach)) & shot.rect();
    const std::vector<QPoint> balloon = balloonWithOutline(shot, area);
    if (balloon.empty())
        return std::nullopt;
    long long rows = 0;
    for (const QPoint &p : balloon)
        rows += p.y();
    const bool bodyBelow = rows / (long long)balloon.size() > near.y();
    QPoint tip = balloon.front();
    for (const QPoint &p : balloon) {
        const bool farther = bodyBelow ? p.y() < tip.y() : p.y() > tip.y();
        const bool closerInRow =
            p.y() == tip.y() && std::abs(p.x() - near.x()) < std::abs(tip.x() - near.x());
        if (farther || closerInRow)
            tip = p;
    }
    return tip;
}

} // namespace probe
