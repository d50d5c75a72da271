#include "tools/puzzles/Preview.h"

#include "tools/puzzles/Puzzle.h"

#include "board/MatchArt.h"

#include <QFont>
#include <QPainter>

namespace puzzles {
namespace {

constexpr QRgb KeyGreen = 0xff00ff00;
constexpr int WindowWidth = 975;
constexpr int WindowHeight = 600;
const QPoint PuzzleCorner{16, 45};
const QPoint SolutionCorner{538, 45};
const QPoint MatchboxCorner{405, 244};
const QRect InstructionsRect{16, 478, 943, WindowHeight - 478};

QImage withoutKey(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == KeyGreen)
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
    return out;
}

void drawBox(QPainter &p, QPoint corner, const QString &caption)
{
    const QRect box(corner, QSize(BoxWidth, BoxHeight));
    p.fillRect(box, QColor(192, 192, 255));
    QFont font(QStringLiteral("Comic Neue"));
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(corner, QSize(BoxWidth, 26)), Qt::AlignHCenter | Qt::AlignTop, caption);
}

void drawMatches(QPainter &p, QPoint corner, const std::vector<storage::MatchPlacement> &matches)
{
    for (const storage::MatchPlacement &m : matches)
        p.drawImage(corner + QPoint(m.x, m.y), withoutKey(board::orientationImage(m.o)));
}

void drawBoard(QPainter &p)
{
    p.drawImage(MatchboxCorner, withoutKey(board::matchboxImage()));
    const QStringList buttons{QStringLiteral("COPY"), QStringLiteral("SOLUTION"),
                              QStringLiteral("RESET")};
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(14);
    p.setFont(font);
    for (int i = 0; i < buttons.size(); ++i) {
        const QRect button(422, 324 + 46 * i, 130, 40);
        p.fillRect(button, QColor(230, 230, 230));
        p.setPen(Qt::darkGray);
        p.drawRect(button.adjusted(0, 0, -1, -1));
        p.drawText(button, Qt::AlignCenter, buttons[i]);
    }
}

void drawTexts(QPainter &p, const storage::PuzzleRecord &record)
{
    QFont title(QStringLiteral("Sans"));
    title.setPixelSize(18);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.fillRect(0, 0, WindowWidth, 27, QColor(128, 64, 64));
    p.drawText(QRect(0, 0, WindowWidth, 27), Qt::AlignCenter, QString::fromStdString(record.title));
    // The label's designed font, 36 points, as large as it can get.
    QFont text(QStringLiteral("Comic Neue"));
    text.setPixelSize(48);
    p.setFont(text);
    p.setPen(Qt::black);
    QString instructions = QString::fromStdString(record.instructions);
    instructions.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    p.drawText(InstructionsRect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, instructions);
}

} // namespace

QImage previewImage(const storage::PuzzleRecord &record)
{
    QImage image(WindowWidth, WindowHeight + 120, QImage::Format_RGB32);
    image.fill(QColor(236, 233, 216));
    QPainter p(&image);
    drawBox(p, PuzzleCorner, QStringLiteral("PUZZLE"));
    drawBox(p, SolutionCorner, QStringLiteral("SOLUTION"));
    drawBoard(p);
    drawMatches(p, PuzzleCorner, record.puzzle);
    drawMatches(p, SolutionCorner, record.solution);
    drawTexts(p, record);
    return image;
}

} // namespace puzzles
