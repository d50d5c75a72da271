// A plain drop-down frame for the puzzle list until the program's own
// control takes its place: a title bar that opens the frame on a click and
// a body that holds the list.
#pragma once

#include <QLabel>
#include <QWidget>

namespace board {

class DropDownFrame : public QWidget
{
    Q_OBJECT
public:
    explicit DropDownFrame(QWidget *parent);

    QString Title() const { return m_title->text(); }
    void setTitle(const QString &title) { m_title->setText(title); }
    int TitleHeight() const { return m_titleHeight; }
    int ExpandedHeight() const { return m_expandedHeight; }
    void setExpandedHeight(int height) { m_expandedHeight = height; }
    bool isExpanded() const { return height() > m_titleHeight; }

    void Collapse();
    void Expand();

signals:
    void Collapsed();
    void Expanded();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_title;
    int m_titleHeight = 27;
    int m_expandedHeight = 27;
};

} // namespace board
