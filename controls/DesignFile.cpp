#include "controls/DesignFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtDebug>

// Resource initialisation has to be named outside any namespace.
static void initDesigns()
{
    Q_INIT_RESOURCE(designs);
}

namespace controls {
namespace {

QString escapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar ch = value[i];
        const bool atEnd = i == 0 || i == value.size() - 1;
        if (ch == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (ch == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (ch == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (ch == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (ch == QLatin1Char(' ') && atEnd)
            out += QLatin1String("\\s");
        else
            out += ch;
    }
    return out;
}

QChar escapedChar(QChar code)
{
    switch (code.unicode()) {
    case '\\':
        return QLatin1Char('\\');
    case 'n':
        return QLatin1Char('\n');
    case 'r':
        return QLatin1Char('\r');
    case 't':
        return QLatin1Char('\t');
    case 's':
        return QLatin1Char(' ');
    default:
        return QChar();
    }
}

// An unknown escape is kept as written; false reports it.
bool unescapeValue(const QString &text, QString &out)
{
    bool clean = true;
    out.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\')) {
            out += text[i];
            continue;
        }
        const QChar code = i + 1 < text.size() ? text[i + 1] : QChar();
        const QChar ch = escapedChar(code);
        if (ch.isNull()) {
            clean = false;
            out += text[i];
            continue;
        }
        out += ch;
        ++i;
    }
    return clean;
}

} // namespace

void DesignFile::addError(int line, const QString &message)
{
    m_errors << QStringLiteral("line %1: %2").arg(line).arg(message);
}

void DesignFile::parseLine(const QString &rawLine, int number, PropertyBag *&current)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        const QString name = line.mid(1, line.size() - 2).trimmed();
        if (name.isEmpty()) {
            addError(number, QStringLiteral("[] names no control"));
            current = nullptr;
            return;
        }
        if (contains(name))
            addError(number, QStringLiteral("[%1] appears a second time").arg(name));
        current = &control(name);
        return;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        addError(
            number,
            QStringLiteral("\"%1\" is neither [control], Name=Value nor a # comment").arg(line));
        return;
    }
    if (!current) {
        addError(number, QStringLiteral("%1 lies outside any [control]").arg(line));
        return;
    }
    const QString name = line.left(equals).trimmed();
    QString value;
    if (!unescapeValue(line.mid(equals + 1).trimmed(), value))
        addError(number, QStringLiteral("unknown \\ escape in %1, kept as written").arg(line));
    if (current->contains(name)) {
        addError(number,
                 QStringLiteral("%1 is given a second time; the later value is kept").arg(name));
    }
    current->setText(name, value);
}

DesignFile DesignFile::fromText(const QString &text)
{
    DesignFile design;
    PropertyBag *current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i)
        design.parseLine(lines[i], i + 1, current);
    return design;
}

DesignFile DesignFile::load(const QString &path)
{
    initDesigns();
    QFile file(path);
    DesignFile design;
    if (!file.open(QIODevice::ReadOnly)) {
        design.m_errors << QStringLiteral("cannot read: %1").arg(file.errorString());
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(file.readAll());
        design = fromText(text);
        if (decoder.hasError()) {
            design.m_errors.prepend(
                QStringLiteral("not UTF-8 text; the undecodable bytes are replaced"));
        }
    }
    for (QString &error : design.m_errors) {
        error = path + QStringLiteral(": ") + error;
        qWarning("%s", qPrintable(error));
    }
    return design;
}

QString DesignFile::toText() const
{
    QString out;
    for (const auto &[name, bag] : m_controls) {
        out += QLatin1Char('[') + name + QStringLiteral("]\n");
        for (const auto &[key, value] : bag.entries())
            out += key + QLatin1Char('=') + escapeValue(value) + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    return out;
}

bool DesignFile::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    const QByteArray bytes = toText().toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("%1: cannot write: %2").arg(path, file.errorString());
    return false;
}

const PropertyBag &DesignFile::control(const QString &name) const
{
    static const PropertyBag empty;
    for (const auto &entry : m_controls)
        if (entry.first == name)
            return entry.second;
    return empty;
}

PropertyBag &DesignFile::control(const QString &name)
{
    for (auto &entry : m_controls)
        if (entry.first == name)
            return entry.second;
    m_controls.emplace_back(name, PropertyBag());
    return m_controls.back().second;
}

bool DesignFile::contains(const QString &name) const
{
    for (const auto &entry : m_controls)
        if (entry.first == name)
            return true;
    return false;
}

QStringList DesignFile::controlNames() const
{
    QStringList names;
    for (const auto &entry : m_controls)
        names << entry.first;
    return names;
}

} // namespace controls
