#include "programs/programchoice.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString language()
{
    return QLocale().name();
}

} // namespace

ProgramChoice::ProgramChoice(ProgramLibrary &library, QObject *parent)
    : QObject(parent)
    , programs(library)
{
    connect(&programs, &ProgramLibrary::changed, this, &ProgramChoice::follow);
}

bool ProgramChoice::isChosen() const
{
    return builtIn != 0 || !userFile.isEmpty();
}

void ProgramChoice::chooseBuiltIn(int number)
{
    if (!ProgramCatalogue::contains(number))
        return;
    builtIn = number;
    userFile.clear();
    emit chosenChanged();
}

bool ProgramChoice::chooseUser(const QString &path)
{
    const UserProgram *found = programs.findByPath(path);
    if (!found)
        return false;
    builtIn = 0;
    userFile = found->path;
    emit chosenChanged();
    return true;
}

const UserProgram *ProgramChoice::chosenUserProgram() const
{
    return userFile.isEmpty() ? nullptr : programs.findByPath(userFile);
}

QString ProgramChoice::name() const
{
    if (ProgramCatalogue::contains(builtIn))
        return ProgramCatalogue::translatedName(ProgramCatalogue::program(builtIn));
    const UserProgram *user = chosenUserProgram();
    return user ? user->name(language()) : QString();
}

QString ProgramChoice::description() const
{
    if (ProgramCatalogue::contains(builtIn))
        return ProgramCatalogue::translatedDescription(ProgramCatalogue::program(builtIn));
    const UserProgram *user = chosenUserProgram();
    if (!user)
        return {};
    return user->program ? user->program->descriptionFor(language()) : user->error;
}

QString ProgramChoice::error() const
{
    const UserProgram *user = chosenUserProgram();
    return user ? user->error : QString();
}

ProgramChoice::Session ProgramChoice::sessionFor(int seconds) const
{
    Session session;
    session.name = name();
    if (ProgramCatalogue::contains(builtIn)) {
        session.builtIn = &ProgramCatalogue::program(builtIn);
        return session;
    }
    const UserProgram *user = chosenUserProgram();
    if (!user || !user->program) {
        session.refusal = tr("This program's file has an error.");
        return session;
    }
    session.tone = user->program->tone;
    const std::optional<StagePlan> stages = StagePlanner::plan(*user->program, seconds);
    if (!stages)
        session.refusal = StagePlanner::tooShortMessage(*user->program);
    else
        session.stages = *stages;
    return session;
}

QList<ProgramChoice::MenuEntry> ProgramChoice::menuEntries() const
{
    QList<MenuEntry> entries;
    for (const UserProgram &user : programs.programs()) {
        if (user.program)
            entries.append({user.path, user.name(language()), true});
        else
            entries.append({user.path, tr("%1 (%2)").arg(user.name(), user.error), false});
    }
    return entries;
}

QString ProgramChoice::open(const QString &path)
{
    const ProgramLibrary::Result imported = programs.import(path);
    if (!imported.error.isEmpty())
        return imported.error;
    chooseUser(imported.path);
    return {};
}

std::optional<ProgramDefinition> ProgramChoice::editable() const
{
    const UserProgram *user = chosenUserProgram();
    if (!user)
        return std::nullopt;
    return user->program;
}

std::optional<ProgramDefinition> ProgramChoice::duplicate(int seconds) const
{
    std::optional<ProgramDefinition> copy;
    if (ProgramCatalogue::contains(builtIn))
        copy = ProgramFile::copyOf(ProgramCatalogue::program(builtIn), seconds);
    else if (const UserProgram *user = chosenUserProgram())
        copy = user->program;
    if (copy) {
        copy->name = programs.unusedName(copy->name);
        copy->localizedNames.clear();
    }
    return copy;
}

QString ProgramChoice::save(const ProgramDefinition &program, const QString &path)
{
    const ProgramLibrary::Result saved = programs.save(program, path);
    if (saved.error.isEmpty())
        chooseUser(saved.path);
    return saved.error;
}

QString ProgramChoice::deleteChosen()
{
    if (userFile.isEmpty())
        return {};
    const QString error = programs.remove(userFile);
    if (error.isEmpty()) {
        userFile.clear();
        emit chosenChanged();
    }
    return error;
}

// A file chosen that changed on disk shows what it holds now; one that has gone is chosen no more.
void ProgramChoice::follow()
{
    if (!userFile.isEmpty()) {
        if (!programs.findByPath(userFile))
            userFile.clear();
        emit chosenChanged();
    }
    emit menuChanged();
}
