#include "tools/puzzles/Preview.h"

#include "tools/puzzles/Puzzle.h"

#include "board/FormLayout.h"
#include "board/MatchArt.h"

#include <QFont>
#include <QPainter>

namespace puzzles {
namespace {

constexpr QRgb KeyGreen = 0xff00ff00;

QRect rectOf(const board::Rect &r)
{
    return {r.left, r.top, r.width, r.height};
}

QImage withoutKey(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == KeyGreen)
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
    return out;
}

void drawBox(QPainter &p, const QRect &box, const QString &caption)
{
    p.fillRect(box, QColor(192, 192, 255));
    QFont font(QStringLiteral("Comic Neue"));
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(box.topLeft(), QSize(box.width(), 26)), Qt::AlignHCenter | Qt::AlignTop,
               caption);
}

void drawMatches(QPainter &p, QPoint corner, const std::vector<storage::MatchPlacement> &matches)
{
    for (const storage::MatchPlacement &m : matches)
        p.drawImage(corner + QPoint(m.x, m.y), withoutKey(board::orientationImage(m.o)));
}

void drawBoard(QPainter &p, const board::FormLayout &layout)
{
    p.drawImage(rectOf(layout.areas.matchbox).topLeft(), withoutKey(board::matchboxImage()));
    const QStringList buttons{QStringLiteral("COPY"), QStringLiteral("SOLUTION"),
                              QStringLiteral("RESET")};
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(14);
    p.setFont(font);
    for (int i = 0; i < buttons.size(); ++i) {
        const board::Point corner = layout.boardButtons[std::size_t(2 - i)];
        const QRect button(corner.x, corner.y, board::BoardButtonSize.width,
                           board::BoardButtonSize.height);
        p.fillRect(button, QColor(230, 230, 230));
        p.setPen(Qt::darkGray);
        p.drawRect(button.adjusted(0, 0, -1, -1));
        p.drawText(button, Qt::AlignCenter, buttons[i]);
    }
}

void drawTexts(QPainter &p, const storage::PuzzleRecord &record, const board::FormLayout &layout)
{
    const int windowWidth = p.device()->width();
    QFont title(QStringLiteral("Sans"));
    title.setPixelSize(18);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.fillRect(0, 0, windowWidth, 27, QColor(128, 64, 64));
    p.drawText(QRect(0, 0, windowWidth, 27), Qt::AlignCenter, QString::fromStdString(record.title));
    // The label's designed font, 36 points, as large as it can get.
    QFont text(QStringLiteral("Comic Neue"));
    text.setPixelSize(48);
    p.setFont(text);
    p.setPen(Qt::black);
    QString shown = QString::fromStdString(record.instructions);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QRect instructions(layout.instructions.x, layout.instructions.y, layout.instructionsWidth,
                             p.device()->height() - layout.instructions.y);
    p.drawText(instructions, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown);
}

} // namespace

QImage previewImage(const storage::PuzzleRecord &record)
{
    const bool tall = boxRoomOf(record.puzzle).height == TallBoxHeight;
    board::LayoutInput in;
    in.innerHeight = tall ? board::DefaultInnerSize.height : board::DesignInnerSize.height;
    const board::FormLayout layout = *board::Form_ResizeLayout(in);
    QImage image(in.innerWidth, in.innerHeight + 120, QImage::Format_RGB32);
    image.fill(QColor(236, 233, 216));
    QPainter p(&image);
    const QRect puzzleBox = rectOf(layout.areas.puzzleBox);
    const QRect solutionBox = rectOf(layout.areas.solutionBox);
    drawBox(p, puzzleBox, QStringLiteral("PUZZLE"));
    drawBox(p, solutionBox, QStringLiteral("SOLUTION"));
    drawBoard(p, layout);
    drawMatches(p, puzzleBox.topLeft(), record.puzzle);
    drawMatches(p, solutionBox.topLeft(), record.solution);
    drawTexts(p, record, layout);
    return image;
}

} // namespace puzzles
