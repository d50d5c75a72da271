#include "controls/PropertyTable.h"

#include <QtDebug>
#include <algorithm>

namespace controls {
namespace {

// One overload per value type, so that each property keeps the text form of
// its type.
bool read(const PropertyBag &bag, const QString &name, bool defaultValue)
{
    return bag.readBool(name, defaultValue);
}

int read(const PropertyBag &bag, const QString &name, int defaultValue)
{
    return bag.readInt(name, defaultValue);
}

double read(const PropertyBag &bag, const QString &name, double defaultValue)
{
    return bag.readDouble(name, defaultValue);
}

drawing::OleColor read(const PropertyBag &bag, const QString &name, drawing::OleColor defaultValue)
{
    return bag.readColor(name, defaultValue);
}

QString read(const PropertyBag &bag, const QString &name, const QString &defaultValue)
{
    return bag.readString(name, defaultValue);
}

QFont read(const PropertyBag &bag, const QString &name, const QFont &defaultValue)
{
    return bag.readFont(name, defaultValue);
}

StoredPicture read(const PropertyBag &bag, const QString &name, const StoredPicture &)
{
    const drawing::Picture picture = bag.readPicture(name);
    return {picture.isNull() ? QString() : bag.text(name), picture};
}

void write(PropertyBag &bag, const QString &name, bool value)
{
    bag.writeBool(name, value);
}

void write(PropertyBag &bag, const QString &name, int value)
{
    bag.writeInt(name, value);
}

void write(PropertyBag &bag, const QString &name, double value)
{
    bag.writeDouble(name, value);
}

void write(PropertyBag &bag, const QString &name, drawing::OleColor value)
{
    bag.writeColor(name, value);
}

void write(PropertyBag &bag, const QString &name, const QString &value)
{
    bag.writeString(name, value);
}

void write(PropertyBag &bag, const QString &name, const QFont &value)
{
    bag.writeFont(name, value);
}

void write(PropertyBag &bag, const QString &name, const StoredPicture &value)
{
    bag.writePicture(name, value.path);
}

template<typename T>
void write(PropertyBag &bag, const QString &name, const T &value, const T &defaultValue)
{
    if constexpr (std::is_same_v<T, bool>)
        bag.writeBool(name, value, defaultValue);
    else if constexpr (std::is_same_v<T, int>)
        bag.writeInt(name, value, defaultValue);
    else if constexpr (std::is_same_v<T, double>)
        bag.writeDouble(name, value, defaultValue);
    else if constexpr (std::is_same_v<T, drawing::OleColor>)
        bag.writeColor(name, value, defaultValue);
    else if constexpr (std::is_same_v<T, QString>)
        bag.writeString(name, value, defaultValue);
    else if constexpr (std::is_same_v<T, QFont>)
        bag.writeFont(name, value, defaultValue);
    else
        write(bag, name, value);
}

QString textOf(const PropertyValue &value)
{
    PropertyBag bag;
    writeProperty(bag, QString(), value);
    return bag.text(QString());
}

} // namespace

PropertyValue readProperty(const PropertyBag &bag, const QString &name,
                           const PropertyValue &defaultValue)
{
    return std::visit(
        [&](const auto &fallback) { return PropertyValue(read(bag, name, fallback)); },
        defaultValue);
}

void writeProperty(PropertyBag &bag, const QString &name, const PropertyValue &value)
{
    std::visit([&](const auto &v) { write(bag, name, v); }, value);
}

void writeProperty(PropertyBag &bag, const QString &name, const PropertyValue &value,
                   const PropertyValue &defaultValue)
{
    std::visit(
        [&](const auto &v) {
            using T = std::decay_t<decltype(v)>;
            write<T>(bag, name, v, std::get<T>(defaultValue));
        },
        value);
}

PropertyValue limitedTo(const PropertyRange &range, const PropertyValue &value,
                        const PropertyValue &defaultValue, const QString &control,
                        const QString &name)
{
    return std::visit(
        [&](const auto &v) -> PropertyValue {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, int> || std::is_same_v<T, double>) {
                if (range.contains(v))
                    return v;
                if (range.outside == PropertyRange::Clamp)
                    return T(std::clamp(double(v), range.low, range.high));
                qWarning("%s: stored %s %s is out of range; %s is used", qPrintable(control),
                         qPrintable(name), qPrintable(textOf(value)),
                         qPrintable(textOf(defaultValue)));
                return defaultValue;
            } else {
                return v;
            }
        },
        value);
}

} // namespace controls
