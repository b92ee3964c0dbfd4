#pragma once
// The framework's abstract file: a path name of at most 260 characters, an open mode, open and
// end-of-file flags, a 64-bit byte count (the size at open plus every byte written since) with a
// remembered mark, a command pattern for pipes and the shared line splitter. Owns its work
// buffer (allocated at construction); not copyable. One thread at a time.
#include <cstdint>
#include <string>
#include <vector>

#include "core/MFileMode.h"

class MFileLineSplitter;

// Key names of the version-control header of framework files.
inline constexpr const char* kFileHeaderVersionKey = "Version";
inline constexpr const char* kFileHeaderCreationTimeKey = "FileCrTimestamp";
inline constexpr const char* kFileHeaderFileNameKey = "FileName";

class MFileBase {
public:
    static constexpr int kMaxPathLength = 260;

    // fileName is cut to 260 characters; bufferSize (negative taken as 0) sizes the work buffer.
    MFileBase(const std::string& fileName, int32_t bufferSize, bool pipe);
    virtual ~MFileBase();
    MFileBase(const MFileBase&) = delete;
    MFileBase& operator=(const MFileBase&) = delete;

    virtual bool Open(const MFileMode& mode, bool quiet) = 0;
    virtual bool OpenWithMode(int modeIndex, bool quiet) = 0;
    virtual bool Close(bool quiet) = 0;
    virtual bool Flush() = 0;
    virtual bool IsEof() = 0;
    virtual void MarkPosition() = 0;
    virtual bool SeekToMark() = 0;
    virtual int32_t Read(char* buffer, int32_t length) = 0;
    virtual bool Write(const char* data, int32_t length) = 0;
    virtual void ClearEof() { eof_ = false; }

    const char* GetFileName() const { return fileName_.c_str(); }
    // Cut to 260 characters.
    void SetFileName(const std::string& fileName);
    // The size of the named file from the file system; 0 when it cannot be read.
    int64_t GetSize() const;

    // The command pattern with every "%FILE%" (at most the first 32,767) replaced by the path
    // name, scanning on after each inserted name; the path name itself when the pattern is empty.
    // For a pipe the inserted name is quoted for the shell when it holds anything but letters,
    // digits and "_-./+,:@", so that a name cannot run a command of its own.
    std::string ExpandPattern() const;
    void SetCommandPattern(const std::string& pattern) { commandPattern_ = pattern; }
    const std::string& GetCommandPattern() const { return commandPattern_; }

    bool IsOpen() const { return open_; }
    bool IsPipe() const { return pipe_; }
    void SetPipe(bool pipe) { pipe_ = pipe; }
    const MFileMode& GetMode() const { return mode_; }
    int64_t GetByteCount() const { return byteCount_; }
    int64_t GetMark() const { return mark_; }
    int32_t GetDelimiter() const { return delimiter_; }
    MFileLineSplitter& GetLineSplitter() const { return *lineSplitter_; }
    int32_t GetBufferSize() const { return bufferSize_; }

protected:
    std::vector<char> buffer_;
    int32_t readCount_ = 0;
    int32_t readPosition_ = 0;
    int32_t bufferSize_;
    int32_t lineCount_ = 0;
    int32_t delimiter_ = '\n';
    MFileLineSplitter* lineSplitter_;
    bool open_ = false;
    bool pipe_;
    MFileMode mode_;
    bool eof_ = false;
    int64_t byteCount_ = 0;
    int64_t mark_ = 0;
    std::string commandPattern_;

private:
    std::string fileName_;
};

// The text after the last '/', else after the last '\', else the whole text (empty for null).
const char* GetFileNamePart(const char* path);
