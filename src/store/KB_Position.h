#pragma once
// A position of the session's position map: the extended position acknowledgment and its row key,
// (position id, report date as the number YYYYMMDD), which the session computes and stores. Plain
// bytes, copied freely.
#include "store/BaseKey.h"
#include "store/KB_PositionLong.h"

class KB_Position : public KB_PositionLong {
public:
    BaseKey Key;

    KB_Position() = default;
    explicit KB_Position(const Brae_KB_PositionAcknowledgment& acknowledgment)
        : KB_PositionLong(acknowledgment) {}
    KB_Position(const char* message, int length) : KB_PositionLong(message, length) {}

    void Assign(const KB_Position& other) { *this = other; }

    BaseKey GetKey() const { return Key; }
    static const char* GetDisplayName() { return "STrdInstrument"; }
};
