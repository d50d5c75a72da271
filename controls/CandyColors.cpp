#include "controls/CandyColors.h"

namespace controls {

int Clamp(int value, int min, int max)
{
    if (value < min)
        return min;
    if (value > max)
        return max;
    return value;
}

drawing::OleColor BlendColors(drawing::OleColor Color1, drawing::OleColor Color2, int percentage)
{
    const int p = Clamp(percentage, 0, FullPercent);
    int r1 = 0, g1 = 0, b1 = 0, r2 = 0, g2 = 0, b2 = 0;
    GetRGB(r1, g1, b1, Color1);
    GetRGB(r2, g2, b2, Color2);
    return drawing::rgb(r1 + (r2 - r1) * p / FullPercent, g1 + (g2 - g1) * p / FullPercent,
                        b1 + (b2 - b1) * p / FullPercent);
}

void GetRGB(int &r, int &g, int &b, drawing::OleColor Color)
{
    const drawing::OleColor plain = drawing::TranslateColor(Color);
    r = drawing::redOf(plain);
    g = drawing::greenOf(plain);
    b = drawing::blueOf(plain);
}

QRgb toPixel(drawing::OleColor color)
{
    int r = 0, g = 0, b = 0;
    GetRGB(r, g, b, color);
    return qRgb(r, g, b);
}

} // namespace controls
