// PropertyTable -- a control's persisted properties, each declared once:
// stored name, default, how the control gives and takes the value, whether
// it is written even when it equals its default, and the range a loaded
// value must lie in. A control's ReadProperties and WriteProperties walk its
// table from the top, so the table order is the stored order.
//
//     using Row = PropertyRow<DDFrm>;
//     Row::of(QStringLiteral("OpenOn"), 1, &DDFrm::OpenOn, &DDFrm::setOpenOn),
//
// The value type is what the getter returns; a default is either a value or
// a function of the control (its name, its host's font, its height).
// No name here is fixed by the program's design.
#pragma once

#include "controls/PropertyBag.h"
#include "drawing/Picture.h"

#include <QFont>
#include <QString>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace controls {

// A picture property as stored: only the path is persisted, and a path that
// does not load reads as no picture.
struct StoredPicture
{
    QString path;
    drawing::Picture picture;
};

using PropertyValue =
    std::variant<bool, int, double, drawing::OleColor, QString, QFont, StoredPicture>;

// The stored value of name, read as the type of defaultValue, which it is
// when the name is missing or its text does not convert.
PropertyValue readProperty(const PropertyBag &bag, const QString &name,
                           const PropertyValue &defaultValue);
// The first always stores; the second leaves out a value equal to the
// default. Both leave out a picture without a path.
void writeProperty(PropertyBag &bag, const QString &name, const PropertyValue &value);
void writeProperty(PropertyBag &bag, const QString &name, const PropertyValue &value,
                   const PropertyValue &defaultValue);

// The values a whole-number or decimal property may take, ends included. A
// loaded value outside is clamped, or refused: then the default is used and
// a warning names the control, and the control's own setter raises
// ControlError 380 for it.
struct PropertyRange
{
    enum Outside
    {
        Clamp,
        Refuse
    };

    double low;
    double high;
    Outside outside;

    // False for NaN, so a refused range turns it away.
    bool contains(double value) const { return value >= low && value <= high; }
};

// value, or what the range makes of it; control names the warning's source.
PropertyValue limitedTo(const PropertyRange &range, const PropertyValue &value,
                        const PropertyValue &defaultValue, const QString &control,
                        const QString &name);

enum class Written
{
    UnlessDefault,
    Always
};

template<typename Owner>
struct PropertyRow
{
    QString name;
    std::function<PropertyValue(const Owner &)> defaultOf;
    std::function<PropertyValue(const Owner &)> get;
    std::function<void(Owner &, const PropertyValue &)> set;
    Written written = Written::UnlessDefault;
    std::optional<PropertyRange> range;

    template<typename Default, typename Get, typename Set>
    static PropertyRow of(QString name, Default defaultValue, Get get, Set set,
                          Written written = Written::UnlessDefault,
                          std::optional<PropertyRange> range = std::nullopt)
    {
        using T = std::decay_t<std::invoke_result_t<Get, const Owner &>>;
        PropertyRow row;
        row.name = std::move(name);
        if constexpr (std::is_invocable_v<Default, const Owner &>) {
            row.defaultOf = [defaultValue](const Owner &owner) {
                return PropertyValue(T(std::invoke(defaultValue, owner)));
            };
        } else {
            row.defaultOf = [value = PropertyValue(T(defaultValue))](const Owner &) {
                return value;
            };
        }
        row.get = [get](const Owner &owner) {
            return PropertyValue(T(std::invoke(get, owner)));
        };
        row.set = [set](Owner &owner, const PropertyValue &value) {
            std::invoke(set, owner, std::get<T>(value));
        };
        row.written = written;
        row.range = range;
        return row;
    }
};

template<typename Owner>
using PropertyTable = std::vector<PropertyRow<Owner>>;

// Each default is taken just before its row is read, so it may depend on
// rows above it (a list's row height on its font).
template<typename Owner>
void readProperties(const PropertyTable<Owner> &table, const PropertyBag &bag, Owner &owner)
{
    for (const PropertyRow<Owner> &row : table) {
        const PropertyValue defaultValue = row.defaultOf(owner);
        const PropertyValue stored = readProperty(bag, row.name, defaultValue);
        row.set(owner, row.range ? limitedTo(*row.range, stored, defaultValue, owner.objectName(),
                                             row.name)
                                 : stored);
    }
}

template<typename Owner>
void writeProperties(const PropertyTable<Owner> &table, PropertyBag &bag, const Owner &owner)
{
    for (const PropertyRow<Owner> &row : table)
        if (row.written == Written::Always)
            writeProperty(bag, row.name, row.get(owner));
        else
            writeProperty(bag, row.name, row.get(owner), row.defaultOf(owner));
}

} // namespace controls
