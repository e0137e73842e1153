#ifndef UNDERFLOWWARNINGS_H
#define UNDERFLOWWARNINGS_H

#include <QString>
#include <QtGlobal>

#include <atomic>

// Counts the sound outputs' warnings of an underflow while it is installed, passing every message
// on to the handler before it.
namespace UnderflowWarnings {

inline std::atomic<int> counted {0};
inline QtMessageHandler nextHandler = nullptr;

inline void count(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("Sound underflow")))
        ++counted;
    nextHandler(type, context, message);
}

inline void install()
{
    nextHandler = qInstallMessageHandler(count);
}

inline void uninstall()
{
    qInstallMessageHandler(nextHandler);
}

} // namespace UnderflowWarnings

#endif
