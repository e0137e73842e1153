#include "sound/tonekind.h"

#include <QCoreApplication>

#include <iterator>

namespace {

struct Row
{
    ToneKind kind;
    const char *name;
    const char *label;
};

constexpr Row rows[] = {
    {ToneKind::Binaural, "binaural", QT_TRANSLATE_NOOP("ToneKind", "Binaural Beat (Headphones)")},
    {ToneKind::Isochronic, "isochronic",
     QT_TRANSLATE_NOOP("ToneKind", "Isochronic Pulses (Speakers)")},
    {ToneKind::Monaural, "monaural", QT_TRANSLATE_NOOP("ToneKind", "Monaural Beat (Speakers)")},
};

constexpr bool rowsInTheEnumsOrder()
{
    for (int i = 0; i < int(std::size(rows)); ++i) {
        if (int(rows[i].kind) != i)
            return false;
    }
    return true;
}
static_assert(rowsInTheEnumsOrder(), "a kind's row is found by its value");

const Row &rowOf(ToneKind kind)
{
    return rows[int(kind)];
}

} // namespace

QList<ToneKind> ToneKinds::all()
{
    QList<ToneKind> kinds;
    for (const Row &row : rows)
        kinds.append(row.kind);
    return kinds;
}

QString ToneKinds::label(ToneKind kind)
{
    return QCoreApplication::translate("ToneKind", rowOf(kind).label);
}

QString ToneKinds::name(ToneKind kind)
{
    return QString::fromLatin1(rowOf(kind).name);
}

std::optional<ToneKind> ToneKinds::fromName(const QString &name)
{
    for (const Row &row : rows) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.kind;
    }
    return std::nullopt;
}
