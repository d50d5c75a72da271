// CandyButton -- the owner-drawn push button: a rounded (or rectangular)
// body coloured by its state (normal, pressed, focused, hovered, checked),
// an optional picture and a caption with a mnemonic underline.
//
// The button draws into an off-screen image that paintEvent shows. It
// learns when the pointer enters and leaves through its own event routing;
// a disabled button still hovers and raises MouseEnter and MouseLeave, but
// no other events. Enter pressed and released on the button acts as a
// click; a release whose press went elsewhere does nothing, as does Space.
//
// Getters carry the property names; setters store and redraw. Enabled,
// Style and Font hide QWidget's functions of those names: the button stays
// enabled for Qt so that it keeps hovering when disabled.
#pragma once

#include "controls/CandyLook.h"
#include "controls/PropertyBag.h"
#include "controls/PropertyTable.h"
#include "controls/SubclassCallback.h"
#include "controls/Subclasser.h"

#include <QImage>
#include <QWidget>

namespace controls {

class CandyButton : public QWidget, private SubclassCallback
{
    Q_OBJECT

public:
    // name is the control's name and its first caption.
    explicit CandyButton(const QString &name, QWidget *parent = nullptr);

    // Names fixed by the program's design: keep them as they are.

    bool DisplayHand() const { return m_displayHand; }
    void setDisplayHand(bool value) { m_displayHand = value; }
    bool Enabled() const { return m_look.enabled; }
    void setEnabled(bool value);
    int ColorScheme() const { return m_colorScheme; }
    void setColorScheme(int scheme);
    int BorderBrightness() const { return m_look.borderBrightness; }
    void setBorderBrightness(int value);
    bool IconHighLite() const { return m_look.iconHighLite; }
    void setIconHighLite(bool value) { m_look.iconHighLite = value; }
    drawing::OleColor IconHighLiteColor() const { return m_look.iconHighLiteColor; }
    void setIconHighLiteColor(drawing::OleColor value) { m_look.iconHighLiteColor = value; }
    bool CaptionHighLite() const { return m_look.captionHighLite; }
    void setCaptionHighLite(bool value) { m_look.captionHighLite = value; }
    drawing::OleColor CaptionHighLiteColor() const { return m_look.captionHighLiteColor; }
    void setCaptionHighLiteColor(drawing::OleColor value) { m_look.captionHighLiteColor = value; }
    drawing::OleColor ColorBright() const { return m_look.colorBright; }
    void setColorBright(drawing::OleColor value);
    drawing::OleColor ColorButtonDown() const { return m_look.colorButtonDown; }
    void setColorButtonDown(drawing::OleColor value);
    drawing::OleColor ColorButtonUp() const { return m_look.colorButtonUp; }
    void setColorButtonUp(drawing::OleColor value);
    drawing::OleColor ColorButtonHover() const { return m_look.colorButtonHover; }
    void setColorButtonHover(drawing::OleColor value);
    drawing::OleColor ForeColor() const { return m_look.foreColor; }
    void setForeColor(drawing::OleColor value);
    const drawing::Picture &Picture() const { return m_look.picture; }
    // A picture set here has no resource path, so it is not persisted.
    void setPicture(const drawing::Picture &picture);
    bool Checked() const { return m_checked; }
    void setChecked(bool value);
    int Style() const { return m_look.style; }
    void setStyle(int style);
    int PictureAlignment() const { return m_look.pictureAlignment; }
    void setPictureAlignment(int alignment);
    QString Caption() const { return m_look.caption; }
    void setCaption(const QString &caption);
    QFont Font() const { return m_look.font; }
    void setFont(const QFont &font);

    // Caption and picture over the current body, then a refresh.
    void DrawIconWCaption(ButtonState state);
    // Percentage is limited to 0..100 and written back.
    static drawing::OleColor BlendColors(drawing::OleColor Color1, drawing::OleColor Color2,
                                         int &Percentage);
    static void GetRGB(int &r, int &g, int &b, drawing::OleColor Color);

    // Project extensions.

    // Loading chooses the pointer (hand or arrow) and redraws.
    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;
    // The persisted properties in their stored order.
    static const PropertyTable<CandyButton> &propertyTable();

signals:
    // Names fixed by the program's design: keep them as they are.
    void Click();
    void DblClick();
    // Button: 1 left, 2 right, 4 middle (held buttons for MouseMove);
    // Shift: 1 Shift, 2 Ctrl, 4 Alt; X, Y in client pixels.
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void MouseEnter();
    void MouseLeave();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void windowProc(bool before, bool &handled, qint32 &result, QWidget *window, int message,
                    qint32 wParam, qint32 lParam, qint32 &userValue) override;
    void pointerMovedOver(qint32 wParam, qint32 lParam);
    void pointerLeft();

    void buttonPressed(qint16 button, qint16 shift, float x, float y);
    void buttonReleased(qint16 button, qint16 shift, float x, float y);
    bool isInsideShape(QPoint pos) const;

    void setCustomColor(drawing::OleColor &field, drawing::OleColor value);
    void applyColorScheme(int scheme);
    QFont hostFont() const;
    qreal bodyRatio() const;
    QImage atScreenRatio(const QImage &body) const;

    // Names fixed by the program's design: keep them as they are.
    void BuildShape();
    void DrawButton(ButtonState state);

    CandyLook m_look;
    int m_colorScheme = 0;
    bool m_checked = false;
    bool m_displayHand = false;
    bool m_hovering = false;
    bool m_hasFocus = false;
    // The release that ends a double click raises no Click.
    bool m_clickSuppressed = false;
    // Enter went down on this button while it held the focus.
    bool m_enterPressed = false;
    QString m_picturePath;
    QImage m_body;    // at bodyRatio()
    QImage m_surface; // the body with its caption, at the screen's resolution
    // Last member: torn down first, before anything it calls back into.
    Subclasser m_subclasser;
};

} // namespace controls
