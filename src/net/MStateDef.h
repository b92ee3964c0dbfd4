#pragma once
// One definition of a technical or business state: its name (at most 40 characters) and a
// description (at most 255), both zero-terminated in fixed arrays; longer texts are cut. A plain
// value.
#include <cstring>

#include "net/MVector.h"

struct MStateDef {
    char Name[41] = {};
    char Description[256] = {};

    MStateDef() = default;
    explicit MStateDef(const char* name, const char* description = "") {
        Copy(Name, name);
        Copy(Description, description);
    }

private:
    template <std::size_t N>
    static void Copy(char (&target)[N], const char* text) {
        if (!text) text = "";
        std::strncpy(target, text, N - 1);
        target[N - 1] = '\0';
    }
};

using MStateDefs = MVector<MStateDef>;
