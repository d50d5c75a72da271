// CoolList -- the owner-drawn list: equally tall rows of text with an
// optional icon from an image strip, seven selected-row looks, a focus
// rectangle and a vertical scroll bar that appears only when the items do
// not fit. Single or toggle selection, selection that follows the pointer,
// keyboard navigation, auto-scroll while dragging past an edge, sorting,
// searching and in-place editing.
//
// Rows are drawn into an off-screen image that paintEvent shows. Bad
// indexes raise drawing::ControlError (380 for ListIndex and TopIndex, 381
// for the item methods and indexed properties).
#pragma once

#include "controls/PropertyBag.h"
#include "controls/PropertyTable.h"
#include "drawing/GraphicsBas.h"
#include "drawing/Picture.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

namespace controls {

class CoolListEditor;

class CoolList : public QWidget
{
    Q_OBJECT

public:
    explicit CoolList(QWidget *parent = nullptr);
    ~CoolList() override;

    // Names fixed by the program's design: keep them as they are.

    void AddItem(const QString &Text, int Icon = 0, int IconSelected = 0);
    void InsertItem(int Index, const QString &Text, int Icon = 0, int IconSelected = 0);
    // A null Text keeps the item's text; icons below 0 keep theirs.
    void ModifyItem(int Index, const QString &Text = QString(), int Icon = -1,
                    int IconSelected = -1);
    void RemoveItem(int Index);
    int FindFirst(const QString &FindString, int StartIndex = 0, bool StartWith = false) const;
    void Clear();
    void Order();
    void StartEdit();
    void EndEdit(bool Modify);
    // The strip holds square icons of IconSize pixels side by side;
    // MaskColor marks their transparent pixels. A null image removes icons.
    // A strip with a device pixel ratio holds IconSize times that many of
    // its own pixels per icon, shown at IconSize window pixels.
    // A row shows its item's Icon, or IconSelected while it is selected
    // (image 0 for every row with SingleIcon).
    void SetImageList(const QImage &Image, drawing::OleColor MaskColor, int IconSize);

    int ListCount() const { return static_cast<int>(m_items.size()); }
    int ListIndex() const { return m_listIndex; }
    void setListIndex(int value);
    int TopIndex() const;
    void setTopIndex(int value);
    int SelectedCount() const;
    int VisibleRows() const { return m_visibleRows; }
    int RowHeight() const { return m_rowHeight; }

    QString ItemText(int index) const;
    void setItemText(int index, const QString &text);
    int ItemIcon(int index) const;
    void setItemIcon(int index, int icon);
    int ItemIconSelected(int index) const;
    void setItemIconSelected(int index, int icon);
    bool ItemSelected(int index) const;
    void setItemSelected(int index, bool selected);

    int Alignment() const { return m_alignment; }
    void setAlignment(int value);
    int Appearance() const { return m_appearance; }
    void setAppearance(int value);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int value);
    drawing::OleColor BackNormal() const { return m_backNormal; }
    void setBackNormal(drawing::OleColor value);
    drawing::OleColor BackSelected() const { return m_backSelected; }
    void setBackSelected(drawing::OleColor value);
    drawing::OleColor BackSelectedG1() const { return m_backSelectedG1; }
    void setBackSelectedG1(drawing::OleColor value);
    drawing::OleColor BackSelectedG2() const { return m_backSelectedG2; }
    void setBackSelectedG2(drawing::OleColor value);
    drawing::OleColor BoxBorder() const { return m_boxBorder; }
    void setBoxBorder(drawing::OleColor value);
    int BoxOffset() const { return m_boxOffset; }
    void setBoxOffset(int value);
    int BoxRadius() const { return m_boxRadius; }
    void setBoxRadius(int value);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool value);
    bool Focus() const { return m_focus; }
    void setFocus(bool value);
    QFont Font() const { return font(); }
    void setFont(const QFont &value);
    drawing::OleColor FontNormal() const { return m_fontNormal; }
    void setFontNormal(drawing::OleColor value);
    drawing::OleColor FontSelected() const { return m_fontSelected; }
    void setFontSelected(drawing::OleColor value);
    bool HoverSelection() const { return m_hoverSelection; }
    void setHoverSelection(bool value) { m_hoverSelection = value; }
    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int value);
    bool ItemHeightAuto() const { return m_itemHeightAuto; }
    void setItemHeightAuto(bool value);
    int ItemOffset() const { return m_itemOffset; }
    void setItemOffset(int value);
    int ItemTextLeft() const { return m_itemTextLeft; }
    void setItemTextLeft(int value);
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int value);
    int OrderType() const { return m_orderType; }
    void setOrderType(int value) { m_orderType = value; }
    int ScrollBarWidth() const { return m_scrollBarWidth; }
    void setScrollBarWidth(int value);
    const drawing::Picture &SelectionPicture() const { return m_selectionPicture; }
    void setSelectionPicture(const drawing::Picture &value);
    int SelectMode() const { return m_selectMode; }
    void setSelectMode(int value) { m_selectMode = value; }
    int SelectModeStyle() const { return m_selectModeStyle; }
    void setSelectModeStyle(int value);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);
    QString TTipText() const { return m_tipText; }
    void setTTipText(const QString &value);
    bool DisabledIcons() const { return m_disabledIcons; }
    void setDisabledIcons(bool value);
    bool SingleIcon() const { return m_singleIcon; }
    void setSingleIcon(bool value);

    // Project extensions.

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;
    // The persisted properties in their stored order.
    static const PropertyTable<CoolList> &propertyTable();
    // Where the rows are drawn: the client area left of the scroll bar.
    QRect surfaceRect() const;
    bool isScrollBarShown() const;

    // Test accessors.

    // The rows as last drawn.
    const QImage &surface() const { return m_surface; }
    QScrollBar *scrollBar() const { return m_bar; }
    bool isEditing() const;

signals:
    // Names fixed by the program's design: keep them as they are.
    void Click();
    void DblClick();
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void ListIndexChange();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void Scroll();
    void TopIndexChange();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct ItemRecord
    {
        QString text;
        int icon = 0;
        int iconSelected = 0;
        bool selected = false;
    };

    void checkItemIndex(int index) const;
    void checkListNotEmpty(int index, int limit) const;
    void updateLayout();
    void trimToRows(int frame);
    void updateScrollBar();
    void onBarValueChanged(int value);
    void repaintRows();
    // repaintRows without the refresh, as a paint needs it.
    void drawRows();
    void drawItem(QPainter &painter, int index);
    void drawSelectedBackground(QPainter &painter, const QRect &row);
    void drawIcon(QPainter &painter, int index, const QRect &row, bool selected);
    void drawText(QPainter &painter, int index, const QRect &row, bool selected);
    void drawFocusRect(QPainter &painter);
    QRect rowRect(int visibleRow) const;
    QRect textRect(int visibleRow) const;
    int rowAt(int y) const;
    void moveListIndexBy(int step);
    void selectUnderPointer(int y);
    void handleNavigationKey(int key);
    void autoScrollTick();
    int autoScrollInterval() const;
    void finishEdit(bool commit);
    void applyDefaults();
    QFont hostFont() const;
    int sampleTextHeight() const;
    int frameWidth() const;

    std::vector<ItemRecord> m_items;
    int m_listIndex = -1;
    int m_previousIndex = -1;
    int m_rowHeight = 1;
    int m_visibleRows = 0;
    bool m_hasFocus = false;
    bool m_mouseIsDown = false;
    bool m_pressSeen = false; // a press came since the last release
    bool m_dragState = true;
    int m_lastPointerY = 0;
    int m_pointerY = 0;
    bool m_scrollOnNextIndexChange = true;
    int m_lastBarValue = 0;

    QImage m_imageStrip;
    int m_iconSize = 0;

    int m_alignment = 0;
    int m_appearance = 1;
    int m_borderStyle = 1;
    drawing::OleColor m_backNormal = 0;
    drawing::OleColor m_backSelected = 0;
    drawing::OleColor m_backSelectedG1 = 0;
    drawing::OleColor m_backSelectedG2 = 0;
    drawing::OleColor m_boxBorder = 0;
    int m_boxOffset = 1;
    int m_boxRadius = 0;
    bool m_enabled = true;
    bool m_focus = true;
    drawing::OleColor m_fontNormal = 0;
    drawing::OleColor m_fontSelected = 0;
    bool m_hoverSelection = false;
    int m_itemHeight = 0;
    bool m_itemHeightAuto = true;
    int m_itemOffset = 0;
    int m_itemTextLeft = 2;
    int m_mousePointer = 0;
    int m_orderType = 0;
    int m_scrollBarWidth = 13;
    drawing::Picture m_selectionPicture;
    QString m_selectionPicturePath;
    int m_selectMode = 0;
    int m_selectModeStyle = 0;
    bool m_wordWrap = true;
    QString m_tipText;
    QString m_mouseIconPath;
    bool m_disabledIcons = false;
    bool m_singleIcon = false;

    QImage m_surface;
    QScrollBar *m_bar = nullptr;
    CoolListEditor *m_editor = nullptr;
    QTimer m_autoScrollTimer;
    QElapsedTimer m_sinceLastStep;
};

} // namespace controls
