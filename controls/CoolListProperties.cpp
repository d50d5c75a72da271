// CoolList's property setters and its persisted properties, in their
// stored order.
#include "controls/CoolList.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>

namespace controls {
namespace {

using drawing::OleColor;

using drawing::SysHighlight;
using drawing::SysHighlightText;
using drawing::SysWindow;
using drawing::SysWindowText;
constexpr int DefaultScrollBarWidth = 13;
constexpr int DefaultItemTextLeft = 2;

Qt::CursorShape cursorFor(int mousePointer)
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    if (mousePointer < 0 || mousePointer >= static_cast<int>(std::size(shapes))) {
        return Qt::ArrowCursor;
    }
    return shapes[mousePointer];
}

} // namespace

void CoolList::setAlignment(int value)
{
    m_alignment = value;
    repaintRows();
}

void CoolList::setAppearance(int value)
{
    m_appearance = value;
    updateLayout();
}

void CoolList::setBorderStyle(int value)
{
    m_borderStyle = value;
    updateLayout();
}

void CoolList::setBackNormal(OleColor value)
{
    m_backNormal = value;
    repaintRows();
}

void CoolList::setBackSelected(OleColor value)
{
    m_backSelected = value;
    repaintRows();
}

void CoolList::setBackSelectedG1(OleColor value)
{
    m_backSelectedG1 = value;
    repaintRows();
}

void CoolList::setBackSelectedG2(OleColor value)
{
    m_backSelectedG2 = value;
    repaintRows();
}

void CoolList::setBoxBorder(OleColor value)
{
    m_boxBorder = value;
    repaintRows();
}

void CoolList::setBoxOffset(int value)
{
    m_boxOffset = value;
    repaintRows();
}

void CoolList::setBoxRadius(int value)
{
    m_boxRadius = value;
    repaintRows();
}

void CoolList::setEnabled(bool value)
{
    m_enabled = value;
    m_bar->setEnabled(value);
    setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

void CoolList::setFocus(bool value)
{
    m_focus = value;
    repaintRows();
}

void CoolList::setFont(const QFont &value)
{
    QWidget::setFont(value);
    updateLayout();
}

void CoolList::setFontNormal(OleColor value)
{
    m_fontNormal = value;
    repaintRows();
}

void CoolList::setFontSelected(OleColor value)
{
    m_fontSelected = value;
    repaintRows();
}

void CoolList::setItemHeight(int value)
{
    m_itemHeight = value;
    updateLayout();
}

void CoolList::setItemHeightAuto(bool value)
{
    m_itemHeightAuto = value;
    updateLayout();
}

void CoolList::setItemOffset(int value)
{
    m_itemOffset = value;
    repaintRows();
}

void CoolList::setItemTextLeft(int value)
{
    m_itemTextLeft = value;
    repaintRows();
}

void CoolList::setMousePointer(int value)
{
    m_mousePointer = value;
    setCursor(cursorFor(value));
}

void CoolList::setScrollBarWidth(int value)
{
    m_scrollBarWidth = std::max(0, value);
    updateLayout();
}

void CoolList::setSelectionPicture(const drawing::Picture &value)
{
    m_selectionPicture = value;
    m_selectionPicturePath.clear();
    repaintRows();
}

void CoolList::setSelectModeStyle(int value)
{
    m_selectModeStyle = value;
    repaintRows();
}

void CoolList::setWordWrap(bool value)
{
    m_wordWrap = value;
    repaintRows();
}

void CoolList::setTTipText(const QString &value)
{
    m_tipText = value;
    setToolTip(value);
}

void CoolList::setDisabledIcons(bool value)
{
    m_disabledIcons = value;
    repaintRows();
}

void CoolList::setSingleIcon(bool value)
{
    m_singleIcon = value;
    repaintRows();
}

void CoolList::SetImageList(const QImage &Image, OleColor MaskColor, int IconSize)
{
    m_imageStrip = QImage();
    m_iconSize = 0;
    if (!Image.isNull() && IconSize > 0) {
        QImage strip = Image.convertToFormat(QImage::Format_ARGB32);
        const QRgb mask = drawing::toQColor(drawing::TranslateColor(MaskColor)).rgb() | 0xFF000000u;
        for (int y = 0; y < strip.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(strip.scanLine(y));
            for (int x = 0; x < strip.width(); ++x) {
                if ((line[x] | 0xFF000000u) == mask) {
                    line[x] = 0;
                }
            }
        }
        m_imageStrip = strip;
        m_iconSize = IconSize;
    }
    repaintRows();
}

// ---- persistence ----

namespace {
const QString TTipTextName = QStringLiteral("TTipText");
const QString AppearanceName = QStringLiteral("Appearance");
const QString BorderStyleName = QStringLiteral("BorderStyle");
const QString EnabledName = QStringLiteral("Enabled");
const QString ScrollBarWidthName = QStringLiteral("ScrollBarWidth");
const QString FontName = QStringLiteral("Font");
const QString FontNormalName = QStringLiteral("FontNormal");
const QString FontSelectedName = QStringLiteral("FontSelected");
const QString BackNormalName = QStringLiteral("BackNormal");
const QString BackSelectedName = QStringLiteral("BackSelected");
const QString BackSelectedG1Name = QStringLiteral("BackSelectedG1");
const QString BackSelectedG2Name = QStringLiteral("BackSelectedG2");
const QString BoxBorderName = QStringLiteral("BoxBorder");
const QString BoxOffsetName = QStringLiteral("BoxOffset");
const QString BoxRadiusName = QStringLiteral("BoxRadius");
const QString AlignmentName = QStringLiteral("Alignment");
const QString FocusName = QStringLiteral("Focus");
const QString HoverSelectionName = QStringLiteral("HoverSelection");
const QString WordWrapName = QStringLiteral("WordWrap");
const QString ItemOffsetName = QStringLiteral("ItemOffset");
const QString ItemHeightAutoName = QStringLiteral("ItemHeightAuto");
const QString ItemTextLeftName = QStringLiteral("ItemTextLeft");
const QString OrderTypeName = QStringLiteral("OrderType");
const QString SelectionPictureName = QStringLiteral("SelectionPicture");
const QString SelectModeName = QStringLiteral("SelectMode");
const QString SelectModeStyleName = QStringLiteral("SelectModeStyle");
const QString MousePointerName = QStringLiteral("MousePointer");
const QString MouseIconName = QStringLiteral("MouseIcon");
const QString ItemHeightName = QStringLiteral("ItemHeight");
constexpr int SurfaceAppearance = 1;
} // namespace

QFont CoolList::hostFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

int CoolList::sampleTextHeight() const
{
    return QFontMetrics(font()).boundingRect(QStringLiteral("TextHeight")).height();
}

void CoolList::ReadProperties(const PropertyBag &bag)
{
    setTTipText(bag.readString(TTipTextName, QString()));
    m_appearance = bag.readInt(AppearanceName, SurfaceAppearance);
    m_borderStyle = bag.readInt(BorderStyleName, 1);
    setEnabled(bag.readBool(EnabledName, true));
    m_scrollBarWidth = std::max(0, bag.readInt(ScrollBarWidthName, DefaultScrollBarWidth));
    QWidget::setFont(bag.readFont(FontName, hostFont()));
    m_fontNormal = bag.readColor(FontNormalName, SysWindowText);
    m_fontSelected = bag.readColor(FontSelectedName, SysHighlightText);
    m_backNormal = bag.readColor(BackNormalName, SysWindow);
    m_backSelected = bag.readColor(BackSelectedName, SysHighlight);
    m_backSelectedG1 = bag.readColor(BackSelectedG1Name, SysHighlight);
    m_backSelectedG2 = bag.readColor(BackSelectedG2Name, SysWindow);
    m_boxBorder = bag.readColor(BoxBorderName, SysHighlightText);
    m_boxOffset = bag.readInt(BoxOffsetName, 1);
    m_boxRadius = bag.readInt(BoxRadiusName, 0);
    m_alignment = bag.readInt(AlignmentName, 0);
    m_focus = bag.readBool(FocusName, true);
    m_hoverSelection = bag.readBool(HoverSelectionName, false);
    m_wordWrap = bag.readBool(WordWrapName, true);
    m_itemOffset = bag.readInt(ItemOffsetName, 0);
    m_itemHeightAuto = bag.readBool(ItemHeightAutoName, true);
    m_itemTextLeft = bag.readInt(ItemTextLeftName, DefaultItemTextLeft);
    m_orderType = bag.readInt(OrderTypeName, 0);
    m_selectionPicture = bag.readPicture(SelectionPictureName);
    m_selectionPicturePath =
        m_selectionPicture.isNull() ? QString() : bag.text(SelectionPictureName);
    m_selectMode = bag.readInt(SelectModeName, 0);
    m_selectModeStyle = bag.readInt(SelectModeStyleName, 0);
    setMousePointer(bag.readInt(MousePointerName, 0));
    m_mouseIconPath = bag.readPicture(MouseIconName).isNull() ? QString() : bag.text(MouseIconName);
    m_itemHeight = bag.readInt(ItemHeightName, sampleTextHeight());
    updateLayout();
}

void CoolList::WriteProperties(PropertyBag &bag) const
{
    bag.writeString(TTipTextName, m_tipText, QString());
    bag.writeInt(AppearanceName, m_appearance, SurfaceAppearance);
    bag.writeInt(BorderStyleName, m_borderStyle, 1);
    bag.writeBool(EnabledName, m_enabled, true);
    bag.writeInt(ScrollBarWidthName, m_scrollBarWidth, DefaultScrollBarWidth);
    bag.writeFont(FontName, font(), hostFont());
    bag.writeColor(FontNormalName, m_fontNormal, SysWindowText);
    bag.writeColor(FontSelectedName, m_fontSelected, SysHighlightText);
    bag.writeColor(BackNormalName, m_backNormal, SysWindow);
    bag.writeColor(BackSelectedName, m_backSelected, SysHighlight);
    bag.writeColor(BackSelectedG1Name, m_backSelectedG1, SysHighlight);
    bag.writeColor(BackSelectedG2Name, m_backSelectedG2, SysWindow);
    bag.writeColor(BoxBorderName, m_boxBorder, SysHighlightText);
    bag.writeInt(BoxOffsetName, m_boxOffset, 1);
    bag.writeInt(BoxRadiusName, m_boxRadius, 0);
    bag.writeInt(AlignmentName, m_alignment, 0);
    bag.writeBool(FocusName, m_focus, true);
    bag.writeBool(HoverSelectionName, m_hoverSelection, false);
    bag.writeBool(WordWrapName, m_wordWrap, true);
    bag.writeInt(ItemOffsetName, m_itemOffset, 0);
    bag.writeBool(ItemHeightAutoName, m_itemHeightAuto, true);
    bag.writeInt(ItemTextLeftName, m_itemTextLeft, DefaultItemTextLeft);
    bag.writeInt(OrderTypeName, m_orderType, 0);
    bag.writePicture(SelectionPictureName, m_selectionPicturePath);
    bag.writeInt(SelectModeName, m_selectMode, 0);
    bag.writeInt(SelectModeStyleName, m_selectModeStyle, 0);
    bag.writeInt(MousePointerName, m_mousePointer, 0);
    bag.writePicture(MouseIconName, m_mouseIconPath);
    bag.writeInt(ItemHeightName, m_itemHeight, sampleTextHeight());
}

} // namespace controls
