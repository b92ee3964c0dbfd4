#include "store/InterfaceView.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_set>

#include "fields/MInterface.h"

namespace {

// Hashes texts as views, so that a text already in a set is found without a copy of it.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};

// A text held as its first eight bytes, read as a big-endian number, and the rest of it (its tail)
// in a block shared by all: a smaller number is a text earlier in byte order; an equal one leaves
// the tails, then the lengths, to compare.
struct PackedText {
    std::uint64_t leading;
    std::uint32_t offset;  // of the tail in the block
    std::uint32_t length;
};

constexpr std::size_t kLeadingBytes = 8;

std::uint64_t LeadingBytes(std::string_view text) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < kLeadingBytes; ++i)
        value = value << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return value;
}

// The distinct texts among count texts (textAt(0) to textAt(count - 1)) and extra, in byte order.
// Meant for mostly distinct texts: most comparisons are between two numbers, and a text of up to
// eight bytes takes no room beyond its number.
template <class TextAt>
StringVector SortedDistinct(unsigned count, const TextAt& textAt,
                            const std::vector<std::string_view>& extra) {
    std::string block;
    std::vector<PackedText> texts;
    texts.reserve(count + extra.size());
    bool packed = true;
    const auto add = [&](std::string_view text) {
        const std::string_view tail = text.substr(std::min(text.size(), kLeadingBytes));
        packed = packed && block.size() + tail.size() <= UINT32_MAX;
        if (!packed) return;
        texts.push_back({LeadingBytes(text), static_cast<std::uint32_t>(block.size()),
                         static_cast<std::uint32_t>(text.size())});
        block.append(tail);
    };
    for (unsigned i = 0; i < count; ++i) add(textAt(i));
    for (std::string_view text : extra) add(text);
    StringVector values;
    if (!packed) {  // tails beyond what the block can address: the texts themselves are sorted
        std::vector<PackedText>().swap(texts);
        std::string().swap(block);
        values.reserve(count + extra.size());
        for (unsigned i = 0; i < count; ++i) values.emplace_back(textAt(i));
        values.insert(values.end(), extra.begin(), extra.end());
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        return values;
    }
    const auto tail = [&](const PackedText& text) {
        return std::string_view(block).substr(
            text.offset, text.length - std::min<std::size_t>(text.length, kLeadingBytes));
    };
    const auto less = [&](const PackedText& a, const PackedText& b) {
        if (a.leading != b.leading) return a.leading < b.leading;
        const int order = tail(a).compare(tail(b));
        return order != 0 ? order < 0 : a.length < b.length;
    };
    std::sort(texts.begin(), texts.end(), less);
    values.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const PackedText& text = texts[i];
        if (i > 0 && !less(texts[i - 1], text)) continue;
        std::string& value = values.emplace_back(std::min<std::size_t>(text.length, kLeadingBytes), '\0');
        for (std::size_t at = 0; at < value.size(); ++at)
            value[at] = static_cast<char>(text.leading >> (8 * (kLeadingBytes - 1 - at)));
        value.append(tail(text));
    }
    return values;
}

}  // namespace

int InterfaceView::GetColumnIndex(int screenColumn) const {
    if (screenColumn < 0 || screenColumn >= ColumnCount) return 0;
    return ColumnOrder[static_cast<std::size_t>(screenColumn)];
}

int InterfaceView::SetColumnOrder(const int32_t* entries, int count) {
    if (!entries || count != ColumnCount) return ColumnCount;
    std::vector<int32_t> order(entries, entries + count);
    std::vector<int32_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < count; ++i) {
        if (sorted[static_cast<std::size_t>(i)] != i) return ColumnCount;
    }
    ColumnOrder = std::move(order);
    return ColumnCount;
}

int InterfaceView::FindField(std::string name) const {
    const std::vector<std::string>& titles = TitleFormat.GetTitles();
    const auto at = std::find(titles.begin(), titles.end(), name);
    return at == titles.end() ? -1 : static_cast<int>(at - titles.begin());
}

const char* InterfaceView::GetCellText(int screenColumn, unsigned row, unsigned* length) {
    unsigned ignored = 0;
    if (!length) length = &ignored;
    *length = 0;
    // Automation passes columns from outside: a column beyond the order shows nothing.
    if (screenColumn < 0 || screenColumn >= static_cast<int>(ColumnOrder.size())) return "";
    const int entry = ColumnOrder[static_cast<std::size_t>(screenColumn)];
    if (entry > 0) {
        if (row > 0) return GetDisplayedCellText(entry - 1, row, length);
        if (entry > static_cast<int>(GetTitleList().size())) return "";
        return TitleFormat.GetTitle(entry - 1, length);
    }
    if (row == 0) return "";
    const auto end = std::to_chars(rowNumberText_, rowNumberText_ + sizeof rowNumberText_ - 1, row).ptr;
    *end = '\0';
    *length = static_cast<unsigned>(end - rowNumberText_);
    return rowNumberText_;
}

int InterfaceView::FindCellText(int screenColumn, unsigned first, unsigned last,
                                const std::function<bool(std::string_view)>& match) {
    const bool down = first <= last;
    const bool field = screenColumn >= 0 && screenColumn < static_cast<int>(ColumnOrder.size()) &&
                       ColumnOrder[static_cast<std::size_t>(screenColumn)] > 0;
    const auto shown = static_cast<unsigned>(std::max(GetDisplayedRowCount() - 1, 0));
    for (unsigned row = first;; down ? ++row : --row) {
        if (field && row >= 1 && row <= shown) {
            // The run of displayed rows from here towards last, walked in one go.
            const unsigned end = down ? std::min(last, shown) : std::max(last, 1U);
            const int entry = ColumnOrder[static_cast<std::size_t>(screenColumn)];
            const unsigned found = FindDisplayedCellText(entry - 1, row, end, match);
            if (found != 0) return static_cast<int>(found);
            row = end;
        } else {
            unsigned length = 0;
            const char* text = GetCellText(screenColumn, row, &length);
            if (match(std::string_view(text, length))) return static_cast<int>(row);
        }
        if (row == last) return -1;
    }
}

void InterfaceView::MoveColumn(int from, int to) {
    const int count = static_cast<int>(ColumnOrder.size());
    if (from == to || from < 0 || to < 0 || from >= count || to >= count) return;
    const auto at = [this](int column) { return ColumnOrder.begin() + column; };
    if (from < to) {
        std::rotate(at(from), at(from) + 1, at(to) + 1);
    } else {
        std::rotate(at(to), at(from), at(from) + 1);
    }
}

int InterfaceView::FindColumn(const std::string& name) const {
    const int field = FindField(name);
    if (field < 0) return -1;
    const auto at = std::find(ColumnOrder.begin(), ColumnOrder.end(), field + 1);
    return at == ColumnOrder.end() ? -1 : static_cast<int>(at - ColumnOrder.begin());
}

std::string InterfaceView::GetColumnName(int screenColumn) const {
    const int entry = GetColumnIndex(screenColumn);
    const std::vector<std::string>& titles = GetTitleList();
    if (entry < 1 || entry > static_cast<int>(titles.size())) return "";
    return titles[static_cast<std::size_t>(entry - 1)];
}

int InterfaceView::CountHiddenColumns() const {
    const TitleVisibilityMap& visibility = TitleFormat.GetTitleVisibility();
    return static_cast<int>(
        std::count_if(visibility.begin(), visibility.end(), [](const auto& entry) { return !entry.second; }));
}

int InterfaceView::CountVisibleColumns() const {
    return GetColumnCount() - CountHiddenColumns() - 1;
}

void InterfaceView::SetSortCriteria(std::vector<SortSelectionData>& criteria) {
    ClearSortCriteria();
    std::erase_if(criteria,
                  [this](const SortSelectionData& criterion) { return FindField(criterion.Column) < 0; });
    for (const SortSelectionData& criterion : criteria)
        AddSortCriterion(FindField(criterion.Column), criterion.Ascending);
}

void InterfaceView::CacheColumnValues(const std::string& name) {
    const int field = FindField(name);
    if (field < 0) return;
    ColumnFilter entry;
    entry.ColumnName = name;
    StringVector& values = entry.Values;
    switch (GetColumnKind(field)) {
        case MInterface::kEnumeration:
            values = GetColumnValues(field);
            break;
        case MInterface::kSet:
            values = GetColumnValues(field);
            values.emplace_back(GetColumnAllText(field));
            values.emplace_back(GetColumnNoneText(field));
            break;
        default: {
            const unsigned rows = static_cast<unsigned>(std::max(GetAllRowCount(), 1));
            const auto textAt = [&](unsigned row) {
                unsigned length = 0;
                const char* text = GetAllCellText(field, row, &length);
                return std::string_view(text, length);
            };
            // The equals conditions' values are offered as well.
            std::vector<std::string_view> kept;
            for (const ColumnFilter& filter : Filter) {
                if (filter.Condition == 2 && filter.ColumnName == name)
                    kept.insert(kept.end(), filter.Values.begin(), filter.Values.end());
            }
            // A column usually holds far fewer texts than rows: then the distinct texts are found
            // first and only they are sorted. When the first rows are mostly distinct, every text is
            // taken and sorted instead (a set of them all would cost more than the sort).
            constexpr unsigned kProbe = 65536;
            std::unordered_set<std::string, TextHash, std::equal_to<>> distinct;
            bool mostlyDistinct = false;
            for (unsigned row = 1; row < rows && !mostlyDistinct; ++row) {
                const std::string_view text = textAt(row);
                if (!distinct.contains(text)) distinct.emplace(text);
                mostlyDistinct = row == kProbe && distinct.size() * 2 > kProbe;
            }
            if (mostlyDistinct) {
                values = SortedDistinct(
                    rows - 1, [&](unsigned i) { return textAt(i + 1); }, kept);
            } else {
                for (std::string_view text : kept) distinct.emplace(text);
                std::vector<std::string_view> order(distinct.begin(), distinct.end());
                std::sort(order.begin(), order.end());
                values.assign(order.begin(), order.end());
            }
            WorkFilter.push_back(std::move(entry));
            return;
        }
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    WorkFilter.push_back(std::move(entry));
}

void InterfaceView::InitColumnOrder(int count) {
    ColumnCount = count;
    ColumnOrder.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) ColumnOrder[static_cast<std::size_t>(i)] = i;
}
