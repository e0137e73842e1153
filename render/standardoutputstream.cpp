#include "render/standardoutputstream.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// A virtual file that keeps only its first bytes and counts the rest: enough for libsndfile to
// write a file of any length and leave its header behind.
struct HeaderOnlyFile
{
    static constexpr sf_count_t kept = 4096;
    QByteArray start = QByteArray(int(kept), '\0');
    sf_count_t position = 0;
    sf_count_t length = 0;

    static HeaderOnlyFile *of(void *file) { return static_cast<HeaderOnlyFile *>(file); }
    static sf_count_t fileLength(void *file) { return of(file)->length; }
    static sf_count_t tell(void *file) { return of(file)->position; }
    static sf_count_t read(void *, sf_count_t, void *) { return 0; }
    static sf_count_t seek(sf_count_t offset, int whence, void *file)
    {
        HeaderOnlyFile *self = of(file);
        const sf_count_t base = whence == SEEK_SET ? 0
            : whence == SEEK_CUR                   ? self->position
                                                   : self->length;
        self->position = base + offset;
        return self->position;
    }
    static sf_count_t write(const void *data, sf_count_t count, void *file)
    {
        HeaderOnlyFile *self = of(file);
        if (self->position < kept)
            std::memcpy(self->start.data() + self->position, data,
                        size_t(qMin(count, kept - self->position)));
        self->position += count;
        self->length = qMax(self->length, self->position);
        return count;
    }
};

} // namespace

StandardOutputStream::StandardOutputStream(int descriptor, const QByteArray &finalHeader)
    : descriptor(descriptor)
    , header(finalHeader)
    , callbacks {fileLength, seek, read, write, tell}
{
}

QByteArray StandardOutputStream::headerFor(SF_INFO info, qint64 dataBytes)
{
    HeaderOnlyFile file;
    SF_VIRTUAL_IO io {HeaderOnlyFile::fileLength, HeaderOnlyFile::seek, HeaderOnlyFile::read,
                      HeaderOnlyFile::write, HeaderOnlyFile::tell};
    SNDFILE *sndfile = sf_open_virtual(&io, SFM_WRITE, &info, &file);
    if (!sndfile)
        return QByteArray();
    const sf_count_t headerBytes = file.position;
    // Raw silence: libsndfile counts it as sound without converting a sample.
    static const QByteArray silence(1 << 20, '\0');
    for (qint64 left = dataBytes; left > 0;) {
        const qint64 piece = qMin<qint64>(left, silence.size());
        sf_write_raw(sndfile, silence.constData(), piece);
        left -= piece;
    }
    const bool closed = sf_close(sndfile) == SF_ERR_NO_ERROR;
    if (!closed || headerBytes > HeaderOnlyFile::kept)
        return QByteArray();
    return file.start.left(int(headerBytes));
}

SF_VIRTUAL_IO *StandardOutputStream::io()
{
    return &callbacks;
}

sf_count_t StandardOutputStream::fileLength(void *stream)
{
    return static_cast<StandardOutputStream *>(stream)->length;
}

sf_count_t StandardOutputStream::seek(sf_count_t offset, int whence, void *stream)
{
    auto *self = static_cast<StandardOutputStream *>(stream);
    const sf_count_t base = whence == SEEK_SET ? 0
        : whence == SEEK_CUR                   ? self->position
                                               : self->length;
    self->position = base + offset;
    return self->position;
}

sf_count_t StandardOutputStream::read(void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t StandardOutputStream::write(const void *data, sf_count_t count, void *stream)
{
    return static_cast<StandardOutputStream *>(stream)->writeAt(static_cast<const char *>(data),
                                                                count);
}

sf_count_t StandardOutputStream::tell(void *stream)
{
    return static_cast<StandardOutputStream *>(stream)->position;
}

sf_count_t StandardOutputStream::writeAt(const char *data, sf_count_t count)
{
    if (position + count <= header.size()) {
        // The provisional header before any sound is dropped; a rewrite after it must say what
        // the header already sent says.
        if (sent > 0 && std::memcmp(header.constData() + position, data, size_t(count)) != 0) {
            problem = QStringLiteral("the WAV header came out different from the one sent");
            return 0;
        }
    } else {
        if (sent == 0 && !send(header.constData(), header.size()))
            return 0;
        if (position != sent) {
            problem = QStringLiteral("the sound did not follow its header");
            return 0;
        }
        if (!send(data, count))
            return 0;
    }
    position += count;
    length = qMax(length, position);
    return count;
}

bool StandardOutputStream::send(const char *data, qint64 count)
{
    while (count > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(count));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            problem = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        data += written;
        count -= written;
        sent += written;
    }
    return true;
}
