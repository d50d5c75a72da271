// CandyButton's persisted properties, in their stored order.
#include "controls/CandyButton.h"

#include "controls/CandyColors.h"

#include <QApplication>

namespace controls {
namespace {

const QString EnabledName = QStringLiteral("Enabled");
const QString FontName = QStringLiteral("Font");
const QString CaptionName = QStringLiteral("Caption");
const QString IconHighLiteName = QStringLiteral("IconHighLite");
const QString IconHighLiteColorName = QStringLiteral("IconHighLiteColor");
const QString CaptionHighLiteName = QStringLiteral("CaptionHighLite");
const QString CaptionHighLiteColorName = QStringLiteral("CaptionHighLiteColor");
const QString ForeColorName = QStringLiteral("ForeColor");
const QString PictureName = QStringLiteral("Picture");
const QString PictureAlignmentName = QStringLiteral("PictureAlignment");
const QString StyleName = QStringLiteral("Style");
const QString CheckedName = QStringLiteral("Checked");
const QString ColorButtonHoverName = QStringLiteral("ColorButtonHover");
const QString ColorButtonUpName = QStringLiteral("ColorButtonUp");
const QString ColorButtonDownName = QStringLiteral("ColorButtonDown");
const QString BorderBrightnessName = QStringLiteral("BorderBrightness");
const QString ColorBrightName = QStringLiteral("ColorBright");
const QString DisplayHandName = QStringLiteral("DisplayHand");
const QString ColorSchemeName = QStringLiteral("ColorScheme");

} // namespace

QFont CandyButton::hostFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void CandyButton::ReadProperties(const PropertyBag &bag)
{
    m_look.enabled = bag.readBool(EnabledName, true);
    m_look.font = bag.readFont(FontName, hostFont());
    m_look.caption = bag.readString(CaptionName, objectName());
    m_look.iconHighLite = bag.readBool(IconHighLiteName, false);
    m_look.iconHighLiteColor = bag.readColor(IconHighLiteColorName, CandyDefaults::HighLiteColor);
    m_look.captionHighLite = bag.readBool(CaptionHighLiteName, false);
    m_look.captionHighLiteColor =
        bag.readColor(CaptionHighLiteColorName, CandyDefaults::HighLiteColor);
    m_look.foreColor = bag.readColor(ForeColorName, 0);
    m_look.picture = bag.readPicture(PictureName);
    m_picturePath = m_look.picture.isNull() ? QString() : bag.text(PictureName);
    m_look.pictureAlignment = bag.readInt(PictureAlignmentName, 0);
    m_look.style = bag.readInt(StyleName, 0);
    m_checked = bag.readBool(CheckedName, m_checked);
    m_look.colorButtonHover = bag.readColor(ColorButtonHoverName, CandyDefaults::ColorButtonHover);
    m_look.colorButtonUp = bag.readColor(ColorButtonUpName, CandyDefaults::ColorButtonUp);
    m_look.colorButtonDown = bag.readColor(ColorButtonDownName, CandyDefaults::ColorButtonDown);
    m_look.borderBrightness =
        Clamp(bag.readInt(BorderBrightnessName, 0), -CandyDefaults::BorderBrightnessLimit,
              CandyDefaults::BorderBrightnessLimit);
    m_look.colorBright = bag.readColor(ColorBrightName, CandyDefaults::ColorBright);
    m_displayHand = bag.readBool(DisplayHandName, false);
    m_colorScheme = bag.readInt(ColorSchemeName, 0);

    setCursor(m_displayHand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::setFont(m_look.font);
    setFocusPolicy(m_look.enabled ? Qt::StrongFocus : Qt::NoFocus);
    BuildShape();
    DrawButton(Normal);
}

void CandyButton::WriteProperties(PropertyBag &bag) const
{
    bag.writeBool(EnabledName, m_look.enabled, true);
    bag.writeFont(FontName, m_look.font, hostFont());
    bag.writeString(CaptionName, m_look.caption, objectName());
    bag.writeBool(IconHighLiteName, m_look.iconHighLite, false);
    bag.writeColor(IconHighLiteColorName, m_look.iconHighLiteColor, CandyDefaults::HighLiteColor);
    bag.writeBool(CaptionHighLiteName, m_look.captionHighLite, false);
    bag.writeColor(CaptionHighLiteColorName, m_look.captionHighLiteColor,
                   CandyDefaults::HighLiteColor);
    bag.writeColor(ForeColorName, m_look.foreColor, 0);
    bag.writePicture(PictureName, m_picturePath);
    bag.writeInt(PictureAlignmentName, m_look.pictureAlignment, 0);
    bag.writeInt(StyleName, m_look.style, 0);
    bag.writeBool(CheckedName, m_checked);
    bag.writeColor(ColorButtonHoverName, m_look.colorButtonHover);
    bag.writeColor(ColorButtonUpName, m_look.colorButtonUp);
    bag.writeColor(ColorButtonDownName, m_look.colorButtonDown);
    bag.writeInt(BorderBrightnessName, m_look.borderBrightness);
    bag.writeColor(ColorBrightName, m_look.colorBright);
    bag.writeBool(DisplayHandName, m_displayHand);
    bag.writeInt(ColorSchemeName, m_colorScheme);
}

} // namespace controls
