// CoolList's property setters and its persisted properties, in their
// stored order.
#include "controls/CoolList.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <limits>

namespace controls {
namespace {

using drawing::OleColor;

using drawing::SysHighlight;
using drawing::SysHighlightText;
using drawing::SysWindow;
using drawing::SysWindowText;
constexpr int DefaultScrollBarWidth = 13;
constexpr int DefaultItemTextLeft = 2;
constexpr int SurfaceAppearance = 1;
constexpr PropertyRange ScrollBarWidthRange{0, std::numeric_limits<double>::infinity(),
                                            PropertyRange::Clamp};

Qt::CursorShape cursorFor(int mousePointer)
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    if (mousePointer < 0 || mousePointer >= static_cast<int>(std::size(shapes)))
        return Qt::ArrowCursor;
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
    m_scrollBarWidth = std::max(int(ScrollBarWidthRange.low), value);
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
            for (int x = 0; x < strip.width(); ++x)
                if ((line[x] | 0xFF000000u) == mask)
                    line[x] = 0;
        }
        m_imageStrip = strip;
        m_iconSize = IconSize;
    }
    repaintRows();
}

// ---- persistence ----

QFont CoolList::hostFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

int CoolList::sampleTextHeight() const
{
    return QFontMetrics(font()).boundingRect(QStringLiteral("TextHeight")).height();
}

// Loading stores most values as they are; ReadProperties lays out and
// redraws once at the end.
const PropertyTable<CoolList> &CoolList::propertyTable()
{
    using L = CoolList;
    using Row = PropertyRow<L>;
    static const PropertyTable<L> table = {
        Row::of(QStringLiteral("TTipText"), QString(), &L::TTipText, &L::setTTipText),
        Row::of(QStringLiteral("Appearance"), SurfaceAppearance, &L::Appearance,
                [](L &l, int v) { l.m_appearance = v; }),
        Row::of(QStringLiteral("BorderStyle"), 1, &L::BorderStyle,
                [](L &l, int v) { l.m_borderStyle = v; }),
        Row::of(QStringLiteral("Enabled"), true, &L::Enabled, &L::setEnabled),
        Row::of(
            QStringLiteral("ScrollBarWidth"), DefaultScrollBarWidth, &L::ScrollBarWidth,
            [](L &l, int v) { l.m_scrollBarWidth = v; }, Written::UnlessDefault,
            ScrollBarWidthRange),
        Row::of(QStringLiteral("Font"), &L::hostFont, &L::Font,
                [](L &l, const QFont &v) { l.QWidget::setFont(v); }),
        Row::of(QStringLiteral("FontNormal"), SysWindowText, &L::FontNormal,
                [](L &l, OleColor v) { l.m_fontNormal = v; }),
        Row::of(QStringLiteral("FontSelected"), SysHighlightText, &L::FontSelected,
                [](L &l, OleColor v) { l.m_fontSelected = v; }),
        Row::of(QStringLiteral("BackNormal"), SysWindow, &L::BackNormal,
                [](L &l, OleColor v) { l.m_backNormal = v; }),
        Row::of(QStringLiteral("BackSelected"), SysHighlight, &L::BackSelected,
                [](L &l, OleColor v) { l.m_backSelected = v; }),
        Row::of(QStringLiteral("BackSelectedG1"), SysHighlight, &L::BackSelectedG1,
                [](L &l, OleColor v) { l.m_backSelectedG1 = v; }),
        Row::of(QStringLiteral("BackSelectedG2"), SysWindow, &L::BackSelectedG2,
                [](L &l, OleColor v) { l.m_backSelectedG2 = v; }),
        Row::of(QStringLiteral("BoxBorder"), SysHighlightText, &L::BoxBorder,
                [](L &l, OleColor v) { l.m_boxBorder = v; }),
        Row::of(QStringLiteral("BoxOffset"), 1, &L::BoxOffset,
                [](L &l, int v) { l.m_boxOffset = v; }),
        Row::of(QStringLiteral("BoxRadius"), 0, &L::BoxRadius,
                [](L &l, int v) { l.m_boxRadius = v; }),
        Row::of(QStringLiteral("Alignment"), 0, &L::Alignment,
                [](L &l, int v) { l.m_alignment = v; }),
        Row::of(QStringLiteral("Focus"), true, &L::Focus, [](L &l, bool v) { l.m_focus = v; }),
        Row::of(QStringLiteral("HoverSelection"), false, &L::HoverSelection, &L::setHoverSelection),
        Row::of(QStringLiteral("WordWrap"), true, &L::WordWrap,
                [](L &l, bool v) { l.m_wordWrap = v; }),
        Row::of(QStringLiteral("ItemOffset"), 0, &L::ItemOffset,
                [](L &l, int v) { l.m_itemOffset = v; }),
        Row::of(QStringLiteral("ItemHeightAuto"), true, &L::ItemHeightAuto,
                [](L &l, bool v) { l.m_itemHeightAuto = v; }),
        Row::of(QStringLiteral("ItemTextLeft"), DefaultItemTextLeft, &L::ItemTextLeft,
                [](L &l, int v) { l.m_itemTextLeft = v; }),
        Row::of(QStringLiteral("OrderType"), 0, &L::OrderType, &L::setOrderType),
        Row::of(
            QStringLiteral("SelectionPicture"), StoredPicture(),
            [](const L &l) {
                return StoredPicture{l.m_selectionPicturePath, l.m_selectionPicture};
            },
            [](L &l, const StoredPicture &v) {
                l.m_selectionPicture = v.picture;
                l.m_selectionPicturePath = v.path;
            }),
        Row::of(QStringLiteral("SelectMode"), 0, &L::SelectMode, &L::setSelectMode),
        Row::of(QStringLiteral("SelectModeStyle"), 0, &L::SelectModeStyle,
                [](L &l, int v) { l.m_selectModeStyle = v; }),
        Row::of(QStringLiteral("MousePointer"), 0, &L::MousePointer, &L::setMousePointer),
        // Only the path is kept: the pointer is chosen by MousePointer alone.
        Row::of(
            QStringLiteral("MouseIcon"), StoredPicture(),
            [](const L &l) {
                return StoredPicture{l.m_mouseIconPath, {}};
            },
            [](L &l, const StoredPicture &v) { l.m_mouseIconPath = v.path; }),
        Row::of(QStringLiteral("ItemHeight"), &L::sampleTextHeight, &L::ItemHeight,
                [](L &l, int v) { l.m_itemHeight = v; }),
    };
    return table;
}

void CoolList::ReadProperties(const PropertyBag &bag)
{
    readProperties(propertyTable(), bag, *this);
    updateLayout();
}

void CoolList::WriteProperties(PropertyBag &bag) const
{
    writeProperties(propertyTable(), bag, *this);
}

} // namespace controls
