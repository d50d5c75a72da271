// DDFrm's drawing: the title bar rendered off-screen by DrawTitle, and the
// frame's background and border in paintEvent.
#include "controls/DDFrm.h"

#include "controls/AppStarted.h"

#include <QFontMetrics>
#include <QPainter>
#include <qdrawutil.h>

// Resource initialisation has to be named outside any namespace.
static void initControlArt()
{
    Q_INIT_RESOURCE(controls);
}

namespace controls {
namespace {

constexpr int ArrowSide = 18;
constexpr drawing::OleColor ArrowKey = drawing::rgb(0, 255, 0);
constexpr float GradientLightening = 60;
constexpr drawing::OleColor SysWindowFrame = 0x80000006u;

drawing::Picture loadArrow(const QString &path, int scale)
{
    initControlArt();
    QImage image(path);
    image.setDevicePixelRatio(scale);
    return image.isNull() ? drawing::Picture() : drawing::Picture::fromImage(image);
}

// The 2x picture wherever a window pixel is more than one device pixel: at
// 1.5x the 2x one scaled down has even edges, where the 1x one scaled up
// stepped by one and two device pixels in turn.
const drawing::Picture &arrowPicture(qreal devicePixelRatio)
{
    static const drawing::Picture oneX = loadArrow(QStringLiteral(":/controls/ddarrow.png"), 1);
    static const drawing::Picture twoX = loadArrow(QStringLiteral(":/controls/ddarrow@2x.png"), 2);
    return devicePixelRatio > 1 ? twoX : oneX;
}

Qt::Alignment horizontalAlignment(int titleAlign)
{
    switch (titleAlign) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

QString DDFrm::displayedTitle() const
{
    switch (m_titleAlign) {
    case 0:
        return QLatin1Char(' ') + m_title;
    case 1:
        return m_title + QLatin1Char(' ');
    default:
        return m_title;
    }
}

void DDFrm::paintTitleBackground(QPainter &painter, int width, int height) const
{
    if (AppStarted) {
        drawing::DrawGradient(painter, 0, 0, width, height, m_titleBackColor,
                              drawing::LightenColor(m_titleBackColor, GradientLightening),
                              m_titleGradient == 2);
    } else {
        painter.fillRect(0, 0, width, height,
                         drawing::toQColor(drawing::TranslateColor(m_titleBackColor)));
    }
}

void DDFrm::paintTitleText(QPainter &painter, int width, int height) const
{
    const QFontMetrics metrics(m_titleFont);
    const int labelTop = (height - metrics.height()) / 2;
    painter.setFont(m_titleFont);
    painter.setPen(drawing::toQColor(drawing::TranslateColor(m_titleForeColor)));
    painter.drawText(QRect(0, labelTop, width, metrics.height()),
                     int(horizontalAlignment(m_titleAlign) | Qt::AlignTop | Qt::TextSingleLine),
                     displayedTitle());
}

void DDFrm::DrawTitle()
{
    renderTitle();
    update();
}

void DDFrm::renderTitle()
{
    const int width = contentsRect().width();
    const int height = titlePixelHeight();
    if (width <= 0 || height <= 0) {
        m_titleImage = QImage();
        return;
    }
    // At the screen's resolution, so the title is as sharp as the window's.
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(width, height) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintTitleBackground(painter, width, height);
    const drawing::Picture &arrow = arrowPicture(ratio);
    if (m_useIcon == 1 && !arrow.isNull()) {
        // Counted in the picture's own pixels; it fills ArrowSide window pixels.
        const int side = arrow.image().width();
        // Only a ratio the picture was not drawn for scales it; its key is
        // transparent by then, so no edge blends with the green.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        drawing::DrawTransparentPicture(painter, width - ArrowSide, 0, side, side, arrow, 0, 0,
                                        ArrowKey);
    }
    if (m_titleBorder == 1) {
        painter.setPen(drawing::toQColor(drawing::TranslateColor(m_titleBorderColor)));
        painter.drawRect(0, 0, width - 1, height - 1);
    }
    paintTitleText(painter, width, height);
    painter.end();
    m_titleImage = image;
}

int DDFrm::borderWidth() const
{
    if (m_borderStyle != 1)
        return 0;
    return m_appearance == 1 ? 2 : 1;
}

void DDFrm::updateMargins()
{
    const int border = borderWidth();
    setContentsMargins(border, border, border, border);
}

void DDFrm::paintFrameBorder(QPainter &painter) const
{
    if (m_borderStyle != 1)
        return;
    if (m_appearance == 1) {
        qDrawWinPanel(&painter, rect(), palette(), true);
        return;
    }
    painter.setPen(drawing::toQColor(drawing::TranslateColor(SysWindowFrame)));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DDFrm::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another pixel ratio since the title was drawn.
    if (m_titleImage.devicePixelRatio() != devicePixelRatioF())
        renderTitle();
    QPainter painter(this);
    painter.fillRect(rect(), drawing::toQColor(drawing::TranslateColor(m_backColor)));
    painter.drawImage(contentsRect().topLeft(), m_titleImage);
    paintFocusFrame(painter);
    paintFrameBorder(painter);
}

} // namespace controls
