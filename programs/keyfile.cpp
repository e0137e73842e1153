#include "programs/keyfile.h"

#include <QCoreApplication>

namespace {

bool isGroupNameValid(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('[') || c == QLatin1Char(']') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

} // namespace

bool KeyFile::parse(const QByteArray &text, int *errorLine, QString *error)
{
    groupList.clear();
    groupList.append(Group());
    const QList<QByteArray> rawLines = text.split('\n');
    for (int i = 0; i < rawLines.size(); ++i) {
        QByteArray raw = rawLines[i];
        if (raw.endsWith('\r'))
            raw.chop(1);
        // A final newline ends the last line; it does not begin another.
        if (i == rawLines.size() - 1 && raw.isEmpty())
            break;
        const QString lineText = QString::fromUtf8(raw);
        const QString trimmed = lineText.trimmed();
        Line line;
        line.number = i + 1;
        line.text = lineText;
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
            groupList.last().lines.append(line);
            continue;
        }
        if (trimmed.startsWith(QLatin1Char('['))) {
            const QString name = trimmed.mid(1, trimmed.size() - 2);
            if (!trimmed.endsWith(QLatin1Char(']')) || !isGroupNameValid(name)) {
                *errorLine = line.number;
                *error = QCoreApplication::translate("KeyFile", "\"%1\" is not a group name")
                             .arg(trimmed);
                return false;
            }
            Group group;
            group.name = name;
            group.number = line.number;
            groupList.append(group);
            continue;
        }
        const int equals = trimmed.indexOf(QLatin1Char('='));
        QString key = equals > 0 ? trimmed.left(equals).trimmed() : QString();
        if (key.endsWith(QLatin1Char(']'))) {
            const int open = key.indexOf(QLatin1Char('['));
            if (open > 0) {
                line.locale = key.mid(open + 1, key.size() - open - 2);
                key = key.left(open).trimmed();
            }
        }
        if (key.isEmpty() || key.contains(QLatin1Char('[')) || key.contains(QLatin1Char(']'))) {
            *errorLine = line.number;
            *error = QCoreApplication::translate(
                "KeyFile", "the line is neither a [group], a key=value pair nor a #comment");
            return false;
        }
        if (groupList.size() == 1) {
            *errorLine = line.number;
            *error = QCoreApplication::translate("KeyFile", "a key comes before the first group");
            return false;
        }
        line.key = key;
        line.value = unescaped(trimmed.mid(equals + 1).trimmed());
        groupList.last().lines.append(line);
    }
    return true;
}

QByteArray KeyFile::toData() const
{
    QString out;
    for (const Group &group : groupList) {
        if (!group.name.isEmpty())
            out += QLatin1Char('[') + group.name + QLatin1String("]\n");
        for (const Line &line : group.lines) {
            if (line.key.isEmpty())
                out += line.text;
            else if (line.locale.isEmpty())
                out += line.key + QLatin1Char('=') + escaped(line.value);
            else
                out += line.key + QLatin1Char('[') + line.locale + QLatin1String("]=") +
                    escaped(line.value);
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

QStringList KeyFile::groups() const
{
    QStringList names;
    for (const Group &group : groupList) {
        if (!group.name.isEmpty() && !names.contains(group.name))
            names.append(group.name);
    }
    return names;
}

bool KeyFile::hasGroup(const QString &group) const
{
    return findGroup(group) != nullptr;
}

int KeyFile::groupLine(const QString &group) const
{
    const Group *found = findGroup(group);
    return found ? found->number : 0;
}

bool KeyFile::hasKey(const QString &group, const QString &key, const QString &locale) const
{
    return findLine(group, key, locale) != nullptr;
}

QString KeyFile::value(const QString &group, const QString &key, const QString &locale) const
{
    const Line *line = findLine(group, key, locale);
    return line ? line->value : QString();
}

int KeyFile::keyLine(const QString &group, const QString &key, const QString &locale) const
{
    const Line *line = findLine(group, key, locale);
    return line ? line->number : 0;
}

QStringList KeyFile::locales(const QString &group, const QString &key) const
{
    QStringList found;
    for (const Group &each : groupList) {
        if (each.name != group)
            continue;
        for (const Line &line : each.lines) {
            if (line.key == key && !line.locale.isEmpty() && !found.contains(line.locale))
                found.append(line.locale);
        }
    }
    return found;
}

void KeyFile::setValue(const QString &group, const QString &key, const QString &value,
                       const QString &locale)
{
    for (auto each = groupList.rbegin(); each != groupList.rend(); ++each) {
        if (each->name != group)
            continue;
        for (auto line = each->lines.rbegin(); line != each->lines.rend(); ++line) {
            if (line->key == key && line->locale == locale) {
                line->value = value;
                return;
            }
        }
    }
    Group *target = findGroup(group);
    if (!target) {
        if (groupList.size() > 1 || !groupList.first().lines.isEmpty()) {
            Line blank;
            groupList.last().lines.append(blank);
        }
        Group added;
        added.name = group;
        groupList.append(added);
        target = &groupList.last();
    }
    Line line;
    line.key = key;
    line.locale = locale;
    line.value = value;
    // After the group's last key, before the blank lines and comments that lead to the next one.
    int at = target->lines.size();
    while (at > 0 && target->lines[at - 1].key.isEmpty())
        --at;
    target->lines.insert(at, line);
}

void KeyFile::removeKey(const QString &group, const QString &key)
{
    for (Group &each : groupList) {
        if (each.name == group)
            each.lines.removeIf([&](const Line &line) { return line.key == key; });
    }
}

void KeyFile::removeGroup(const QString &group)
{
    groupList.removeIf([&](const Group &each) { return each.name == group; });
}

QString KeyFile::escaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char(' ') && i == 0)
            out += QLatin1String("\\s");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else
            out += c;
    }
    return out;
}

QString KeyFile::unescaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[++i];
        if (next == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (next == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            out += QLatin1Char('\\') + next;
    }
    return out;
}

const KeyFile::Group *KeyFile::findGroup(const QString &name) const
{
    for (const Group &group : groupList) {
        if (group.name == name && !name.isEmpty())
            return &group;
    }
    return nullptr;
}

KeyFile::Group *KeyFile::findGroup(const QString &name)
{
    for (Group &group : groupList) {
        if (group.name == name && !name.isEmpty())
            return &group;
    }
    return nullptr;
}

const KeyFile::Line *KeyFile::findLine(const QString &group, const QString &key,
                                       const QString &locale) const
{
    const Line *found = nullptr;
    for (const Group &each : groupList) {
        if (each.name != group)
            continue;
        for (const Line &line : each.lines) {
            if (line.key == key && line.locale == locale)
                found = &line;
        }
    }
    return found;
}
