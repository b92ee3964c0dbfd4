#pragma once
// Collects the column titles of a record type from its type-level describe routine: one title per
// field in describe order, the dotted path of the field's name through the open levels, each marked
// visible in a map, and the length of the longest. Fields of repeated parts get none. Owns its
// lists; reusable after Reset.
#include <map>
#include <string>
#include <vector>

#include "fields/MStaticFormat.h"
#include "fields/MStringDepth.h"

using TitleVisibilityMap = std::map<std::string, bool>;

class MTitleFormat : public MStaticFormat {
public:
    MTitleFormat();

    void ProcessField(MStaticFunction& field) override;
    void BeginObject(MStaticClassFunction& names) override;
    bool NextField() override;
    void EndObject() override;
    void BeginArray(MStaticClassFunction& names) override;
    bool NextArrayItem() override;
    void EndArray() override;
    // Empties the titles and the visibility map and sets the longest length to 0.
    void Reset() override;

    // Adds title as the next column title; returns its visibility flag.
    bool& AddTitle(const std::string& title);

    const std::vector<std::string>& GetTitles() const { return titles_; }
    const TitleVisibilityMap& GetTitleVisibility() const { return visibility_; }
    TitleVisibilityMap& GetTitleVisibility() { return visibility_; }
    // The index-th title's characters and length; callers pass 0 <= index < GetTitles().size().
    const char* GetTitle(int index, unsigned* length) const;
    int GetLongest() const { return longest_; }

private:
    struct Context {
        MStaticClassFunction* names;
        int next;
    };

    std::vector<std::string> titles_;
    TitleVisibilityMap visibility_;
    MStringDepth path_;
    int longest_ = 0;
    int skipDepth_ = 0;
    std::vector<Context> contexts_;
};
