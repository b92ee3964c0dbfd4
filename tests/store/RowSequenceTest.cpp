#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "store/RowSequence.h"

namespace {

struct Row {
    int value = 0;
    RowLink link;
};

using Sequence = RowSequence<Row, &Row::link>;

void ExpectSame(const Sequence& sequence, const std::vector<Row*>& model) {
    ASSERT_EQ(sequence.size(), model.size());
    std::vector<Row*> walked;
    sequence.ForEach([&](Row* row) { walked.push_back(row); });
    ASSERT_EQ(walked, model);
    for (std::size_t i = 0; i < model.size(); i += 1 + model.size() / 50) {
        EXPECT_EQ(sequence.At(i), model[i]);
        EXPECT_EQ(sequence.IndexOf(model[i]), i);
    }
}

// Random inserts, appends and erases across many blocks, checked against a plain vector.
TEST(RowSequence, AgreesWithAVectorThroughSplitsAndMerges) {
    std::vector<std::unique_ptr<Row>> rows;
    for (int i = 0; i < 6000; ++i) rows.push_back(std::make_unique<Row>(Row{i, {}}));
    Sequence sequence;
    std::vector<Row*> model;
    std::mt19937 random(7);
    std::size_t next = 0;
    for (int step = 0; step < 20000; ++step) {
        const unsigned action = random() % 10;
        if (next < rows.size() && action < 3) {
            sequence.PushBack(rows[next].get());
            model.push_back(rows[next++].get());
        } else if (next < rows.size() && action < 6) {
            const std::size_t at = random() % (model.size() + 1);
            sequence.Insert(at, rows[next].get());
            model.insert(model.begin() + static_cast<long>(at), rows[next++].get());
        } else if (!model.empty()) {
            const std::size_t at = random() % model.size();
            EXPECT_TRUE(Sequence::Contains(model[at]));
            sequence.Erase(model[at]);
            EXPECT_FALSE(Sequence::Contains(model[at]));
            model.erase(model.begin() + static_cast<long>(at));
        }
        if (step % 997 == 0) ExpectSame(sequence, model);
    }
    ExpectSame(sequence, model);

    // Rebuilt in another order; the rows left out are told so.
    std::vector<Row*> half(model.begin(), model.begin() + static_cast<long>(model.size() / 2));
    std::reverse(half.begin(), half.end());
    sequence.Assign(half);
    ExpectSame(sequence, half);
    for (std::size_t i = model.size() / 2; i < model.size(); ++i) EXPECT_FALSE(Sequence::Contains(model[i]));
    sequence.Clear();
    EXPECT_TRUE(sequence.empty());
    for (Row* row : half) EXPECT_FALSE(Sequence::Contains(row));
}

TEST(RowSequence, UpperBoundFindsTheInsertionPlaceOfAnOrderedSequence) {
    std::vector<std::unique_ptr<Row>> rows;
    std::vector<Row*> ordered;
    for (int i = 0; i < 3000; ++i) {
        rows.push_back(std::make_unique<Row>(Row{i * 2, {}}));
        ordered.push_back(rows.back().get());
    }
    Sequence sequence;
    sequence.Assign(ordered);
    const auto less = [](const Row* a, const Row* b) { return a->value < b->value; };
    for (int value : {-1, 0, 1, 1023, 1024, 2047, 5998, 5999, 7000}) {
        Row probe{value, {}};
        const std::size_t expected = static_cast<std::size_t>(
            std::upper_bound(ordered.begin(), ordered.end(), &probe, less) - ordered.begin());
        EXPECT_EQ(sequence.UpperBound(&probe, less), expected) << value;
    }
    Sequence empty;
    Row probe{1, {}};
    EXPECT_EQ(empty.UpperBound(&probe, less), 0u);
    // Many searched together (equal values, below all, above all) give the same places.
    const std::vector<int> values = {7000, -1, 0, 1, 1023, 1024, 1024, 2047, 5998, 5999, 3};
    std::vector<std::size_t> places;
    sequence.UpperBounds(
        values.size(), [&](std::size_t i, const Row* row) { return values[i] < row->value; }, places);
    ASSERT_EQ(places.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        Row searched{values[i], {}};
        EXPECT_EQ(places[i], sequence.UpperBound(&searched, less)) << values[i];
    }
    empty.UpperBounds(
        values.size(), [&](std::size_t i, const Row* row) { return values[i] < row->value; }, places);
    EXPECT_EQ(places, std::vector<std::size_t>(values.size(), 0));
}

// Walks down and up, over blocks left at many sizes by erases, agree with a plain loop.
TEST(RowSequence, FindFromStopsAtTheFirstAcceptedRowInEitherDirection) {
    std::vector<std::unique_ptr<Row>> rows;
    std::vector<Row*> model;
    Sequence sequence;
    for (int i = 0; i < 3000; ++i) {
        rows.push_back(std::make_unique<Row>(Row{i, {}}));
        sequence.PushBack(rows.back().get());
        model.push_back(rows.back().get());
    }
    // Shrink the second block and take out the third and fourth.
    for (int i = 512; i < 2048; ++i) {
        if (i < 1020 || i >= 1536) {
            sequence.Erase(rows[static_cast<std::size_t>(i)].get());
            model.erase(std::find(model.begin(), model.end(), rows[static_cast<std::size_t>(i)].get()));
        }
    }
    const auto expected = [&](std::size_t first, std::size_t last, auto accept) {
        for (std::size_t i = first;; first <= last ? ++i : --i) {
            if (accept(model[i])) return i;
            if (i == last) return Sequence::npos;
        }
    };
    const std::size_t end = model.size() - 1;
    const std::vector<std::pair<std::size_t, std::size_t>> ranges = {
        {0, end}, {end, 0}, {0, 0}, {end, end}, {500, 520}, {520, 500}, {7, 1200}, {1200, 7}, {511, 512}};
    for (int divisor : {1, 7, 700, 5000}) {
        const auto accept = [divisor](const Row* row) { return row->value % divisor == divisor - 1; };
        for (const auto& [first, last] : ranges) {
            EXPECT_EQ(sequence.FindFrom(first, last, accept), expected(first, last, accept))
                << first << " to " << last << ", every " << divisor;
        }
    }
}

}  // namespace
