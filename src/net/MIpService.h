#pragma once
// A service as text: a port number or a service name; "0" (no service) by default.
#include <cctype>
#include <cstring>

#include "fields/MString.h"
#include "fields/MValAccept.h"

using MIpHost = MString<10, 10, MValAccept>;

class MIpService : public MString<10, 10, MValAccept> {
public:
    MIpService() : MString("0") {}
    explicit MIpService(const char* text) : MString(text) {}
    MIpService(const char* text, int length) : MString(text, length) {}

    void InitFromBytes(const char* text, int length) { Assign(text, length); }
    // The run of decimal digits that starts text after white space (empty when there is none).
    void FromLeadingDigits(const char* text) {
        Clear();
        if (!text) return;
        while (std::isspace(static_cast<unsigned char>(*text))) ++text;
        int length = 0;
        while (text[length] >= '0' && text[length] <= '9') ++length;
        Assign(text, length);
    }
};
