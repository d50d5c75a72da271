// DesignFile -- a window's design: the stored properties of each control on
// it, one PropertyBag per control name (array elements as "CB1(0)").
//
//     const auto design = controls::DesignFile::load(QStringLiteral(":/designs/Form1.design"));
//     if (!design.isValid())
//         ... design.errors() says what is wrong; the readable part is kept ...
//     frame->ReadProperties(design.control(QStringLiteral("DD1")));
//
// The text is "[Control]" lines, each followed by that control's
// "Name=Value" lines in their stored order; blank lines and lines starting
// with "#" are ignored. In values, \\ \n \r \t stand for a backslash, line
// feed, carriage return and tab, and \s for a space where a plain one would
// be trimmed (at either end). Control and property names come from the
// program and hold no "]", "=" or line break.
//
// Reading never fails outright: a missing, unreadable or damaged file gives
// the controls it could read (possibly none) and a message per fault, and a
// control that is not there gets an empty bag, so each of its properties
// takes its default.
// No name here is fixed by the program's design.
#pragma once

#include "controls/PropertyBag.h"

#include <QStringList>
#include <deque>
#include <utility>

namespace controls {

class DesignFile
{
public:
    static DesignFile fromText(const QString &text);
    // A file or a compiled-in resource; faults are also logged.
    static DesignFile load(const QString &path);

    QString toText() const;
    // Replaces the file as a whole or leaves it untouched; on failure the
    // reason goes to *error when given.
    bool save(const QString &path, QString *error = nullptr) const;

    bool isValid() const { return m_errors.isEmpty(); }
    // One line per fault, such as "line 4: Title=Puzzle lies outside any [control]".
    const QStringList &errors() const { return m_errors; }

    const PropertyBag &control(const QString &name) const;
    // Adds an empty bag for a new name; the reference stays valid.
    PropertyBag &control(const QString &name);
    bool contains(const QString &name) const;
    QStringList controlNames() const;

private:
    void parseLine(const QString &line, int number, PropertyBag *&current);
    void addError(int line, const QString &message);

    // A deque, so that a bag handed out stays put while others are added.
    std::deque<std::pair<QString, PropertyBag>> m_controls;
    QStringList m_errors;
};

} // namespace controls
