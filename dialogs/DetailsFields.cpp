#include "dialogs/DetailsFields.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>
#include <algorithm>

namespace dialogs {

namespace {

QString withSingleLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

QString mendEdit(const QString &before, const QString &after, int limit, int &cursor)
{
    const int shorter = int(std::min(before.size(), after.size()));
    int prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    QString kept = inserted;
    kept.remove(DetailsSeparator);
    kept.remove(StoredLineBreak);
    const int room = std::max(0, int(std::max<qsizetype>(limit, before.size())) - prefix - suffix);
    kept.truncate(room);
    if (kept == inserted)
        return after;
    cursor = prefix + int(kept.size());
    return after.left(prefix) + kept + after.right(suffix);
}

DetailsLineRule::DetailsLineRule(QLineEdit *field, int limit)
    : QValidator(field)
    , m_last(field->text())
    , m_limit(limit)
{
    connect(
        field, &QLineEdit::textChanged, this, [this](const QString &text) { m_last = text; });
}

QValidator::State DetailsLineRule::validate(QString &input, int &pos) const
{
    input = mendEdit(m_last, input, m_limit, pos);
    return Acceptable;
}

DescriptionEdit::DescriptionEdit(QWidget *parent, int limit)
    : QPlainTextEdit(parent)
    , m_limit(limit)
{
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap at the edge
    connect(this, &QPlainTextEdit::textChanged, this, &DescriptionEdit::mend);
}

void DescriptionEdit::setDescription(const QString &text)
{
    m_mending = true; // the program's own text may be longer than typing allows
    setPlainText(withSingleLineBreaks(text));
    m_last = toPlainText();
    m_mending = false;
}

// A pasted CR LF would otherwise give two line breaks.
void DescriptionEdit::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        textCursor().insertText(withSingleLineBreaks(source->text()));
}

void DescriptionEdit::mend()
{
    if (m_mending)
        return;
    const QString after = toPlainText();
    int cursorAt = textCursor().position();
    const QString mended = mendEdit(m_last, after, m_limit, cursorAt);
    if (mended != after) {
        m_mending = true;
        QTextCursor all(document());
        all.joinPreviousEditBlock();
        all.select(QTextCursor::Document);
        all.insertText(mended);
        all.endEditBlock();
        QTextCursor at(document());
        at.setPosition(std::min(cursorAt, int(mended.size())));
        setTextCursor(at);
        m_mending = false;
    }
    m_last = mended;
}

} // namespace dialogs
