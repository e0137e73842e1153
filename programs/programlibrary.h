#ifndef PROGRAMLIBRARY_H
#define PROGRAMLIBRARY_H

#include "programs/programfile.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

// One file of the programs folder: the program it holds, or why it holds none.
struct UserProgram
{
    QString path;
    std::optional<ProgramDefinition> program;
    QString error;

    // The program's name in the language given, or the file's name when it is bad.
    QString name(const QString &language = {}) const;
};

// The user's programs: the *.velmora files of a folder, read when asked and again whenever the
// folder or a file in it changes. It writes whole files or nothing (QSaveFile), never replaces a
// file it did not mean to, and deletes by moving to the desktop's trash. A bad file stays in the
// list with its error.
class ProgramLibrary : public QObject
{
    Q_OBJECT

public:
    // $XDG_DATA_HOME/velmora/programs
    static QString defaultFolder();

    explicit ProgramLibrary(const QString &folder = defaultFolder(), QObject *parent = nullptr);
    ~ProgramLibrary() override;

    QString folder() const;

    // Reads the folder, creating it when it is not there, and follows it from then on. Until
    // then the list is empty.
    void load();
    // The same, with the files read on another thread: the list comes with changed(), and the
    // window that asks for it is not held up by a folder of any size.
    void loadInBackground();
    bool isLoaded() const;

    // By name, in the order of the user's language; bad files among them.
    const QList<UserProgram> &programs() const;
    const UserProgram *findByPath(const QString &path) const;
    // The first good program of that name, in any case.
    const UserProgram *findByName(const QString &name) const;

    struct Result
    {
        QString path; // the program's file in the folder, when it worked
        QString error; // one line, when it did not
    };

    // Writes the program to its file (existingPath), keeping the keys this version does not know,
    // or to a new file named after it when existingPath is empty.
    Result save(const ProgramDefinition &program, const QString &existingPath = {});
    // Copies a program file from elsewhere into the folder and leaves the original as it was. A
    // program of the same name with the same stages is the one already there; one with other
    // stages is kept beside it under a name of its own ("Evening Wind-Down (2)").
    Result import(const QString &path);
    // Moves the file to the trash; the error is empty when it worked.
    QString remove(const QString &path);

    // name, or "name (2)", "name (3)"... when a program in the folder has it already.
    QString unusedName(const QString &name) const;

signals:
    // The list changed: a file came, went or changed.
    void changed();

private:
    // What each file held at its last reading, so that a change rereads only the files changed.
    struct Cached
    {
        QDateTime modified;
        qint64 size;
        UserProgram program;
    };
    static QHash<QString, Cached> readFolder(const QString &folder,
                                             const QHash<QString, Cached> &known);
    void watchFolder();
    void reread();
    void apply(const QHash<QString, Cached> &fresh);
    QString newFilePath(const QString &name) const;
    QString write(const QString &path, const QByteArray &data);

    QString folderPath;
    bool loaded = false;
    QList<UserProgram> list;
    QHash<QString, Cached> cache;
    QFileSystemWatcher watcher;
    // Several changes in quick succession (an editor's save is a write and a rename) are read once.
    QTimer rereadSoon;
    // Each reading of the folder has its number; only the latest one's list is taken.
    int generation = 0;
    QThreadPool readers;
};

#endif
