#include "controls/PropertyBag.h"

#include <QStringList>

namespace controls {
namespace {

const QString TrueText = QStringLiteral("True");
const QString FalseText = QStringLiteral("False");

QString colorText(drawing::OleColor c)
{
    return QStringLiteral("&H%1&").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

bool parseColor(const QString &text, drawing::OleColor &out)
{
    bool ok = false;
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        QString digits = text.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1);
        out = digits.toUInt(&ok, 16);
        return ok;
    }
    const qlonglong value = text.toLongLong(&ok);
    out = drawing::OleColor(value);
    return ok;
}

QString fontText(const QFont &f)
{
    QStringList flags;
    if (f.bold())
        flags << QStringLiteral("bold");
    if (f.italic())
        flags << QStringLiteral("italic");
    if (f.underline())
        flags << QStringLiteral("underline");
    return QStringLiteral("%1;%2;%3")
        .arg(f.family(), QString::number(f.pointSizeF()), flags.join(QLatin1Char('+')));
}

bool parseFont(const QString &text, QFont &out)
{
    const QStringList parts = text.split(QLatin1Char(';'));
    if (parts.size() != 3 || parts[0].isEmpty())
        return false;
    bool ok = false;
    const double points = parts[1].toDouble(&ok);
    if (!ok || points <= 0)
        return false;
    QFont f(parts[0]);
    f.setPointSizeF(points);
    const QStringList flags = parts[2].split(QLatin1Char('+'), Qt::SkipEmptyParts);
    f.setBold(flags.contains(QStringLiteral("bold")));
    f.setItalic(flags.contains(QStringLiteral("italic")));
    f.setUnderline(flags.contains(QStringLiteral("underline")));
    out = f;
    return true;
}

} // namespace

const QString *PropertyBag::find(const QString &name) const
{
    for (const auto &entry : m_entries)
        if (entry.first == name)
            return &entry.second;
    return nullptr;
}

bool PropertyBag::contains(const QString &name) const
{
    return find(name) != nullptr;
}

QString PropertyBag::text(const QString &name) const
{
    const QString *value = find(name);
    return value ? *value : QString();
}

void PropertyBag::setText(const QString &name, const QString &value)
{
    for (auto &entry : m_entries) {
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    }
    m_entries.emplace_back(name, value);
}

QString PropertyBag::readString(const QString &name, const QString &defaultValue) const
{
    const QString *value = find(name);
    return value ? *value : defaultValue;
}

bool PropertyBag::readBool(const QString &name, bool defaultValue) const
{
    const QString *value = find(name);
    if (!value)
        return defaultValue;
    if (value->compare(TrueText, Qt::CaseInsensitive) == 0 || *value == QLatin1String("-1"))
        return true;
    if (value->compare(FalseText, Qt::CaseInsensitive) == 0 || *value == QLatin1String("0"))
        return false;
    return defaultValue;
}

int PropertyBag::readInt(const QString &name, int defaultValue) const
{
    const QString *value = find(name);
    bool ok = false;
    const int result = value ? value->toInt(&ok) : 0;
    return ok ? result : defaultValue;
}

double PropertyBag::readDouble(const QString &name, double defaultValue) const
{
    const QString *value = find(name);
    bool ok = false;
    const double result = value ? value->toDouble(&ok) : 0.0;
    return ok ? result : defaultValue;
}

drawing::OleColor PropertyBag::readColor(const QString &name, drawing::OleColor defaultValue) const
{
    const QString *value = find(name);
    drawing::OleColor result = 0;
    return value && parseColor(*value, result) ? result : defaultValue;
}

QFont PropertyBag::readFont(const QString &name, const QFont &defaultValue) const
{
    const QString *value = find(name);
    QFont result;
    return value && parseFont(*value, result) ? result : defaultValue;
}

drawing::Picture PropertyBag::readPicture(const QString &name) const
{
    const QString *path = find(name);
    if (!path || path->isEmpty())
        return {};
    const QImage image(*path);
    return image.isNull() ? drawing::Picture() : drawing::Picture::fromImage(image);
}

void PropertyBag::writeString(const QString &name, const QString &value)
{
    setText(name, value);
}

void PropertyBag::writeString(const QString &name, const QString &value,
                              const QString &defaultValue)
{
    if (value != defaultValue)
        setText(name, value);
}

void PropertyBag::writeBool(const QString &name, bool value)
{
    setText(name, value ? TrueText : FalseText);
}

void PropertyBag::writeBool(const QString &name, bool value, bool defaultValue)
{
    if (value != defaultValue)
        writeBool(name, value);
}

void PropertyBag::writeInt(const QString &name, int value)
{
    setText(name, QString::number(value));
}

void PropertyBag::writeInt(const QString &name, int value, int defaultValue)
{
    if (value != defaultValue)
        writeInt(name, value);
}

void PropertyBag::writeDouble(const QString &name, double value)
{
    setText(name, QString::number(value));
}

void PropertyBag::writeDouble(const QString &name, double value, double defaultValue)
{
    if (value != defaultValue)
        writeDouble(name, value);
}

void PropertyBag::writeColor(const QString &name, drawing::OleColor value)
{
    setText(name, colorText(value));
}

void PropertyBag::writeColor(const QString &name, drawing::OleColor value,
                             drawing::OleColor defaultValue)
{
    if (value != defaultValue)
        writeColor(name, value);
}

void PropertyBag::writeFont(const QString &name, const QFont &value)
{
    setText(name, fontText(value));
}

void PropertyBag::writeFont(const QString &name, const QFont &value, const QFont &defaultValue)
{
    if (fontText(value) != fontText(defaultValue))
        writeFont(name, value);
}

void PropertyBag::writePicture(const QString &name, const QString &resourcePath)
{
    if (!resourcePath.isEmpty())
        setText(name, resourcePath);
}

} // namespace controls
