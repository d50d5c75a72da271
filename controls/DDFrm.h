// DDFrm -- the drop-down frame: a container with a drawn title bar (flat
// colour or two-colour gradient, an optional drop-down arrow, an optional
// border) that collapses to the height of its title and drops down to
// ExpandedHeight.
//
// Heights (TitleHeight, ExpandedHeight, CollapsedHeight) are twips, as the
// stored designs keep them. Children are placed on the frame itself, in its
// pixel coordinates inside contentsRect(); they show while expanded and are
// cut off while collapsed. A typical host fits a child under the title:
//
//     auto *frame = new controls::DDFrm(QStringLiteral("DD1"), window);
//     frame->ReadProperties(design.control(QStringLiteral("DD1")));
//     auto *list = new controls::CoolList(frame);
//     list->move(0, frame->titlePixelHeight());
//     const int listTwips = qRound(list->height() * drawing::twipsPerPixelY());
//     frame->setExpandedHeight(listTwips + frame->TitleHeight());
//
// Opening: OpenOn 1 drops down when the pointer moves over the title, 2
// toggles on a click on the title bar. Once open, a 1 ms timer closes the
// frame at the first tick that finds the cursor outside its rectangle. The
// timer only runs while a leave is possible: it stops while the pointer
// rests over the frame and starts again on the next move or leave. Where
// the pointer is seen only over the program's windows (Wayland), a pointer
// that has left the window counts as outside, whatever its last position.
//
// Keyboard: Tab reaches the title, which then shows a dotted focus frame.
// Space, Enter, Down or F4 drops the frame down and gives the focus to its
// first child; Escape closes it and takes the focus back to the title. Tab
// from inside goes on from the title. A frame opened so closes when the
// focus moves to a widget outside it or a click lands outside it.
//
// Until controls::AppStarted is set the frame behaves as in a designer: flat
// title colour, no collapsing, and every resize becomes ExpandedHeight.
#pragma once

#include "controls/PropertyBag.h"
#include "controls/PropertyTable.h"
#include "drawing/GraphicsBas.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace controls {

class DDFrm : public QWidget
{
    Q_OBJECT

public:
    // name is the control's name and a new frame's title.
    explicit DDFrm(const QString &name, QWidget *parent = nullptr);

    // Names fixed by the program's design: keep them as they are.

    void Collapse();
    void Expand();
    // Renders the title bar again and refreshes the frame.
    void DrawTitle();

    bool Collapsed() const { return m_collapsed; }
    bool Expanded() const { return !m_collapsed; }
    int CollapsedHeight() const;
    QWidget *hwnd() { return this; }

    QString Title() const { return m_title; }
    void setTitle(const QString &value);
    // 0 left, 1 right, 2 centre; anything else raises ControlError 380.
    int TitleAlign() const { return m_titleAlign; }
    void setTitleAlign(int value);
    int TitleBorder() const { return m_titleBorder; }
    void setTitleBorder(int value);
    int TitleAppearance() const { return m_titleAppearance; }
    void setTitleAppearance(int value);
    drawing::OleColor TitleBackColor() const { return m_titleBackColor; }
    void setTitleBackColor(drawing::OleColor value);
    drawing::OleColor TitleForeColor() const { return m_titleForeColor; }
    void setTitleForeColor(drawing::OleColor value);
    drawing::OleColor TitleBorderColor() const { return m_titleBorderColor; }
    void setTitleBorderColor(drawing::OleColor value);
    int TitleHeight() const { return m_titleHeight; }
    void setTitleHeight(int twips);
    double TitleFontsize() const { return m_titleFont.pointSizeF(); }
    void setTitleFontsize(double points);
    bool TitleFontBold() const { return m_titleFont.bold(); }
    void setTitleFontBold(bool value);
    bool TitleFontItalic() const { return m_titleFont.italic(); }
    void setTitleFontItalic(bool value);
    bool TitleFontUnderline() const { return m_titleFont.underline(); }
    void setTitleFontUnderline(bool value);
    // 2 vertical, anything else horizontal.
    int TitleGradient() const { return m_titleGradient; }
    void setTitleGradient(int value) { m_titleGradient = value; }
    int UseIcon() const { return m_useIcon; }
    void setUseIcon(int value) { m_useIcon = value; }
    int OpenOn() const { return m_openOn; }
    void setOpenOn(int value) { m_openOn = value; }
    int ExpandedHeight() const { return m_expandedHeight; }
    void setExpandedHeight(int twips) { m_expandedHeight = twips; }
    // Kept with the design; nothing waits on it.
    int HoverTime() const { return m_hoverTime; }
    void setHoverTime(int value) { m_hoverTime = value; }
    drawing::OleColor DDBackColor() const { return m_backColor; }
    void setDDBackColor(drawing::OleColor value);
    // 1 draws a frame border: one pixel flat, two pixels 3-D (DDAppearance 1).
    int DDBorderStyle() const { return m_borderStyle; }
    void setDDBorderStyle(int value);
    int DDAppearance() const { return m_appearance; }
    void setDDAppearance(int value);

    // Project extensions.

    // A stored TitleAlign outside 0..2 is reported and read as left.
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;
    // The persisted properties in their stored order.
    static const PropertyTable<DDFrm> &propertyTable();
    int titlePixelHeight() const;
    // The title as shown, with the blank on its aligned side.
    QString displayedTitle() const;

    // Test accessors.

    bool isCloseTimerActive() const { return m_closeTimer.isActive(); }

signals:
    // Names fixed by the program's design: keep them as they are.
    void BeforeExpand();
    void AfterCollapse();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool holdsFocus(const QWidget *widget) const;
    void focusMoved(QWidget *from, QWidget *to);
    void focusFirstChild();
    void stopWatchingClicks();
    void paintFocusFrame(QPainter &painter) const;
    void applyDefaults(const QString &name);
    void startCloseTimer();
    void closeTimerTick();
    bool cursorInsideFrame() const;
    bool isOnTitleBar(const QPoint &pos) const;
    void setHeightTwips(int twips);
    int borderWidth() const;
    void updateMargins();
    // DrawTitle without the refresh, as a paint needs it.
    void renderTitle();
    void paintTitleBackground(QPainter &painter, int width, int height) const;
    void paintTitleText(QPainter &painter, int width, int height) const;
    void paintFrameBorder(QPainter &painter) const;

    QString m_title;
    int m_titleAlign = 0;
    int m_titleBorder = 0;
    int m_titleAppearance = 0;
    drawing::OleColor m_titleBackColor = 0;
    drawing::OleColor m_titleForeColor = 0;
    drawing::OleColor m_titleBorderColor = 0;
    int m_titleHeight = 240;
    QFont m_titleFont;
    int m_titleGradient = 0;
    int m_useIcon = 0;
    int m_openOn = 1;
    int m_expandedHeight = 0;
    int m_hoverTime = -1;
    drawing::OleColor m_backColor = 0;
    int m_borderStyle = 1;
    int m_appearance = 1;

    bool m_collapsed = false;
    bool m_pressedOnTitle = false;
    bool m_watchingClicks = false;
    QImage m_titleImage;
    QTimer m_closeTimer;
};

} // namespace controls
