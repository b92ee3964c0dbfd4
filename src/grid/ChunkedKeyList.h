#pragma once
// A list of entries kept in a settings section under a family of keys: the base key holds the
// first chunk, the base name followed by 1, 2, 3 ... the following ones, and the base name
// followed by "Count" the number of chunks (the base key counted as one). Every entry carries its
// own terminator, so a chunk is its entries run together. No key=value line is made longer than
// 1024 characters by adding an entry; an entry that alone exceeds the room starts a chunk of its
// own. Sort criteria, hidden columns, column options, the export schedule, the filter lists and
// the titles are kept this way.
//
// Writing: make the object (it reads the count the section holds now), Add the entries, then
// Save, or, where several lists are written together, WriteChunk, WriteCount and
// DeleteStaleChunks of each list in the order the caller's format needs. Chunks that fill up are
// written as they fill. Reading: one of the Read... calls. An absent, empty or non-numeric count
// reads as 20 chunks, so the base key and the keys 1 to 19 are read; reading and deleting walk
// the chunk keys that the section holds below the count, never the numbers up to it. Refers to the
// file it is given, which must outlive it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/BaseIniFile.h"

class ChunkedKeyList {
public:
    // The longest key=value line that adding an entry may make.
    static constexpr std::size_t kMaxLineLength = 1024;
    // Chunk keys numbered below this are always cleared on saving; also the count of a missing
    // count key.
    static constexpr int32_t kDefaultChunkCount = 20;

    ChunkedKeyList(BaseIniFile& file, std::string section, std::string baseName);

    // The base key for number 0, else the base name followed by the decimal number.
    std::string GetChunkKey(int32_t number) const;
    std::string GetCountKey() const { return baseName_ + "Count"; }

    // The entries of every chunk in order, split by the list reader of BaseIniFile of the same
    // name with the given separators; a malformed chunk gives its entries before the fault.
    KeyDataVector ReadKeyList(const std::string& separator) const;
    Key1ValueDataVector ReadKey1ValueList(const std::string& entryEnd, const std::string& opener,
                                          const std::string& closer) const;
    Key2ValueDataVector ReadKey2ValueList(const std::string& entryEnd, const std::string& opener,
                                          const std::string& valueSeparator, const std::string& closer) const;

    // Appends an entry (or several run together, kept in one chunk) to the chunk in hand; when the
    // line would pass kMaxLineLength, first writes the chunk in hand under its key and starts the
    // next chunk with the entry.
    void Add(const std::string& entry);
    // Writes the chunk in hand under its key (an empty list writes the base key empty).
    void WriteChunk();
    // Writes the count key: the number of chunks.
    void WriteCount();
    // Deletes the chunk keys after the last one written, up to the count that the section held
    // when this object was made, and at least up to number 19.
    void DeleteStaleChunks();
    // WriteChunk, WriteCount and DeleteStaleChunks.
    void Save();

private:
    // The numbers of the chunk keys that the section holds (0 for the base key), ascending.
    std::vector<int32_t> PresentChunkNumbers() const;
    template <class List, class ReadChunk>
    List ReadChunks(ReadChunk readChunk) const;

    BaseIniFile& file_;
    std::string section_;
    std::string baseName_;
    int32_t storedCount_;      // the count key's value when the object was made
    int32_t chunkNumber_ = 0;  // of the chunk in hand
    std::string chunk_;
};
