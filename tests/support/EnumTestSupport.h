#pragma once
// Helpers shared by the enumeration and set tests: message buffers and a sort of
// records through a column descriptor.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/MError.h"
#include "core/MException.h"
#include "fields/MMsgFormat.h"
#include "support/FieldTestRecords.h"
#include "support/LogRecorder.h"

// The bytes a value writes in its fixed (monitor-message) form.
template <class T>
std::string FixedBytes(const T& value) {
    char buffer[64] = {};
    MMsgFormat format(buffer, sizeof buffer, true);
    value.WriteFixed(format);
    return std::string(buffer, static_cast<std::size_t>(format.GetOffset()));
}

// Reads a value from the fixed form in bytes; returns the number of bytes consumed.
template <class T>
int ReadFixedFrom(T& value, const std::string& bytes) {
    std::string copy = bytes;
    MMsgFormat format(copy.data(), static_cast<int>(copy.size()), false);
    value.ReadFixed(format);
    return format.GetOffset();
}

// The message of the MException that call raises, or "" when it raises none.
template <class F>
std::string ExceptionText(F&& call) {
    try {
        call();
    } catch (const MException& e) {
        return e.GetText();
    }
    return "";
}

// The display texts of records sorted ascending by the first column of record type R (as a grid
// sorts through its column descriptor), each taken through the same column.
template <class R>
std::vector<std::string> SortedColumnTexts(std::vector<R> rows) {
    R prototype;
    ColumnCollector collector;
    DescribeFields(prototype, collector);
    MInterface& column = *collector.columns.at(0);
    column.MakeRelative(&prototype);
    std::stable_sort(rows.begin(), rows.end(), [&](const R& a, const R& b) { return column.IsLess(&a, &b); });
    std::vector<std::string> texts;
    for (const R& row : rows) texts.emplace_back(column.GetText(&row, nullptr));
    return texts;
}
