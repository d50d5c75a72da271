// PropertyBag -- the design-time properties of one control, kept by name in
// the order they were written. Values are text; each typed reader falls back
// to its default when the name is missing or its text does not convert, and
// each typed writer with a default leaves out a value equal to it.
//
// Text forms: booleans True/False, whole numbers in decimal, colours as
// &H00BBGGRR&, fonts as family;points;flags (flags from "bold", "italic",
// "underline" joined by "+"), pictures as a resource path.
// No name here is fixed by the program's design.
#pragma once

#include "drawing/GraphicsBas.h"

#include <QFont>
#include <QString>
#include <utility>
#include <vector>

namespace controls {

class PropertyBag
{
public:
    bool contains(const QString &name) const;
    const std::vector<std::pair<QString, QString>> &entries() const { return m_entries; }

    QString readString(const QString &name, const QString &defaultValue) const;
    bool readBool(const QString &name, bool defaultValue) const;
    int readInt(const QString &name, int defaultValue) const;
    double readDouble(const QString &name, double defaultValue) const;
    drawing::OleColor readColor(const QString &name, drawing::OleColor defaultValue) const;
    QFont readFont(const QString &name, const QFont &defaultValue) const;
    drawing::Picture readPicture(const QString &name) const;

    // The first writes always store; the others store only when the value
    // differs from the default.
    void writeString(const QString &name, const QString &value);
    void writeString(const QString &name, const QString &value, const QString &defaultValue);
    void writeBool(const QString &name, bool value);
    void writeBool(const QString &name, bool value, bool defaultValue);
    void writeInt(const QString &name, int value);
    void writeInt(const QString &name, int value, int defaultValue);
    void writeDouble(const QString &name, double value);
    void writeDouble(const QString &name, double value, double defaultValue);
    void writeColor(const QString &name, drawing::OleColor value);
    void writeColor(const QString &name, drawing::OleColor value, drawing::OleColor defaultValue);
    void writeFont(const QString &name, const QFont &value);
    void writeFont(const QString &name, const QFont &value, const QFont &defaultValue);
    // An empty path means no picture and is left out.
    void writePicture(const QString &name, const QString &resourcePath);

    // Raw text access, used by the design-file reader and writer.
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &value);

private:
    const QString *find(const QString &name) const;

    std::vector<std::pair<QString, QString>> m_entries;
};

} // namespace controls
