#include "grid/FilterEditor.h"

#include <algorithm>

#include "store/InterfaceView.h"

namespace {
constexpr int kEqual = 2;
constexpr int kRange = 5;
constexpr int kHaving = 6;
constexpr int kIsLike = 7;
constexpr std::string_view kMaskSpecifiers = "09AaZz.*\\";
}  // namespace

FilterEditor::FilterEditor(InterfaceView& view) : view_(view), copy_(view.GetFilter()) {}

ColumnFilter* FilterEditor::Find(const std::string& name) {
    const auto it =
        std::find_if(copy_.begin(), copy_.end(), [&](const ColumnFilter& f) { return f.ColumnName == name; });
    return it == copy_.end() ? nullptr : &*it;
}

void FilterEditor::TakeDeltaValues() {
    for (ColumnFilter& filter : copy_) {
        if (filter.Condition == kEqual && filter.UseDeltaTime && !filter.Values.empty())
            filter.Value = filter.Values.front();
    }
}

void FilterEditor::AddColumn(const std::string& name) {
    ColumnFilter filter;
    filter.ColumnName = name;
    filter.Column = view_.FindField(name);
    copy_.push_back(std::move(filter));
}

void FilterEditor::RemoveColumn(const std::string& name) {
    const auto it =
        std::find_if(copy_.begin(), copy_.end(), [&](const ColumnFilter& f) { return f.ColumnName == name; });
    if (it != copy_.end()) copy_.erase(it);
}

bool FilterEditor::ApplyEdit(const std::string& name, uint32_t message, const EditValue& value) {
    ColumnFilter* filter = Find(name);
    if (!filter) return false;
    switch (message) {
        case kValueChecked:
            if (value.checked) {
                filter->Values.push_back(value.text);
            } else {
                const auto it = std::find(filter->Values.begin(), filter->Values.end(), value.text);
                if (it != filter->Values.end()) filter->Values.erase(it);
            }
            break;
        case kValueChanged:
        case kPatternChanged:
            filter->Value = value.text;
            break;
        case kMinValueChanged:
            filter->MinValue = value.text;
            break;
        case kMaxValueChanged:
            filter->MaxValue = value.text;
            break;
        case kMinIncludedChanged:
            filter->MinIncluded = value.checked;
            break;
        case kMaxIncludedChanged:
            filter->MaxIncluded = value.checked;
            break;
        case kAcceptNullChanged:
            filter->MatchEmpty = value.checked;
            break;
        case kCompareColumnChosen:
            filter->CompareColumnName = value.text;
            break;
        case kSearchOperatorChanged:
            filter->MatchAny = value.item == 0;
            break;
        default:
            return false;
    }
    return true;
}

void FilterEditor::DropMissingValues(const std::string& name, const StringVector& offered) {
    for (ColumnFilter& filter : copy_) {
        if (filter.Condition != kEqual || filter.ColumnName != name) continue;
        std::erase_if(filter.Values, [&](const std::string& v) {
            return !std::binary_search(offered.begin(), offered.end(), v);
        });
    }
}

void FilterEditor::ClearAll() {
    copy_.ClearAlerts();
    copy_.clear();
}

FilterEditor::Fault FilterEditor::CheckCondition(ColumnFilter& filter, bool& dropped) {
    const auto fail = [&](const char* message, Focus focus) {
        return Fault{true, message, filter.ColumnName, focus};
    };
    if (filter.CompareColumn) {
        // A name that is no field of the view (an edited file) would have the rows compared with
        // a field that does not exist.
        if (filter.CompareColumnName.empty() || filter.CompareColumnIndex < 0)
            return fail("You have to select the column title to compare.", Focus::CompareList);
        if (filter.Condition == kRange)
            return fail("You cannot select 'between' operator to define filter using columns comparison.",
                        Focus::Condition);
        return {};
    }
    if (filter.Condition < 0 || filter.Condition > kIsLike)
        return Fault{true, {}, filter.ColumnName, Focus::None};
    if (filter.Condition == kEqual) {
        if (filter.UseDeltaTime) return {};
        if (filter.Values.empty()) {
            dropped = true;
            return {};
        }
        filter.Value.clear();
        filter.MinValue.clear();
        filter.MaxValue.clear();
        filter.MinIncluded = false;
        filter.MaxIncluded = false;
        return {};
    }
    if (filter.Condition == kRange) {
        if (filter.MinValue.empty() || filter.MaxValue.empty())
            return fail("You have to provide valid filer data for a minimum and maximum value in the range.",
                        Focus::MinValue);
        for (const std::string* bound : {&filter.MinValue, &filter.MaxValue}) {
            if (const char* message = view_.CheckColumnText(filter.Column, bound->c_str()))
                return fail(message, Focus::MinValue);
        }
        filter.Values.clear();
        filter.Value.clear();
        return {};
    }
    const Focus focus = filter.Condition == kIsLike ? Focus::Pattern : Focus::Value;
    if (filter.Value.empty() && !filter.MatchEmpty)
        return fail("You have to provide valid filer value.", focus);
    if (filter.Condition == kHaving) {
        // A lone ';' leaves no alternative: refused as an empty value is, the typed text kept.
        std::string normal = NormaliseHaving(filter.Value);
        if (normal.empty() && !filter.MatchEmpty)
            return fail("You have to provide valid filer value.", focus);
        filter.Value = std::move(normal);
    } else if (filter.Condition == kIsLike) {
        const std::string message = CheckMaskText(filter.Value);
        if (!message.empty()) return Fault{true, message, filter.ColumnName, focus};
    } else if (const char* message = view_.CheckColumnText(filter.Column, filter.Value.c_str())) {
        return fail(message, focus);
    }
    filter.Values.clear();
    return {};
}

FilterEditor::Fault FilterEditor::ValidateFilters(const AlertInput& alerts) {
    for (ColumnFilter& filter : copy_) {
        filter.Column = view_.FindField(filter.ColumnName);
        if (filter.CompareColumn) filter.CompareColumnIndex = view_.FindField(filter.CompareColumnName);
    }
    // A dropped condition restarts the walk from the first one, which sees the values the
    // earlier passes normalised once more.
    for (std::size_t i = 0; i < copy_.size();) {
        bool dropped = false;
        Fault fault = CheckCondition(copy_[i], dropped);
        if (dropped) {
            copy_.erase(copy_.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
            continue;
        }
        if (fault.failed) return fault;
        ++i;
    }
    copy_.PopupAlertMessage.clear();
    copy_.PopupAlertEnabled = alerts.popupEnabled;
    if (alerts.popupEnabled && alerts.popupMessage.empty())
        return Fault{true, "You have to provide valid alert's warning message", {}, Focus::PopupMessage};
    copy_.PopupAlertMessage = alerts.popupMessage;
    copy_.SoundAlertFilename.clear();
    copy_.SoundAlertEnabled = alerts.soundEnabled;
    if (alerts.soundEnabled && alerts.soundFile.empty())
        return Fault{true, "You have to provide alert's sound file", {}, Focus::SoundFile};
    copy_.SoundAlertFilename = alerts.soundFile;
    if ((alerts.popupEnabled || alerts.soundEnabled) && copy_.empty())
        return Fault{
            true, "You have to provide valid filter definition to set an alert", {}, Focus::ColumnList};
    return {};
}

std::string FilterEditor::CheckMaskText(std::string_view pattern) {
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] != '\\') continue;
        const char next = pattern[i + 1];
        if (kMaskSpecifiers.find(next) == std::string_view::npos)
            return std::string("'\\") + next + "' is not a valid mask specifier.";
        ++i;
    }
    return {};
}

std::string FilterEditor::NormaliseHaving(std::string value) {
    const std::size_t first = value.find(';');
    if (first == std::string::npos) return value;
    if (first + 1 == value.size())
        value.pop_back();
    else if (value.back() != ';')
        value.push_back(';');
    return value;
}
