// Draws the drop-down frame's 18 x 18 arrow: a white downward triangle with
// a dark drop shadow on a pure green background that the frame keys out.
// Pixels are set one by one so that no edge blends into the key colour.
//   ddarrow <output png>
#include <QImage>

#include <cstdio>

namespace {

constexpr int Side = 18;
constexpr QRgb Key = qRgb(0, 255, 0);
constexpr QRgb Face = qRgb(255, 255, 255);
constexpr QRgb Shadow = qRgb(48, 24, 24);
// The widest row of the triangle and how many rows it narrows over.
constexpr int TopRow = 7;
constexpr int FirstColumn = 5;
constexpr int LastColumn = 13;

void drawTriangle(QImage &image, int dx, int dy, QRgb colour)
{
    for (int row = 0; FirstColumn + row <= LastColumn - row; ++row)
        for (int x = FirstColumn + row; x <= LastColumn - row; ++x)
            image.setPixel(x + dx, TopRow + row + dy, colour);
}

QImage arrow()
{
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Key);
    drawTriangle(image, 1, 1, Shadow);
    drawTriangle(image, 0, 0, Face);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ddarrow <output png>\n");
        return 2;
    }
    if (!arrow().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "ddarrow: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
