#ifndef PROGRAMCHOICE_H
#define PROGRAMCHOICE_H

#include "programs/programlibrary.h"
#include "session/programcatalogue.h"

#include <QObject>

// The program the window has chosen, one of the eleven built-in ones or one of the user's, with
// what the window shows for it, what Start plays, and what the Programs menu lists and does. It
// has no widgets: the window wires it to its menu and its form.
class ProgramChoice : public QObject
{
    Q_OBJECT

public:
    explicit ProgramChoice(ProgramLibrary &library, QObject *parent = nullptr);

    ProgramLibrary &library() { return programs; }

    bool isChosen() const;
    // 1..11 for a built-in program, 0 for a user's or none.
    int builtInNumber() const { return builtIn; }
    // The file of the user's program chosen; empty for a built-in one or none.
    QString userPath() const { return userFile; }

    void chooseBuiltIn(int number);
    // False when the folder has no such file.
    bool chooseUser(const QString &path);

    // In the language of the translation installed (a user's program: its Name[xx] for it).
    QString name() const;
    QString description() const;
    // Why the user's program chosen cannot be played; empty when it can.
    QString error() const;

    // What Start plays for a session of `seconds`: a built-in program, a user's program's stages
    // fitted to the length, or a refusal for the headline.
    struct Session
    {
        const Program *builtIn = nullptr;
        QString name;
        StagePlan stages;
        // The kind of tone a user's program names for itself; none for the others.
        std::optional<ToneKind> tone;
        QString refusal;
    };
    Session sessionFor(int seconds) const;

    // The user's programs for the menu: the name, and the error beside it for a bad file.
    struct MenuEntry
    {
        QString path;
        QString text;
        bool playable;
    };
    QList<MenuEntry> menuEntries() const;

    // A program file from elsewhere: copied into the folder and chosen. The error, or empty.
    QString open(const QString &path);

    // The program to edit: the user's program chosen; none for a built-in one.
    std::optional<ProgramDefinition> editable() const;
    // A copy of the program chosen to start a new one from, under a name no program has yet; a
    // built-in one as it sounds at `seconds`.
    std::optional<ProgramDefinition> duplicate(int seconds) const;
    // Saves a program from the editor, to its file (path) or a new one, and chooses it.
    QString save(const ProgramDefinition &program, const QString &path = {});
    // Moves the user's program chosen to the trash; the error, or empty.
    QString deleteChosen();

signals:
    // The program chosen, or what it shows, changed.
    void chosenChanged();
    // The user's programs changed.
    void menuChanged();

private:
    const UserProgram *chosenUserProgram() const;
    void follow();

    ProgramLibrary &programs;
    int builtIn = 0;
    QString userFile;
};

#endif
