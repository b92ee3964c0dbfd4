#pragma once
// Copies the fields of a record out of one received server message, each from its fixed offset and
// only when the message holds it whole (ReadReceivedField); a field the message lacks keeps its
// default. Finish logs a message shorter than the bytes its record reads, once, at level 3. Reads
// the caller's bytes in place for one constructor; owns nothing.
#include <array>

#include "brae/BraeKTSAccountFlags.h"
#include "brae/ReceivedMessage.h"

class ReceivedRecordReader {
public:
    // expected: the number of bytes the record reads from the message.
    ReceivedRecordReader(const char* message, int length, int expected)
        : message_(message), length_(length), expected_(expected) {}

    template <class T>
    void Read(T& field, int offset) {
        if (!ReadReceivedField(field, message_, length_, offset)) whole_ = false;
    }

    // The account flags from their "Y"/"N" text at offset: only its first two characters count,
    // character i setting flag i when it is 'Y'. The rest of the text is not read.
    void ReadFlags(BraeKTSAccountFlagsSet& flags, int offset) {
        std::array<char, 2> read{};
        if (!ReadReceivedField(read, message_, length_, offset)) {
            whole_ = false;
            return;
        }
        flags.Clear();
        for (unsigned i = 0; i < read.size(); ++i) {
            if (read[i] == 'Y') flags.Add(BraeKTSAccountFlagsSet::GetEnumAt(i));
        }
    }

    // Logs the message when a field lay beyond its end; true when every field was read.
    bool Finish() const {
        if (!whole_) LogShortMessage(length_, expected_);
        return whole_;
    }

private:
    const char* message_;
    int length_;
    int expected_;
    bool whole_ = true;
};
