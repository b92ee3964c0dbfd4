#pragma once
// The two lists of the sort dialog without controls: the fields not sorted on (kept in the sorted
// lists' collation) and the sort criteria in order of precedence, with the moves between them.
#include <string>
#include <vector>

#include "store/SortSelectionData.h"

class SortSelectionLists {
public:
    // Fields: every title that is no criterion's text; the criteria as given.
    void Fill(const std::vector<SortSelectionData>& criteria, const std::vector<std::string>& titles);

    const std::vector<std::string>& Fields() const { return fields_; }
    std::vector<SortSelectionData>& SortBy() { return sortBy_; }
    const std::vector<SortSelectionData>& SortBy() const { return sortBy_; }

    // Moves the selected fields (flags by position) to the end of the criteria, descending, walking
    // from the last field up, so that several arrive in reverse order.
    void Include(const std::vector<bool>& selected);
    // Moves the selected criteria back among the fields, which keep their order.
    void Exclude(const std::vector<bool>& selected);
    void IncludeAll();
    void ExcludeAll();
    // Swaps the criterion at `current` with the one delta places away (clamped); answers the new
    // current position, or `current` unchanged when nothing moves.
    int Move(int current, int delta);

private:
    void AddField(const std::string& title);

    std::vector<std::string> fields_;
    std::vector<SortSelectionData> sortBy_;
};
