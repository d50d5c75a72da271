// CandyButton's persisted properties, in their stored order.
#include "controls/CandyButton.h"

#include "controls/CandyColors.h"

#include <QApplication>

namespace controls {
namespace {

constexpr PropertyRange BorderBrightnessRange{-CandyDefaults::BorderBrightnessLimit,
                                              CandyDefaults::BorderBrightnessLimit,
                                              PropertyRange::Clamp};

} // namespace

QFont CandyButton::hostFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

// Loading stores the values as they are, without the setters' side effects
// (a colour setter would reset ColorScheme); ReadProperties redraws once.
const PropertyTable<CandyButton> &CandyButton::propertyTable()
{
    using B = CandyButton;
    using Row = PropertyRow<B>;
    using drawing::OleColor;
    static const PropertyTable<B> table = {
        Row::of(QStringLiteral("Enabled"), true, &B::Enabled,
                [](B &b, bool v) { b.m_look.enabled = v; }),
        Row::of(QStringLiteral("Font"), &B::hostFont, &B::Font,
                [](B &b, const QFont &v) { b.m_look.font = v; }),
        Row::of(QStringLiteral("Caption"), &B::objectName, &B::Caption,
                [](B &b, const QString &v) { b.m_look.caption = v; }),
        Row::of(QStringLiteral("IconHighLite"), false, &B::IconHighLite, &B::setIconHighLite),
        Row::of(QStringLiteral("IconHighLiteColor"), CandyDefaults::HighLiteColor,
                &B::IconHighLiteColor, &B::setIconHighLiteColor),
        Row::of(QStringLiteral("CaptionHighLite"), false, &B::CaptionHighLite,
                &B::setCaptionHighLite),
        Row::of(QStringLiteral("CaptionHighLiteColor"), CandyDefaults::HighLiteColor,
                &B::CaptionHighLiteColor, &B::setCaptionHighLiteColor),
        Row::of(QStringLiteral("ForeColor"), OleColor(0), &B::ForeColor,
                [](B &b, OleColor v) { b.m_look.foreColor = v; }),
        Row::of(
            QStringLiteral("Picture"), StoredPicture(),
            [](const B &b) {
                return StoredPicture{b.m_picturePath, b.m_look.picture};
            },
            [](B &b, const StoredPicture &v) {
                b.m_look.picture = v.picture;
                b.m_picturePath = v.path;
            }),
        Row::of(QStringLiteral("PictureAlignment"), 0, &B::PictureAlignment,
                [](B &b, int v) { b.m_look.pictureAlignment = v; }),
        Row::of(QStringLiteral("Style"), 0, &B::Style, [](B &b, int v) { b.m_look.style = v; }),
        // A missing Checked keeps the button's current state.
        Row::of(
            QStringLiteral("Checked"), &B::Checked, &B::Checked,
            [](B &b, bool v) { b.m_checked = v; }, Written::Always),
        Row::of(
            QStringLiteral("ColorButtonHover"), CandyDefaults::ColorButtonHover,
            &B::ColorButtonHover, [](B &b, OleColor v) { b.m_look.colorButtonHover = v; },
            Written::Always),
        Row::of(
            QStringLiteral("ColorButtonUp"), CandyDefaults::ColorButtonUp, &B::ColorButtonUp,
            [](B &b, OleColor v) { b.m_look.colorButtonUp = v; }, Written::Always),
        Row::of(
            QStringLiteral("ColorButtonDown"), CandyDefaults::ColorButtonDown, &B::ColorButtonDown,
            [](B &b, OleColor v) { b.m_look.colorButtonDown = v; }, Written::Always),
        Row::of(
            QStringLiteral("BorderBrightness"), 0, &B::BorderBrightness,
            [](B &b, int v) { b.m_look.borderBrightness = v; }, Written::Always,
            BorderBrightnessRange),
        Row::of(
            QStringLiteral("ColorBright"), CandyDefaults::ColorBright, &B::ColorBright,
            [](B &b, OleColor v) { b.m_look.colorBright = v; }, Written::Always),
        Row::of(QStringLiteral("DisplayHand"), false, &B::DisplayHand, &B::setDisplayHand,
                Written::Always),
        Row::of(
            QStringLiteral("ColorScheme"), 0, &B::ColorScheme,
            [](B &b, int v) { b.m_colorScheme = v; }, Written::Always),
    };
    return table;
}

void CandyButton::ReadProperties(const PropertyBag &bag)
{
    readProperties(propertyTable(), bag, *this);
    setCursor(m_displayHand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::setFont(m_look.font);
    setFocusPolicy(m_look.enabled ? Qt::StrongFocus : Qt::NoFocus);
    BuildShape();
    DrawButton(Normal);
}

void CandyButton::WriteProperties(PropertyBag &bag) const
{
    writeProperties(propertyTable(), bag, *this);
}

} // namespace controls
