#ifndef FILESTREAM_H
#define FILESTREAM_H

#include <sndfile.h>

// libsndfile's virtual I/O onto an open file, which keeps the first write that failed.
// libsndfile's own file I/O does not let every encoder see a failure: its MP3 encoder counts a
// short write as whole, and its close drops the error of the final flush. Here every write's
// result is the stream's, and the writer asks after each piece and after the close.
class FileStream
{
public:
    explicit FileStream(int descriptor);

    SF_VIRTUAL_IO *io();
    // The errno of the first write that failed, or 0. Once one failed, no more is written.
    int failure() const { return firstFailure; }

private:
    static sf_count_t fileLength(void *stream);
    static sf_count_t seek(sf_count_t offset, int whence, void *stream);
    static sf_count_t read(void *data, sf_count_t count, void *stream);
    static sf_count_t write(const void *data, sf_count_t count, void *stream);
    static sf_count_t tell(void *stream);

    sf_count_t writeAll(const char *data, sf_count_t count);

    int descriptor;
    SF_VIRTUAL_IO callbacks;
    int firstFailure = 0;
};

#endif
