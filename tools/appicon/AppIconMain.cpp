// Writes the program's desktop icon twice from one description: as SVG for
// scalable themes and as PNG for the rest. Run by hand after changing it:
//   appicon <output folder>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <array>

namespace {

constexpr int Canvas = 256;
constexpr int PngSize = 256;

// A match lying from its tail to its head, in canvas units.
struct Stick
{
    QPointF tail;
    QPointF head;
};

// A triangle of three matches, the first figure most players learn; each
// stops short of the corners so the heads stand free.
constexpr std::array<Stick, 3> Sticks = {{
    {{66, 180}, {120, 78}},
    {{136, 78}, {190, 180}},
    {{180, 198}, {76, 198}},
}};

constexpr double ShaftWidth = 14;
constexpr double HeadRadius = 12;
const QColor BackTop(0x2b, 0x3a, 0x67);
const QColor BackBottom(0x14, 0x1b, 0x33);
const QColor Shaft(0xe9, 0xc2, 0x7c);
const QColor Head(0xc8, 0x20, 0x2a);

void paintIcon(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, Canvas);
    back.setColorAt(0, BackTop);
    back.setColorAt(1, BackBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(8, 8, Canvas - 16, Canvas - 16), 40, 40);
    for (const Stick &s : Sticks) {
        p.setPen(QPen(Shaft, ShaftWidth, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(s.tail, s.head);
        p.setPen(Qt::NoPen);
        p.setBrush(Head);
        p.drawEllipse(s.head, HeadRadius, HeadRadius);
    }
}

QString svgIcon()
{
    QString svg;
    QTextStream out(&svg);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Canvas << "\" height=\""
        << Canvas << "\" viewBox=\"0 0 " << Canvas << ' ' << Canvas << "\">\n"
        << "  <defs><linearGradient id=\"back\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
        << "<stop offset=\"0\" stop-color=\"" << BackTop.name() << "\"/>"
        << "<stop offset=\"1\" stop-color=\"" << BackBottom.name() << "\"/>"
        << "</linearGradient></defs>\n"
        << "  <rect x=\"8\" y=\"8\" width=\"" << Canvas - 16 << "\" height=\"" << Canvas - 16
        << "\" rx=\"40\" fill=\"url(#back)\"/>\n";
    for (const Stick &s : Sticks) {
        out << "  <line x1=\"" << s.tail.x() << "\" y1=\"" << s.tail.y() << "\" x2=\"" << s.head.x()
            << "\" y2=\"" << s.head.y() << "\" stroke=\"" << Shaft.name() << "\" stroke-width=\""
            << ShaftWidth << "\" stroke-linecap=\"round\"/>\n"
            << "  <circle cx=\"" << s.head.x() << "\" cy=\"" << s.head.y() << "\" r=\""
            << HeadRadius << "\" fill=\"" << Head.name() << "\"/>\n";
    }
    out << "</svg>\n";
    return svg;
}

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.toUtf8()) >= 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: appicon <output folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QImage png(PngSize, PngSize, QImage::Format_ARGB32_Premultiplied);
    png.fill(Qt::transparent);
    QPainter painter(&png);
    paintIcon(painter);
    painter.end();
    const bool written = png.save(folder.filePath(QStringLiteral("flintora.png"))) &&
                         writeText(folder.filePath(QStringLiteral("flintora.svg")), svgIcon());
    return written ? 0 : 1;
}
