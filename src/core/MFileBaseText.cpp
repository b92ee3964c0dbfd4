#include "core/MFileBaseText.h"

#include <ostream>

#include "core/MError.h"
#include "core/MTrace.h"

MFileBaseText::MFileBaseText(int32_t bufferSize) : MFileBase(std::string(), bufferSize, false) {}

MFileBaseText::~MFileBaseText() {
    Close(false);
}

bool MFileBaseText::Open(const MFileMode& mode, bool quiet) {
    if (open_) return true;
    if (*GetFileName() == '\0') {
        MLOG(3, "File has no name");
        return false;
    }
    readCount_ = 0;
    readPosition_ = 0;
    lineCount_ = 0;
    eof_ = false;
    mode_ = mode;
    if (!quiet && GetTraceLevel() >= 2) {
        GetTraceStream() << "Open file [" << GetFileName() << "] in mode [" << mode_.GetText() << "]"
                         << std::endl;
    }
    if (pipe_) {
        const int index = mode_.GetIndex();
        stream_ = ::popen(ExpandPattern().c_str(), index == 1 || index == 7 ? "w" : "r");
    } else {
        stream_ = std::fopen(GetFileName(), mode_.GetText());
    }
    if (!stream_) {
        if (!quiet) MLOG(3, "Error opening file \"%s\" in mode \"%s\"", GetFileName(), mode_.GetText());
        return false;
    }
    byteCount_ = GetSize();
    open_ = true;
    if (!streamBuffer_) streamBuffer_ = std::make_unique<char[]>(kStreamBufferSize);
    std::setvbuf(stream_, streamBuffer_.get(), _IOFBF, kStreamBufferSize);
    return true;
}

bool MFileBaseText::OpenWithMode(int modeIndex, bool quiet) {
    if (modeIndex < 0 || modeIndex >= MFileMode::kCount) return false;
    return Open(MFileMode(modeIndex), quiet);
}

bool MFileBaseText::Close(bool quiet) {
    if (!open_) return true;
    if (!quiet && GetTraceLevel() >= 2)
        GetTraceStream() << "Close file [" << GetFileName() << "]" << std::endl;
    open_ = false;
    std::FILE* stream = stream_;
    stream_ = nullptr;
    if (stream == stdin || stream == stdout) return true;
    const int result = pipe_ ? ::pclose(stream) : std::fclose(stream);
    if (result != 0) {
        if (!quiet) {
            MLOG(3, "Error closing file \"%s\" which was opened in mode \"%s\"", GetFileName(),
                 mode_.GetText());
        }
        return false;
    }
    return true;
}

bool MFileBaseText::Flush() {
    if (!stream_) return false;
    std::fflush(stream_);
    return true;
}

bool MFileBaseText::IsEof() {
    return stream_ ? std::feof(stream_) != 0 : eof_;
}

void MFileBaseText::MarkPosition() {
    mark_ = byteCount_;
}

bool MFileBaseText::SeekToMark() {
    return stream_ && ::fseeko(stream_, static_cast<off_t>(mark_), SEEK_SET) == 0;
}

int32_t MFileBaseText::Read(char* buffer, int32_t length) {
    if (!stream_) {
        MLOG(3, "File is not opened");
        return 0;
    }
    if (!buffer || length <= 0) return 0;
    const std::size_t count = std::fread(buffer, 1, static_cast<std::size_t>(length), stream_);
    if (count == static_cast<std::size_t>(length)) return length;
    if (std::feof(stream_)) {
        eof_ = true;
        return static_cast<int32_t>(count);
    }
    MLOG(3, "Error reading from file \"%s\"", GetFileName());
    return 0;
}

bool MFileBaseText::Write(const char* data, int32_t length) {
    if (!open_ || !stream_) {
        MLOG(3, "File is not opened");
        return false;
    }
    if (!data || length <= 0) return true;
    if (std::fwrite(data, 1, static_cast<std::size_t>(length), stream_) != static_cast<std::size_t>(length)) {
        MLOG(3, "Error writing to file \"%s\"", GetFileName());
        return false;
    }
    byteCount_ += length;
    eof_ = false;
    return true;
}
