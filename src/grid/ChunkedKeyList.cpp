#include "grid/ChunkedKeyList.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "core/MIniStore.h"

ChunkedKeyList::ChunkedKeyList(BaseIniFile& file, std::string section, std::string baseName)
    : file_(file),
      section_(std::move(section)),
      baseName_(std::move(baseName)),
      storedCount_(file_.ReadCount(section_, GetCountKey())) {}

std::string ChunkedKeyList::GetChunkKey(int32_t number) const {
    return number == 0 ? baseName_ : baseName_ + std::to_string(number);
}

std::vector<int32_t> ChunkedKeyList::PresentChunkNumbers() const {
    std::vector<std::string> keys;
    file_.ReadSection(section_, keys);
    std::vector<int32_t> numbers;
    for (const std::string& key : keys) {
        if (key.size() < baseName_.size()) continue;
        if (!MIniStore::SameName(std::string_view(key).substr(0, baseName_.size()), baseName_)) continue;
        if (key.size() == baseName_.size()) {
            numbers.push_back(0);
            continue;
        }
        if (key[baseName_.size()] == '0') continue;
        int64_t number = 0;
        bool digits = true;
        for (std::size_t i = baseName_.size(); i < key.size() && digits; ++i) {
            digits = key[i] >= '0' && key[i] <= '9';
            number = std::min<int64_t>(number * 10 + (key[i] - '0'), INT32_MAX);
        }
        if (digits) numbers.push_back(static_cast<int32_t>(number));
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

template <class List, class ReadChunk>
List ChunkedKeyList::ReadChunks(ReadChunk readChunk) const {
    List entries, chunk;
    // The keys the section holds below the count, in number order: an absent key holds nothing,
    // and a count far above the keys present costs nothing.
    const int32_t count = file_.ReadCount(section_, GetCountKey());
    for (const int32_t number : PresentChunkNumbers()) {
        if (number >= count) break;
        readChunk(GetChunkKey(number), chunk);
        std::move(chunk.begin(), chunk.end(), std::back_inserter(entries));
    }
    return entries;
}

KeyDataVector ChunkedKeyList::ReadKeyList(const std::string& separator) const {
    return ReadChunks<KeyDataVector>([&](const std::string& key, KeyDataVector& chunk) {
        file_.ReadKeyList(section_, key, separator, chunk);
    });
}

Key1ValueDataVector ChunkedKeyList::ReadKey1ValueList(const std::string& entryEnd, const std::string& opener,
                                                      const std::string& closer) const {
    return ReadChunks<Key1ValueDataVector>([&](const std::string& key, Key1ValueDataVector& chunk) {
        file_.ReadKey1ValueList(section_, key, chunk, entryEnd, opener, closer);
    });
}

Key2ValueDataVector ChunkedKeyList::ReadKey2ValueList(const std::string& entryEnd, const std::string& opener,
                                                      const std::string& valueSeparator,
                                                      const std::string& closer) const {
    return ReadChunks<Key2ValueDataVector>([&](const std::string& key, Key2ValueDataVector& chunk) {
        file_.ReadKey2ValueList(section_, key, chunk, entryEnd, opener, valueSeparator, closer);
    });
}

void ChunkedKeyList::Add(const std::string& entry) {
    const std::string key = GetChunkKey(chunkNumber_);
    if (key.size() + 1 + chunk_.size() + entry.size() <= kMaxLineLength) {
        chunk_ += entry;
        return;
    }
    file_.WriteString(section_, key, chunk_);
    ++chunkNumber_;
    chunk_ = entry;
}

void ChunkedKeyList::WriteChunk() {
    file_.WriteString(section_, GetChunkKey(chunkNumber_), chunk_);
}

void ChunkedKeyList::WriteCount() {
    file_.WriteInteger(section_, GetCountKey(), chunkNumber_ + 1);
}

void ChunkedKeyList::DeleteStaleChunks() {
    const int32_t end = std::max(storedCount_, kDefaultChunkCount);
    for (const int32_t number : PresentChunkNumbers())
        if (number > chunkNumber_ && number < end) file_.DeleteKey(section_, GetChunkKey(number));
}

void ChunkedKeyList::Save() {
    WriteChunk();
    WriteCount();
    DeleteStaleChunks();
}
