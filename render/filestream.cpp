#include "render/filestream.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStream *of(void *stream)
{
    return static_cast<FileStream *>(stream);
}

} // namespace

FileStream::FileStream(int descriptor)
    : descriptor(descriptor)
    , callbacks {fileLength, seek, read, write, tell}
{
}

SF_VIRTUAL_IO *FileStream::io()
{
    return &callbacks;
}

sf_count_t FileStream::fileLength(void *stream)
{
    struct stat status
    {
    };
    return fstat(of(stream)->descriptor, &status) == 0 ? sf_count_t(status.st_size) : -1;
}

sf_count_t FileStream::seek(sf_count_t offset, int whence, void *stream)
{
    return lseek(of(stream)->descriptor, off_t(offset), whence);
}

sf_count_t FileStream::read(void *data, sf_count_t count, void *stream)
{
    char *into = static_cast<char *>(data);
    sf_count_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(of(stream)->descriptor, into + done, size_t(count - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

sf_count_t FileStream::write(const void *data, sf_count_t count, void *stream)
{
    return of(stream)->writeAll(static_cast<const char *>(data), count);
}

sf_count_t FileStream::tell(void *stream)
{
    return lseek(of(stream)->descriptor, 0, SEEK_CUR);
}

sf_count_t FileStream::writeAll(const char *data, sf_count_t count)
{
    if (firstFailure != 0)
        return 0;
    sf_count_t done = 0;
    while (done < count) {
        const ssize_t written = ::write(descriptor, data + done, size_t(count - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A regular file takes nothing only when its file system has no room.
            firstFailure = written < 0 ? errno : ENOSPC;
            break;
        }
        done += written;
    }
    return done;
}
