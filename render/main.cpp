#include "render/interruption.h"
#include "render/renderjob.h"
#include "render/renderoptions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The arguments as bytes, before QCoreApplication, which may take some of its own away.
    QList<QByteArray> given;
    for (int i = 1; i < argc; ++i)
        given << QByteArray(argv[i]);
    // For applicationDirPath(), which finds the ambient sounds beside the executable.
    QCoreApplication application(argc, argv);
    QStringList arguments;
    for (const QByteArray &argument : given)
        arguments << QString::fromLocal8Bit(argument);

    RenderOptions::CommandLine line = RenderOptions::parse(arguments);
    switch (line.action) {
    case RenderOptions::CommandLine::Action::Help:
        std::fputs(RenderOptions::helpText().toLocal8Bit().constData(), stdout);
        return RenderJob::succeeded;
    case RenderOptions::CommandLine::Action::List: {
        ProgramLibrary library;
        library.load();
        std::fputs(RenderOptions::programList(library.programs()).toLocal8Bit().constData(),
                   stdout);
        return RenderJob::succeeded;
    }
    case RenderOptions::CommandLine::Action::Error:
        std::fprintf(stderr, "velmora-render: %s\n", line.error.toLocal8Bit().constData());
        return RenderJob::failed;
    case RenderOptions::CommandLine::Action::Render:
        break;
    }
    // The name as given, byte for byte: one that is not valid in the locale's encoding would
    // not come back the same from a QString.
    line.request.outputName = given.at(line.outputArgument);
    Interruption::install();
    if (line.request.programNumber == 0) {
        // A user's program: named, looked for in the programs folder, or read from its file.
        ProgramLibrary library;
        if (line.request.programFile.isNull())
            library.load();
        const RenderOptions::UserSession session =
            RenderOptions::userSession(line.request, library);
        if (!session.error.isEmpty()) {
            std::fprintf(stderr, "velmora-render: %s\n", session.error.toLocal8Bit().constData());
            return RenderJob::failed;
        }
        RenderOptions::Request request = line.request;
        if (session.tone && !request.toneGiven)
            request.tone = *session.tone;
        return RenderJob::run(request, session.name, session.stages);
    }
    return RenderJob::run(line.request);
}
