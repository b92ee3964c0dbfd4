#include "grid/WindowConfigText.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "grid/DecimalText.h"
#include "store/ParseRangeBound.h"

std::string WindowConfigText::Entry(const std::string& name, const std::string& value) {
    return name + kOpener + value + kCloser + kEntryEnd;
}

std::string WindowConfigText::Unquoted(std::string text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

WindowConfigText::FilterEntries WindowConfigText::FilterToEntries(const ColumnFilter& filter) {
    FilterEntries entries;
    const std::string& name = filter.ColumnName;
    switch (filter.Condition) {
        case 2:
            if (filter.CompareColumn) {
                entries.Operands = Entry(name, "@") + Entry(name, filter.CompareColumnName);
            } else {
                for (const std::string& value : filter.Values)
                    entries.ListValues.push_back(Entry(name, value));
            }
            break;
        case 5:
            // The compare flag goes first, as loading reads it.
            if (filter.CompareColumn) entries.Operands = Entry(name, "@");
            entries.Operands += Entry(
                name, (filter.MinIncluded ? "<" + filter.MinValue + ">" : "{" + filter.MinValue + "}") +
                          (filter.MaxIncluded ? "<" + filter.MaxValue + ">" : "{" + filter.MaxValue + "}"));
            break;
        default:
            // The compare flag is written in place of the match-empty flag, never beside it.
            if (filter.CompareColumn)
                entries.Operands = Entry(name, "@");
            else if (filter.MatchEmpty)
                entries.Operands = Entry(name, "+");
            entries.Operands += Entry(name, filter.CompareColumn ? filter.CompareColumnName : filter.Value);
            break;
    }
    entries.Delta = Entry(name, filter.UseDeltaTime ? "1" : "0");
    std::string condition = filter.Negation ? "!" : "";
    condition += std::to_string(filter.Condition);
    entries.Condition = Entry(name, condition);
    return entries;
}

void WindowConfigText::ReadFilters(const Key1ValueDataVector& conditions, const Key1ValueDataVector& values,
                                   const Key1ValueDataVector& deltas,
                                   const std::function<int(const std::string&)>& findField,
                                   FilterData& filters) {
    const auto named = [&](const std::string& name) {
        return std::find_if(filters.begin(), filters.end(),
                            [&](const ColumnFilter& f) { return f.ColumnName == name; });
    };
    for (const Key1ValueData& entry : conditions) {
        ColumnFilter filter;
        filter.ColumnName = entry.Key;
        std::string code = entry.Value;
        if (code.find('!') != std::string::npos) {
            filter.Negation = true;
            code.erase(0, 1);
        }
        if (!ParseDecimalText(code, filter.Condition)) continue;
        const auto existing = named(filter.ColumnName);
        if (existing != filters.end())
            *existing = std::move(filter);
        else if (findField(filter.ColumnName) != -1)
            filters.push_back(std::move(filter));
    }
    for (const Key1ValueData& entry : values) {
        const auto found = named(entry.Key);
        if (found == filters.end()) continue;
        ColumnFilter& filter = *found;
        if (entry.Value == "@") {
            filter.CompareColumn = true;
            continue;
        }
        switch (filter.Condition) {
            case 0:
            case 1:
            case 3:
            case 4:
            case 6:
            case 7:
                if (filter.Condition == 6 && entry.Value == "+")
                    filter.MatchEmpty = true;
                else if (filter.CompareColumn)
                    filter.CompareColumnName = entry.Value;
                else
                    filter.Value = entry.Value;
                break;
            case 2:
                if (filter.CompareColumn)
                    filter.CompareColumnName = entry.Value;
                else
                    filter.Values.push_back(entry.Value);
                break;
            case 5: {
                std::string text = entry.Value, low, high;
                bool lowIncluded = false, highIncluded = false;
                if (ParseRangeBound(text, lowIncluded, low) && ParseRangeBound(text, highIncluded, high)) {
                    filter.MinValue = low;
                    filter.MinIncluded = lowIncluded;
                    filter.MaxValue = high;
                    filter.MaxIncluded = highIncluded;
                }
                break;
            }
            default:
                break;
        }
    }
    for (const Key1ValueData& entry : deltas) {
        for (ColumnFilter& filter : filters) {
            if (filter.ColumnName == entry.Key) filter.UseDeltaTime = entry.Value == "1";
        }
    }
    for (ColumnFilter& filter : filters) {
        filter.Column = findField(filter.ColumnName);
        if (filter.CompareColumn) filter.CompareColumnIndex = findField(filter.CompareColumnName);
        // A filter compared with a column saves no match-empty flag, so it loads none either.
        if (filter.CompareColumn) filter.MatchEmpty = false;
        if (filter.Condition == 2) std::sort(filter.Values.begin(), filter.Values.end());
    }
}

void WindowConfigText::ReadColumnOptions(const Key2ValueDataVector& entries, int32_t defaultWidth,
                                         ColumnOptionMap& saved, std::vector<std::string>& names) {
    for (const Key2ValueData& entry : entries) {
        // An edited entry whose numbers are not whole numbers is passed over.
        ColumnOption option;
        if (!ParseDecimalText(entry.Value, option.Position) ||
            !ParseDecimalText(entry.SecondValue, option.Width))
            continue;
        // An edited width out of the sane range loads as the grid's default, which is saved back.
        constexpr int32_t kMaxColumnWidth = 4096;
        if (option.Width < 0 || option.Width > kMaxColumnWidth) option.Width = defaultWidth;
        saved[entry.Key] = option;
        names.push_back(entry.Key);
    }
}

std::vector<int32_t> WindowConfigText::ColumnOrder(const std::vector<std::string>& titles,
                                                   const ColumnOptionMap& saved,
                                                   const std::vector<std::string>& savedNames,
                                                   int columnCount) {
    const int fields = static_cast<int>(titles.size());
    std::map<std::string, int32_t> current;
    for (const std::string& name : titles) current.emplace(name, 0);
    // Positions held by saved columns that the view no longer has; a position below 1 held none.
    std::vector<int32_t> stale;
    std::set<std::string> staleNames;
    for (const std::string& name : savedNames) {
        const auto option = saved.find(name);
        if (option == saved.end()) continue;
        const auto field = current.find(name);
        if (field != current.end())
            field->second = option->second.Position;
        else if (staleNames.insert(name).second && option->second.Position >= 1)
            stale.push_back(option->second.Position);
    }
    // The placed columns close the gaps of the stale ones; then they take the places 1, 2, ... in
    // ascending order of position, ties in field order (an edited file may repeat a position or
    // skip one), and the columns without a place follow in field order.
    std::vector<std::pair<int64_t, int>> placed;
    std::vector<int> unplaced;
    for (int j = 0; j < fields; ++j) {
        int64_t position = current[titles[static_cast<std::size_t>(j)]];
        if (position >= 1) {
            position -= std::count_if(stale.begin(), stale.end(), [&](int32_t p) { return p <= position; });
        }
        if (position >= 1)
            placed.emplace_back(position, j);
        else
            unplaced.push_back(j);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int32_t> order(static_cast<std::size_t>(columnCount), 0);
    std::size_t next = 1;
    const auto place = [&](int field) {
        if (next < order.size()) order[next++] = field + 1;
    };
    for (const auto& [position, field] : placed) place(field);
    for (int field : unplaced) place(field);
    return order;
}
