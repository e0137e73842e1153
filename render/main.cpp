#include "render/renderjob.h"
#include "render/renderoptions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // For applicationDirPath(), which finds the ambient sounds beside the executable.
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const RenderOptions::CommandLine line = RenderOptions::parse(arguments);
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
    RenderJob::stopOnSignals();
    return RenderJob::run(line.request);
}
