// DDFrm's property setters and its persisted properties, in their stored
// order.
#include "controls/DDFrm.h"

#include "controls/DDFrmUnits.h"
#include "drawing/ControlError.h"

#include <limits>

namespace controls {
namespace {

using drawing::ControlError;
using drawing::OleColor;

constexpr OleColor SysButtonFace = 0x8000000Fu;
constexpr OleColor SysMenu = 0x80000004u;
constexpr OleColor SysInactiveCaption = 0x80000003u;
constexpr OleColor SysMenuText = 0x80000007u;
// The title's design font; stored frames keep only its size and bold flag.
constexpr double DesignFontsize = 8.25;
constexpr PropertyRange TitleAlignRange{0, 2, PropertyRange::Refuse};
// Any size above zero up to the largest the title label takes.
constexpr PropertyRange TitleFontsizeRange{std::numeric_limits<double>::denorm_min(), 1638,
                                           PropertyRange::Refuse};

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
    if (!TitleAlignRange.contains(value))
        throw ControlError(ControlError::InvalidPropertyValue);
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
    if (!TitleFontsizeRange.contains(points))
        throw ControlError(ControlError::InvalidPropertyValue);
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

// Every property is written, defaults included. Loading stores most values
// as they are; ReadProperties lays out and redraws once at the end.
const PropertyTable<DDFrm> &DDFrm::propertyTable()
{
    using F = DDFrm;
    using Row = PropertyRow<F>;
    constexpr auto Always = Written::Always;
    static const PropertyTable<F> table = {
        Row::of(
            QStringLiteral("Title"), QString(), &F::Title,
            [](F &f, const QString &v) { f.m_title = v; }, Always),
        Row::of(QStringLiteral("TitleAlign"), 0, &F::TitleAlign, &F::setTitleAlign, Always,
                TitleAlignRange),
        Row::of(
            QStringLiteral("TitleBorder"), 0, &F::TitleBorder,
            [](F &f, int v) { f.m_titleBorder = v; }, Always),
        Row::of(
            QStringLiteral("TitleAppearance"), 0, &F::TitleAppearance,
            [](F &f, int v) { f.m_titleAppearance = v; }, Always),
        Row::of(
            QStringLiteral("ExpandedHeight"), [](const F &f) { return ddTwipsY(f.height()); },
            &F::ExpandedHeight, &F::setExpandedHeight, Always),
        Row::of(QStringLiteral("OpenOn"), 1, &F::OpenOn, &F::setOpenOn, Always),
        Row::of(QStringLiteral("UseIcon"), 0, &F::UseIcon, &F::setUseIcon, Always),
        Row::of(QStringLiteral("TitleGradient"), 0, &F::TitleGradient, &F::setTitleGradient,
                Always),
        Row::of(
            QStringLiteral("DDBorderStyle"), 1, &F::DDBorderStyle,
            [](F &f, int v) { f.m_borderStyle = v; }, Always),
        Row::of(
            QStringLiteral("Appearance"), 1, &F::DDAppearance,
            [](F &f, int v) { f.m_appearance = v; }, Always),
        Row::of(QStringLiteral("HoverTime"), -1, &F::HoverTime, &F::setHoverTime, Always),
        Row::of(
            QStringLiteral("DDBackColor"), SysButtonFace, &F::DDBackColor,
            [](F &f, OleColor v) { f.m_backColor = v; }, Always),
        Row::of(
            QStringLiteral("TitleBackColor"), SysMenu, &F::TitleBackColor,
            [](F &f, OleColor v) { f.m_titleBackColor = v; }, Always),
        Row::of(
            QStringLiteral("TitleBorderColor"), SysInactiveCaption, &F::TitleBorderColor,
            [](F &f, OleColor v) { f.m_titleBorderColor = v; }, Always),
        Row::of(
            QStringLiteral("TitleForeColor"), SysMenuText, &F::TitleForeColor,
            [](F &f, OleColor v) { f.m_titleForeColor = v; }, Always),
        Row::of(
            QStringLiteral("TitleHeight"), 240, &F::TitleHeight,
            [](F &f, int v) { f.m_titleHeight = v; }, Always),
        Row::of(QStringLiteral("TitleFontsize"), 8.0, &F::TitleFontsize, &F::setTitleFontsize,
                Always, TitleFontsizeRange),
        // The bold flag has always been stored under the text of the constant true.
        Row::of(
            QStringLiteral("True"), true, &F::TitleFontBold,
            [](F &f, bool v) { f.m_titleFont.setBold(v); }, Always),
    };
    return table;
}

void DDFrm::ReadProperties(const PropertyBag &bag)
{
    readProperties(propertyTable(), bag, *this);
    updateMargins();
    DrawTitle();
}

void DDFrm::WriteProperties(PropertyBag &bag) const
{
    writeProperties(propertyTable(), bag, *this);
}

} // namespace controls
