#include "programs/programlibrary.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Long enough to take an editor's write and rename as one change, short enough to feel at once.
constexpr int settleMs = 100;

} // namespace

QString UserProgram::name(const QString &language) const
{
    if (program)
        return language.isEmpty() ? program->name : program->nameFor(language);
    return QFileInfo(path).completeBaseName();
}

QString ProgramLibrary::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        QLatin1String("/velmora/programs");
}

ProgramLibrary::ProgramLibrary(const QString &folder, QObject *parent)
    : QObject(parent)
    , folderPath(folder)
{
    rereadSoon.setSingleShot(true);
    rereadSoon.setInterval(settleMs);
    connect(&rereadSoon, &QTimer::timeout, this, [this] {
        if (loaded)
            reread();
    });
    connect(&watcher, &QFileSystemWatcher::directoryChanged, &rereadSoon,
            qOverload<>(&QTimer::start));
    connect(&watcher, &QFileSystemWatcher::fileChanged, &rereadSoon, qOverload<>(&QTimer::start));
}

QString ProgramLibrary::folder() const
{
    return folderPath;
}

ProgramLibrary::~ProgramLibrary()
{
    // A reading still under way posts to this object; it must be over before the object is.
    readers.waitForDone();
}

void ProgramLibrary::watchFolder()
{
    QDir().mkpath(folderPath);
    if (!watcher.directories().contains(folderPath))
        watcher.addPath(folderPath);
}

void ProgramLibrary::load()
{
    watchFolder();
    loaded = true;
    reread();
}

void ProgramLibrary::loadInBackground()
{
    watchFolder();
    const int reading = ++generation;
    readers.start([this, reading, folder = folderPath, known = cache] {
        const QHash<QString, Cached> fresh = readFolder(folder, known);
        QMetaObject::invokeMethod(
            this,
            [this, reading, fresh] {
                // A reading begun since, or a save, knows better.
                if (reading != generation)
                    return;
                loaded = true;
                apply(fresh);
            },
            Qt::QueuedConnection);
    });
}

bool ProgramLibrary::isLoaded() const
{
    return loaded;
}

const QList<UserProgram> &ProgramLibrary::programs() const
{
    return list;
}

const UserProgram *ProgramLibrary::findByPath(const QString &path) const
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (const UserProgram &each : list) {
        if (each.path == wanted)
            return &each;
    }
    return nullptr;
}

const UserProgram *ProgramLibrary::findByName(const QString &name) const
{
    for (const UserProgram &each : list) {
        if (each.program && each.program->name.compare(name.simplified(), Qt::CaseInsensitive) == 0)
            return &each;
    }
    return nullptr;
}

QHash<QString, ProgramLibrary::Cached>
ProgramLibrary::readFolder(const QString &folder, const QHash<QString, Cached> &known)
{
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.") + QLatin1String(ProgramFile::suffix)},
                                   QDir::Files | QDir::Readable | QDir::Hidden | QDir::System);
    QHash<QString, Cached> fresh;
    for (const QFileInfo &file : files) {
        const QString path = file.absoluteFilePath();
        const auto was = known.constFind(path);
        if (was != known.cend() && was->modified == file.lastModified() &&
            was->size == file.size()) {
            fresh.insert(path, *was);
            continue;
        }
        const ProgramFile::Reading reading = ProgramFile::read(path);
        fresh.insert(path,
                     {file.lastModified(), file.size(), {path, reading.program, reading.error}});
    }
    return fresh;
}

void ProgramLibrary::reread()
{
    ++generation;
    apply(readFolder(folderPath, cache));
}

void ProgramLibrary::apply(const QHash<QString, Cached> &fresh)
{
    cache = fresh;
    const QStringList paths = cache.keys();
    const QStringList watched = watcher.files();
    const QStringList gone = QSet<QString>(watched.cbegin(), watched.cend())
                                 .subtract(QSet<QString>(paths.cbegin(), paths.cend()))
                                 .values();
    if (!gone.isEmpty())
        watcher.removePaths(gone);
    const QStringList added = QSet<QString>(paths.cbegin(), paths.cend())
                                  .subtract(QSet<QString>(watched.cbegin(), watched.cend()))
                                  .values();
    if (!added.isEmpty())
        watcher.addPaths(added);

    QList<UserProgram> sorted;
    sorted.reserve(cache.size());
    for (const Cached &each : std::as_const(cache))
        sorted.append(each.program);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(sorted.begin(), sorted.end(), [&](const UserProgram &a, const UserProgram &b) {
        const int order = collator.compare(a.name(), b.name());
        return order != 0 ? order < 0 : a.path < b.path;
    });
    list = sorted;
    emit changed();
}

QString ProgramLibrary::unusedName(const QString &name) const
{
    const auto taken = [&](const QString &candidate) {
        for (const Cached &each : cache) {
            if (each.program.name().compare(candidate, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    if (!taken(name))
        return name;
    // "Wind-Down (2)" copied again is "Wind-Down (3)", not "Wind-Down (2) (2)".
    static const QRegularExpression numbered(QStringLiteral("^(.*) \\((\\d+)\\)$"));
    const QRegularExpressionMatch match = numbered.match(name);
    const QString base = match.hasMatch() ? match.captured(1) : name;
    for (int n = match.hasMatch() ? match.captured(2).toInt() + 1 : 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(base).arg(n);
        if (!taken(candidate))
            return candidate;
    }
}

// A file name from the program's name: its letters and digits, the rest as dashes.
QString ProgramLibrary::newFilePath(const QString &name) const
{
    QString base;
    for (QChar c : name.toLower()) {
        if (c.isLetterOrNumber())
            base += c;
        else if (!base.endsWith(QLatin1Char('-')))
            base += QLatin1Char('-');
    }
    base = base.mid(base.startsWith(QLatin1Char('-')) ? 1 : 0).left(60);
    if (base.endsWith(QLatin1Char('-')))
        base.chop(1);
    if (base.isEmpty())
        base = QStringLiteral("program");
    const QDir dir(folderPath);
    QString path = dir.filePath(base + QLatin1Char('.') + QLatin1String(ProgramFile::suffix));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(
            QStringLiteral("%1-%2.%3").arg(base).arg(n).arg(QLatin1String(ProgramFile::suffix)));
    return path;
}

QString ProgramLibrary::write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(folderPath);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        return tr("%1: the program could not be saved: %2").arg(path, file.errorString());
    // The watcher would tell too, a moment later; the caller selects the program at once.
    if (loaded)
        reread();
    return {};
}

ProgramLibrary::Result ProgramLibrary::save(const ProgramDefinition &program,
                                            const QString &existingPath)
{
    KeyFile document;
    QString path = existingPath;
    if (!path.isEmpty()) {
        const ProgramFile::Reading reading = ProgramFile::read(path);
        // A file gone bad is written afresh rather than merged; one that has gone is written anew.
        if (reading.program)
            document = reading.document;
    } else {
        path = newFilePath(program.name);
    }
    const QString error = write(path, ProgramFile::write(program, document));
    return {error.isEmpty() ? QFileInfo(path).absoluteFilePath() : QString(), error};
}

ProgramLibrary::Result ProgramLibrary::import(const QString &path)
{
    const ProgramFile::Reading reading = ProgramFile::read(path);
    if (!reading.program)
        return {{}, reading.error};
    const QString original = QFileInfo(path).absoluteFilePath();
    if (const UserProgram *inFolder = findByPath(original))
        return {inFolder->path, {}};
    ProgramDefinition program = *reading.program;
    QByteArray data;
    if (const UserProgram *sameName = findByName(program.name)) {
        if (sameName->program->stages == program.stages)
            return {sameName->path, {}};
        program.name = unusedName(program.name);
        data = ProgramFile::write(program, reading.document);
    } else {
        QFile source(path);
        if (!source.open(QIODevice::ReadOnly))
            return {{}, tr("%1: the file cannot be read: %2").arg(path, source.errorString())};
        data = source.readAll();
    }
    const QString copy = newFilePath(program.name);
    const QString error = write(copy, data);
    return {error.isEmpty() ? QFileInfo(copy).absoluteFilePath() : QString(), error};
}

QString ProgramLibrary::remove(const QString &path)
{
    QFile file(path);
    if (!file.moveToTrash())
        return tr("%1: the program could not be moved to the trash: %2")
            .arg(path, file.errorString());
    if (loaded)
        reread();
    return {};
}
