#ifndef STANDARDOUTPUTSTREAM_H
#define STANDARDOUTPUTSTREAM_H

#include <QByteArray>
#include <QString>

#include <sndfile.h>

// libsndfile's virtual I/O onto standard output, for a WAV file whose length is known before it
// starts. libsndfile writes a provisional header at open and the real one at close, which a pipe
// cannot take back. So the real header is made first, by libsndfile itself, for a file of the
// same format and length, and sent ahead of the sound; the provisional one is dropped, and the
// rewrites at close must match what was sent, or the stream reports an error instead of a wrong
// header.
class StandardOutputStream
{
public:
    // finalHeader: the bytes before the sound, as headerFor() makes them.
    StandardOutputStream(int descriptor, const QByteArray &finalHeader);

    // The header libsndfile writes for dataBytes of sound in this format.
    static QByteArray headerFor(SF_INFO info, qint64 dataBytes);

    SF_VIRTUAL_IO *io();
    qint64 bytesSent() const { return sent; }
    QString error() const { return problem; }

private:
    static sf_count_t fileLength(void *stream);
    static sf_count_t seek(sf_count_t offset, int whence, void *stream);
    static sf_count_t read(void *data, sf_count_t count, void *stream);
    static sf_count_t write(const void *data, sf_count_t count, void *stream);
    static sf_count_t tell(void *stream);

    sf_count_t writeAt(const char *data, sf_count_t count);
    bool send(const char *data, qint64 count);

    int descriptor;
    QByteArray header;
    SF_VIRTUAL_IO callbacks;
    sf_count_t position = 0;
    sf_count_t length = 0;
    qint64 sent = 0;
    QString problem;
};

#endif
