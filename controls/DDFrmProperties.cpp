// DDFrm's property setters and its persisted properties, in their stored
// order.
#include "controls/DDFrm.h"

#include "controls/DDFrmUnits.h"
#include "drawing/ControlError.h"

#include <QtDebug>
#include <cmath>

namespace controls {
namespace {

using drawing::ControlError;
using drawing::OleColor;

const QString TitleName = QStringLiteral("Title");
const QString TitleAlignName = QStringLiteral("TitleAlign");
const QString TitleBorderName = QStringLiteral("TitleBorder");
const QString TitleAppearanceName = QStringLiteral("TitleAppearance");
const QString ExpandedHeightName = QStringLiteral("ExpandedHeight");
const QString OpenOnName = QStringLiteral("OpenOn");
const QString UseIconName = QStringLiteral("UseIcon");
const QString TitleGradientName = QStringLiteral("TitleGradient");
const QString DDBorderStyleName = QStringLiteral("DDBorderStyle");
const QString AppearanceName = QStringLiteral("Appearance");
const QString HoverTimeName = QStringLiteral("HoverTime");
const QString DDBackColorName = QStringLiteral("DDBackColor");
const QString TitleBackColorName = QStringLiteral("TitleBackColor");
const QString TitleBorderColorName = QStringLiteral("TitleBorderColor");
const QString TitleForeColorName = QStringLiteral("TitleForeColor");
const QString TitleHeightName = QStringLiteral("TitleHeight");
const QString TitleFontsizeName = QStringLiteral("TitleFontsize");
// The bold flag has always been stored under the text of the constant true.
const QString TitleFontBoldName = QStringLiteral("True");

constexpr OleColor SysButtonFace = 0x8000000Fu;
constexpr OleColor SysMenu = 0x80000004u;
constexpr OleColor SysInactiveCaption = 0x80000003u;
constexpr OleColor SysMenuText = 0x80000007u;
constexpr int DefaultTitleHeight = 240;
constexpr double DefaultFontsize = 8;
// The title's design font; stored frames keep only its size and bold flag.
constexpr double DesignFontsize = 8.25;
constexpr double LargestFontsize = 1638;

bool isUsableFontsize(double points)
{
    return std::isfinite(points) && points > 0 && points <= LargestFontsize;
}

} // namespace

void DDFrm::applyDefaults(const QString &name)
{
    m_title = name;
    m_titleBackColor = SysMenu;
    m_titleForeColor = SysMenuText;
    m_titleBorderColor = SysInactiveCaption;
    m_backColor = SysButtonFace;
    m_titleFont = QFont(QStringLiteral("MS Sans Serif"));
    m_titleFont.setPointSizeF(DesignFontsize);
    m_titleFont.setBold(true);
}

void DDFrm::setTitle(const QString &value)
{
    m_title = value;
    DrawTitle();
}

void DDFrm::setTitleAlign(int value)
{
    if (value < 0 || value > 2) {
        throw ControlError(ControlError::InvalidPropertyValue);
    }
    m_titleAlign = value;
    setTitle(m_title);
}

void DDFrm::setTitleBorder(int value)
{
    m_titleBorder = value;
    DrawTitle();
}

void DDFrm::setTitleAppearance(int value)
{
    m_titleAppearance = value;
    DrawTitle();
}

void DDFrm::setTitleBackColor(OleColor value)
{
    m_titleBackColor = value;
    DrawTitle();
}

void DDFrm::setTitleForeColor(OleColor value)
{
    m_titleForeColor = value;
    DrawTitle();
}

void DDFrm::setTitleBorderColor(OleColor value)
{
    m_titleBorderColor = value;
    DrawTitle();
}

void DDFrm::setTitleHeight(int twips)
{
    m_titleHeight = twips;
    DrawTitle();
}

void DDFrm::setTitleFontsize(double points)
{
    if (!isUsableFontsize(points)) {
        throw ControlError(ControlError::InvalidPropertyValue);
    }
    m_titleFont.setPointSizeF(points);
    DrawTitle();
}

void DDFrm::setTitleFontBold(bool value)
{
    m_titleFont.setBold(value);
    DrawTitle();
}

void DDFrm::setTitleFontItalic(bool value)
{
    m_titleFont.setItalic(value);
    DrawTitle();
}

void DDFrm::setTitleFontUnderline(bool value)
{
    m_titleFont.setUnderline(value);
    DrawTitle();
}

void DDFrm::setDDBackColor(OleColor value)
{
    m_backColor = value;
    update();
}

void DDFrm::setDDBorderStyle(int value)
{
    m_borderStyle = value;
    updateMargins();
    DrawTitle();
}

void DDFrm::setDDAppearance(int value)
{
    m_appearance = value;
    updateMargins();
    DrawTitle();
}

// ---- persistence ----

void DDFrm::ReadProperties(const PropertyBag &bag)
{
    m_title = bag.readString(TitleName, QString());
    const int titleAlign = bag.readInt(TitleAlignName, 0);
    try {
        setTitleAlign(titleAlign);
    } catch (const ControlError &) {
        qWarning("%s: stored TitleAlign %d is not 0, 1 or 2; the title is left aligned",
                 qPrintable(objectName()), titleAlign);
        m_titleAlign = 0;
    }
    m_titleBorder = bag.readInt(TitleBorderName, 0);
    m_titleAppearance = bag.readInt(TitleAppearanceName, 0);
    m_expandedHeight = bag.readInt(ExpandedHeightName, ddTwipsY(height()));
    m_openOn = bag.readInt(OpenOnName, 1);
    m_useIcon = bag.readInt(UseIconName, 0);
    m_titleGradient = bag.readInt(TitleGradientName, 0);
    m_borderStyle = bag.readInt(DDBorderStyleName, 1);
    m_appearance = bag.readInt(AppearanceName, 1);
    m_hoverTime = bag.readInt(HoverTimeName, -1);
    m_backColor = bag.readColor(DDBackColorName, SysButtonFace);
    m_titleBackColor = bag.readColor(TitleBackColorName, SysMenu);
    m_titleBorderColor = bag.readColor(TitleBorderColorName, SysInactiveCaption);
    m_titleForeColor = bag.readColor(TitleForeColorName, SysMenuText);
    m_titleHeight = bag.readInt(TitleHeightName, DefaultTitleHeight);
    const double fontsize = bag.readDouble(TitleFontsizeName, DefaultFontsize);
    if (!isUsableFontsize(fontsize)) {
        qWarning("%s: stored TitleFontsize %g is not a font size; %g is used",
                 qPrintable(objectName()), fontsize, DefaultFontsize);
    }
    m_titleFont.setPointSizeF(isUsableFontsize(fontsize) ? fontsize : DefaultFontsize);
    m_titleFont.setBold(bag.readBool(TitleFontBoldName, true));
    updateMargins();
    DrawTitle();
}

void DDFrm::WriteProperties(PropertyBag &bag) const
{
    bag.writeString(TitleName, m_title);
    bag.writeInt(TitleAlignName, m_titleAlign);
    bag.writeInt(TitleBorderName, m_titleBorder);
    bag.writeInt(TitleAppearanceName, m_titleAppearance);
    bag.writeInt(ExpandedHeightName, m_expandedHeight);
    bag.writeInt(OpenOnName, m_openOn);
    bag.writeInt(UseIconName, m_useIcon);
    bag.writeInt(TitleGradientName, m_titleGradient);
    bag.writeInt(DDBorderStyleName, m_borderStyle);
    bag.writeInt(AppearanceName, m_appearance);
    bag.writeInt(HoverTimeName, m_hoverTime);
    bag.writeColor(DDBackColorName, m_backColor);
    bag.writeColor(TitleBackColorName, m_titleBackColor);
    bag.writeColor(TitleBorderColorName, m_titleBorderColor);
    bag.writeColor(TitleForeColorName, m_titleForeColor);
    bag.writeInt(TitleHeightName, m_titleHeight);
    bag.writeDouble(TitleFontsizeName, TitleFontsize());
    bag.writeBool(TitleFontBoldName, TitleFontBold());
}

} // namespace controls
