#pragma once
// Splits the first line off a block of text read from a file. One process-wide instance
// (GetFileLineSplitter) is shared by every file; it holds no state.
class MFileLineSplitter {
public:
    virtual ~MFileLineSplitter() = default;

    // Finds the first delimiter within the length bytes of text. None: false. Otherwise the line
    // is the bytes before it and consumed counts the delimiter too; the line's end is overwritten
    // with a zero byte: the carriage return of a CRLF ending (the delimiter being the line feed,
    // the line then one byte shorter), else the delimiter itself.
    virtual bool Split(char* text, int delimiter, int length, int* lineLength, int* consumed);
};

MFileLineSplitter& GetFileLineSplitter();
