#include "store/PreparedFilter.h"

#include <algorithm>

#include "fields/TextToDateTime.h"

namespace {

std::string DeltaText(const std::string& offset) {
    return TextToDateTime(offset).ToString('/', ':');
}

bool IsColumn(int32_t index, const MInterfaceFormat& format) {
    return index >= 0 && index < format.GetCount();
}

}  // namespace

PreparedFilter::PreparedFilter(const ColumnFilter& filter)
    : filter_(&filter),
      condition_(filter.Condition),
      value_(&filter.Value),
      min_(&filter.MinValue),
      max_(&filter.MaxValue),
      list_(&filter.Values) {
    if (!filter.UseDeltaTime || filter.CompareColumn) return;
    switch (condition_) {
        case 2: {
            // The value joins the list unconverted, at its sorted place.
            deltaList_ = filter.Values;
            deltaList_.insert(std::lower_bound(deltaList_.begin(), deltaList_.end(), filter.Value),
                              filter.Value);
            list_ = &deltaList_;
            break;
        }
        case 5:
            // The later offset gives the earlier point: the bounds change places, the flags do not.
            deltaMin_ = DeltaText(filter.MaxValue);
            deltaMax_ = DeltaText(filter.MinValue);
            min_ = &deltaMin_;
            max_ = &deltaMax_;
            break;
        case 0:
        case 1:
        case 3:
        case 4:
        case 6:
        case 7:
            deltaValue_ = DeltaText(filter.Value);
            value_ = &deltaValue_;
            if (condition_ != 6 && condition_ != 7) condition_ = 4 - condition_;
            break;
        default:
            break;
    }
}

bool PreparedFilter::Matches(const void* record, const MInterfaceFormat& format) const {
    if (condition_ < 0 || condition_ > 7) return false;
    const int32_t column = filter_->Column;
    if (!IsColumn(column, format)) return false;
    const std::string* value = value_;
    const std::vector<std::string>* list = list_;
    std::vector<std::string> referenced;
    if (filter_->CompareColumn) {
        if (!IsColumn(filter_->CompareColumnIndex, format)) return false;
        int length = 0;
        const char* text = format.GetText(record, filter_->CompareColumnIndex, &length);
        referenced.emplace_back(text, static_cast<std::size_t>(std::max(length, 0)));
        value = &referenced.front();
        list = &referenced;
    }
    bool result = false;
    switch (condition_) {
        case 0:
            result = format.IsLessText(record, column, *value);
            break;
        case 1:
            result = format.IsLessOrEqualText(record, column, *value);
            break;
        case 2:
            result = format.IsInList(record, column, *list);
            break;
        case 3:
            result = format.IsGreaterOrEqualText(record, column, *value);
            break;
        case 4:
            result = format.IsGreaterText(record, column, *value);
            break;
        case 5:
            result =
                format.IsInRange(record, column, *min_, *max_, filter_->MinIncluded, filter_->MaxIncluded);
            break;
        case 6:
            result = format.ContainsText(record, column, *value, filter_->MatchEmpty, filter_->MatchAny);
            break;
        case 7:
            result = format.MatchesPattern(record, column, *value);
            break;
    }
    return result != filter_->Negation;
}
