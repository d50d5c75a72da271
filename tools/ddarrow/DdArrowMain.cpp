// Draws the drop-down frame's 18 x 18 arrow, and the same arrow at twice the
// resolution for dense screens: a white downward triangle with a dark drop
// shadow on a pure green background that the frame keys out. Pixels are set
// whole, never blended, so that no edge mixes with the key colour; at 2x the
// edges step by device pixels instead of by window pixels.
//   ddarrow <output png> <2x output png>
#include <QImage>

#include <cstdio>

namespace {

constexpr int Side = 18;
constexpr QRgb Key = qRgb(0, 255, 0);
constexpr QRgb Face = qRgb(255, 255, 255);
constexpr QRgb Shadow = qRgb(48, 24, 24);
// The triangle in window pixels: its top edge and the left and right ends of
// that edge; the sides close in by one pixel per pixel of depth.
constexpr double TopEdge = 7;
constexpr double LeftEnd = 5;
constexpr double RightEnd = 14;
constexpr int ShadowOffset = 1;

// Whether the device pixel (x, y) of a picture at scale has its centre in the
// triangle. Centres on a side count: at 1x that gives the rows 9, 7, 5, 3
// and 1 pixels wide.
bool inTriangle(int x, int y, int scale)
{
    const double centreX = (x + 0.5) / scale;
    const double depth = (y + 0.5) / scale - TopEdge;
    return depth >= 0 && centreX >= LeftEnd + depth && centreX <= RightEnd - depth;
}

void drawTriangle(QImage &image, int scale, int offset, QRgb colour)
{
    const int shift = offset * scale;
    for (int y = shift; y < image.height(); ++y)
        for (int x = shift; x < image.width(); ++x)
            if (inTriangle(x - shift, y - shift, scale))
                image.setPixel(x, y, colour);
}

QImage arrow(int scale)
{
    QImage image(Side * scale, Side * scale, QImage::Format_RGB32);
    image.fill(Key);
    drawTriangle(image, scale, ShadowOffset, Shadow);
    drawTriangle(image, scale, 0, Face);
    return image;
}

bool save(const QImage &image, const char *path)
{
    if (image.save(QString::fromLocal8Bit(path), "PNG"))
        return true;
    std::fprintf(stderr, "ddarrow: cannot write %s\n", path);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ddarrow <output png> <2x output png>\n");
        return 2;
    }
    return save(arrow(1), argv[1]) && save(arrow(2), argv[2]) ? 0 : 1;
}
