// DetailsFields -- the rules of the save dialog's two fields: neither ever
// holds the separator that joins title and description, nor the mark that
// the puzzle file stores a line break as (it would come back as a line
// break), and typing or pasting never makes a text longer than its limit.
// A line break counts as one character, as the puzzle file stores it.
// No name here is fixed by the program's design.
#pragma once

#include <QPlainTextEdit>
#include <QValidator>

class QLineEdit;

namespace dialogs {

constexpr QChar DetailsSeparator = QChar(0x00A6); // "¦"
constexpr QChar StoredLineBreak = QChar(0x00B6);  // "¶"
constexpr int TitleLimit = 50;
constexpr int DescriptionLimit = 255;

// The text that the edit from before to after may give: the inserted part
// loses every separator and line break mark and is cut so the text stays within
// max(limit, before's length). A text already over the limit (set by the
// program) may shrink but not grow. cursor becomes the end of the insert
// when the edit had to change.
QString mendEdit(const QString &before, const QString &after, int limit, int &cursor);

// For a one-line field; it tracks the field's text to know each edit. Set
// the field's first text before the rule, which would cut it to the limit.
class DetailsLineRule : public QValidator
{
    Q_OBJECT
public:
    DetailsLineRule(QLineEdit *field, int limit);
    State validate(QString &input, int &pos) const override;

private:
    QString m_last;
    int m_limit;
};

// A multi-line field under the same rules; Tab moves the focus.
class DescriptionEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    DescriptionEdit(QWidget *parent, int limit);
    // Line breaks of any kind become the field's own; the limit is not
    // applied to this text.
    void setDescription(const QString &text);

protected:
    void insertFromMimeData(const QMimeData *source) override;

private:
    void mend();

    QString m_last;
    int m_limit;
    bool m_mending = false;
};

} // namespace dialogs
