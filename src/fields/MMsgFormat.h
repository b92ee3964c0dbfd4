#pragma once
// Monitor message format over a caller's buffer: writes the fields of a record one after another
// into it, or reads them back. Fixed-width fields take exactly their width; variable-length fields
// are text followed by the delimiter byte 254. The buffer is not owned. Reading past the end, or
// writing past the buffer's size, raises MException code 1; the record keeps the fields already set.
#include "fields/MObjectFormat.h"

class MMsgFormat : public MObjectFormat {
public:
    static constexpr char kDelimiter = static_cast<char>(254);

    MMsgFormat(char* data, int size, bool writing);

    // Writing: the field's fixed write; reading: its fixed read, or, at the end of the data, Clear
    // when the clear-missing flag is set.
    void ProcessField(MObjectFunction& field) override;
    void Reset() override { Rewind(); }
    // The format reads the data; it writes into it only when the writing flag is set.
    void Start(const char* data, int size) override { SetBuffer(const_cast<char*>(data), size); }
    const char* GetData() const override { return data_; }
    int GetPosition() const override { return GetOffset(); }

    virtual void SetBuffer(char* data, int size);
    // Copies length bytes at the position and advances; raises "Message buffer is full" (code 1)
    // instead of writing past the size. A negative length writes nothing.
    virtual void Write(const void* bytes, int length);
    // Advances by count; raises "Message is too short" (code 1) when that passes the size.
    virtual void Skip(int count);
    virtual char* GetCurrent();
    // The position's address; *length = the bytes left.
    virtual char* GetRemaining(int* length);
    virtual int GetOffset() const { return position_; }
    // Kept within 0 and the size.
    virtual void SetOffset(int position) {
        position_ = position < 0 ? 0 : position > size_ ? size_ : position;
    }
    virtual void Rewind() { position_ = 0; }

    // Stores the delimiter at the position and advances (through Write: a growing writer makes room).
    void WriteDelimiter();
    // Bytes from the position up to the first delimiter or zero byte, or up to the end.
    int CountToDelimiter() const;
    // Raises "Message is too short" at or past the end; otherwise advances past the next delimiter,
    // stopping before a zero byte or at the end.
    void SkipDelimiter();
    void SkipAndDelimiter(int count);
    char GetDelimiter() const { return delimiter_; }
    // The capacity (writing) or the message length (reading).
    int GetSize() const { return size_; }

protected:
    char* data_;
    int position_ = 0;
    int size_;
    char delimiter_ = kDelimiter;
};
