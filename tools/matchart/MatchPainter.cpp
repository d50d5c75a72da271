#include "MatchPainter.h"

#include "Banding.h"
#include "board/Orientations.h"

#include <QColor>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace matchart {
namespace {

constexpr double Length = 95.0;
constexpr double ShaftHalf = 3.5;
constexpr double HeadHalf = 4.5;
constexpr double HeadCentre = 90.5; // from the tail end
constexpr double HeadRadius = 4.5;
constexpr int Samples = 4;

// A point of the match in its own frame: along runs from the tail (0) to
// the head tip (95), across from the left edge (-4.5) to the right (4.5)
// when the head points up.
struct Local
{
    double along;
    double across;
};

bool insideHead(Local p)
{
    const double da = (p.along - HeadCentre) / HeadRadius;
    const double dc = p.across / HeadHalf;
    return da * da + dc * dc <= 1.0 || (p.along >= HeadCentre - 4.0 && p.along <= HeadCentre &&
                                        std::abs(p.across) <= HeadHalf * 0.85);
}

bool insideShaft(Local p)
{
    return p.along >= 0.5 && p.along <= HeadCentre && std::abs(p.across) <= ShaftHalf;
}

bool inside(Local p)
{
    return insideHead(p) || insideShaft(p);
}

int clampByte(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

// Light comes from the upper left of the match's own frame, so the shaft
// reads as a round stick.
double roundShade(double across, double half)
{
    const double t = across / half;
    return 1.0 + 0.22 * (1.0 - (t + 0.35) * (t + 0.35)) - 0.18;
}

QRgb woodColour(Local p)
{
    const double wave = std::sin(p.along * 0.11 + std::sin(p.along * 0.037) * 2.0);
    const double grain = std::sin(p.across * 2.6 + wave * 1.3);
    const double fleck = std::sin(p.along * 1.7 + p.across * 0.9) > 0.97 ? -28.0 : 0.0;
    const double shade = roundShade(p.across, ShaftHalf);
    const double tone = (grain > 0.55 ? -22.0 : 0.0) + fleck;
    const double charred = std::clamp((p.along - (HeadCentre - 9.0)) / 6.0, 0.0, 1.0);
    const double r = (226 + tone) * shade * (1.0 - 0.35 * charred);
    const double g = (186 + tone) * shade * (1.0 - 0.45 * charred);
    const double b = (128 + tone * 0.8) * shade * (1.0 - 0.5 * charred);
    return qRgb(clampByte(r), clampByte(g), clampByte(b));
}

QRgb headColour(Local p)
{
    const double dx = p.across / HeadHalf + 0.35;
    const double dy = (p.along - HeadCentre) / HeadRadius - 0.35;
    const double shine = std::max(0.0, 1.0 - (dx * dx + dy * dy) * 2.2);
    const double edge =
        std::clamp(std::hypot(p.across / HeadHalf, (p.along - HeadCentre) / HeadRadius), 0.0, 1.0);
    const double dark = 1.0 - 0.45 * edge * edge;
    return qRgb(clampByte((196 + 59 * shine) * dark), clampByte((34 + 150 * shine) * dark),
                clampByte((28 + 130 * shine) * dark));
}

// The head's colour starts where its bulb starts, so the lying and upright
// outlines get a fully red head too.
QRgb colourAt(Local p)
{
    return p.along >= HeadCentre - HeadRadius ? headColour(p) : woodColour(p);
}

class Frame
{
public:
    Frame(int orientation, int width, int height)
    {
        const double angle = qDegreesToRadians(board::Orientations[orientation].angle);
        headX = std::sin(angle);
        headY = -std::cos(angle);
        centreX = width / 2.0;
        centreY = height / 2.0;
    }
    Local at(double x, double y) const
    {
        const double dx = x - centreX;
        const double dy = y - centreY;
        return {Length / 2.0 + dx * headX + dy * headY, dx * -headY + dy * headX};
    }

private:
    double headX = 0, headY = 0, centreX = 0, centreY = 0;
};

// The share of device pixel (x, y) that the match covers, at scale device
// pixels per logical pixel.
double coverage(const Frame &frame, int x, int y, int scale)
{
    int hits = 0;
    for (int sy = 0; sy < Samples; ++sy)
        for (int sx = 0; sx < Samples; ++sx) {
            const Local p =
                frame.at((x + (sx + 0.5) / Samples) / scale, (y + (sy + 0.5) / Samples) / scale);
            hits += inside(p) ? 1 : 0;
        }
    return double(hits) / (Samples * Samples);
}

// The upright, lying and hanging matches keep fixed outlines so that their
// hit shapes are the ones the board was laid out with.
bool axisMember(int orientation, int x, int y)
{
    switch (orientation) {
    case 0:
        return y == 0 ? x >= 1 && x < 8 : y < 9 ? true : y < 94 ? x >= 1 && x < 8 : x >= 1 && x < 7;
    case 4:
        return (y == 0 || y == 8) ? x >= 86 && x < 94 : true;
    case 8:
        return y < 86 ? x >= 1 && x < 8 : y < 94 ? true : x >= 1 && x < 8;
    case 12:
        return (y == 0 || y == 8) ? x >= 1 && x < 9 : true;
    }
    return false;
}

} // namespace

QImage matchImage(int orientation, int scale)
{
    const auto &info = board::Orientations[orientation];
    QImage image(info.width * scale, info.height * scale, QImage::Format_RGB32);
    image.fill(KeyGreen);
    const Frame frame(orientation, info.width, info.height);
    // Only the 1x outlines are fixed; finer ones follow the match itself.
    const bool fixedOutline = scale == 1 && orientation % 4 == 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool member =
                fixedOutline ? axisMember(orientation, x, y) : coverage(frame, x, y, scale) >= 0.5;
            if (member)
                image.setPixel(x, y, colourAt(frame.at((x + 0.5) / scale, (y + 0.5) / scale)));
        }
    return image;
}

} // namespace matchart
