#pragma once
// A framework file over a buffered standard I/O stream: opened with fopen, or with popen when the
// pipe flag is set (the command then comes from ExpandPattern). Every failure is logged at level 3
// and answered with false or 0; opening and closing are traced at trace level 2. The stream writes
// and reads through a 64 KiB buffer owned by the object. An open file is closed when the object
// dies. Not copyable; one thread at a time.
#include <cstdio>
#include <memory>
#include <string>

#include "core/MFileBase.h"

class MFileBaseText : public MFileBase {
public:
    explicit MFileBaseText(int32_t bufferSize);
    ~MFileBaseText() override;

    // True at once when already open (the mode stays). Fails, logged even when quiet, for an
    // empty path name; an open failure is logged unless quiet.
    bool Open(const MFileMode& mode, bool quiet) override;
    // Open with the mode of index (0 to 11); false for any other index.
    bool OpenWithMode(int modeIndex, bool quiet) override;
    // True when not open. Standard input and output are only forgotten, never closed.
    bool Close(bool quiet) override;
    bool Flush() override;
    bool IsEof() override;
    void MarkPosition() override;
    // Seeks the stream to the mark, counted from the start of the file.
    bool SeekToMark() override;
    // The number of bytes read; short at the end of the file (which sets the end-of-file flag);
    // 0 after a read error or when the file is not open (both logged).
    int32_t Read(char* buffer, int32_t length) override;
    // Appends the bytes and adds them to the byte count; false (logged) when not open or when
    // not every byte was written. A length of 0 or less writes nothing.
    bool Write(const char* data, int32_t length) override;

protected:
    std::FILE* stream_ = nullptr;

private:
    static constexpr std::size_t kStreamBufferSize = 65536;
    std::unique_ptr<char[]> streamBuffer_;
};
