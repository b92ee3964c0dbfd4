#pragma once
// A dotted path built level by level ("Outer.Inner"): setting the name of a level drops every
// deeper level. Shared by the title collector and the description format; owns its text.
#include <string>
#include <vector>

class MStringDepth {
public:
    using DepthOffsets = std::vector<unsigned>;

    // separator: put between levels, 0 for none; reserve: characters reserved for the text.
    MStringDepth(char separator, int reserve);

    void Clear();
    // Makes the text end with name at level depth; skipped levels stay empty. A null name is empty.
    void SetLevel(unsigned depth, const char* name);
    const std::string& GetText() const { return text_; }

private:
    std::string text_;
    // Entry 0 is 0; entry k is the text's length just after level k-1's name.
    DepthOffsets offsets_;
    char separator_;
};
