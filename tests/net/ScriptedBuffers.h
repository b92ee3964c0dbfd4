#pragma once
// Test support: input and output sides whose socket calls play a script instead of a socket. The
// input side hands out the given byte chunks one per read (a negative chunk stands for a failed
// read, an empty one for a read that would block); the output side accepts at most the given
// number of bytes per send (-1 a failing send) and keeps what it accepted.
#include <algorithm>
#include <deque>
#include <string>

#include "net/MSocketBufferIn.h"
#include "net/MSocketBufferOut.h"
#include "net/MSocketBufferingIn.h"
#include "net/MSocketBufferingOut.h"

template <class Base>
class ScriptedIn : public Base {
public:
    using Base::Base;

    int ReadSocket(char* buffer, int size) override {
        ++reads;
        if (chunks.empty()) return 0;
        if (failNext) return -1;
        std::string& chunk = chunks.front();
        const int n = std::min(size, static_cast<int>(chunk.size()));
        std::copy(chunk.data(), chunk.data() + n, buffer);
        chunk.erase(0, static_cast<std::size_t>(n));
        if (chunk.empty()) chunks.pop_front();
        return n;
    }

    std::deque<std::string> chunks;
    bool failNext = false;
    int reads = 0;
};

template <class Base>
class ScriptedOut : public Base {
public:
    using Base::Base;

    int WriteSocket(const char* data, int length) override {
        if (accepts.empty()) {
            sent.append(data, static_cast<std::size_t>(length));
            ++sends;
            return length;
        }
        const int limit = accepts.front();
        accepts.pop_front();
        if (limit < 0) return -1;
        const int n = std::min(limit, length);
        sent.append(data, static_cast<std::size_t>(n));
        ++sends;
        return n;
    }

    std::deque<int> accepts;  // per send; when empty, every byte is accepted
    std::string sent;
    int sends = 0;
};
