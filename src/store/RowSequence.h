#pragma once
// An ordered sequence of row pointers (a view's arrival order or display order) that answers in
// logarithmic time: the row at an index, the index of a row, erasing a row, appending, inserting
// at an index; rebuilding from a list is linear. The rows are held in blocks of a few hundred
// pointers; the block sizes are summed in a Fenwick tree for the index lookups; blocks split when
// they grow past kMaxBlock and merge with a neighbour when they shrink below kMinBlock. Each row
// carries one RowLink per sequence naming the block that holds it (null while it is not in the
// sequence), so a row must be in at most one place of a sequence. The sequence owns its blocks,
// never the rows. One thread.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

struct RowLink {
    void* block = nullptr;
};

template <class Item, RowLink Item::*Link>
class RowSequence {
public:
    static constexpr std::size_t kFillBlock = 512;
    static constexpr std::size_t kMaxBlock = 1024;
    static constexpr std::size_t kMinBlock = 64;

    RowSequence() = default;
    RowSequence(const RowSequence&) = delete;
    RowSequence& operator=(const RowSequence&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    static bool Contains(const Item* item) { return (item->*Link).block != nullptr; }

    // The row at index (index < size()).
    Item* At(std::size_t index) const {
        std::size_t offset = index;
        const Block& block = *blocks_[FindBlock(offset)];
        return block.items[offset];
    }
    // The place of a row that the sequence holds.
    std::size_t IndexOf(const Item* item) const {
        const Block& block = BlockOf(item);
        const auto at = std::find(block.items.begin(), block.items.end(), item);
        return Prefix(block.index) + static_cast<std::size_t>(at - block.items.begin());
    }

    void PushBack(Item* item) {
        if (blocks_.empty() || blocks_.back()->items.size() >= kFillBlock) {
            AddBlock(blocks_.size());
        }
        Block& block = *blocks_.back();
        block.items.push_back(item);
        (item->*Link).block = &block;
        backs_[block.index] = item;
        Add(block.index, 1);
        ++size_;
    }

    // Inserts before the row at index (index <= size()).
    void Insert(std::size_t index, Item* item) {
        if (index >= size_) {
            PushBack(item);
            return;
        }
        std::size_t offset = index;
        Block& block = *blocks_[FindBlock(offset)];
        block.items.insert(block.items.begin() + static_cast<std::ptrdiff_t>(offset), item);
        (item->*Link).block = &block;
        backs_[block.index] = block.items.back();
        Add(block.index, 1);
        ++size_;
        if (block.items.size() > kMaxBlock) Split(block);
    }

    // Takes a row that the sequence holds out of it.
    void Erase(Item* item) {
        Block& block = BlockOf(item);
        block.items.erase(std::find(block.items.begin(), block.items.end(), item));
        (item->*Link).block = nullptr;
        if (!block.items.empty()) backs_[block.index] = block.items.back();
        Add(block.index, -1);
        --size_;
        if (block.items.size() < kMinBlock) Shrink(block);
    }

    // Empties the sequence; the rows it held are told they are out.
    void Clear() {
        for (const auto& block : blocks_) {
            for (Item* item : block->items) (item->*Link).block = nullptr;
        }
        blocks_.clear();
        backs_.clear();
        tree_.assign(1, 0);
        size_ = 0;
    }

    // Clear, then the rows of items in their order.
    void Assign(const std::vector<Item*>& items) {
        Clear();
        for (std::size_t start = 0; start < items.size(); start += kFillBlock) {
            auto block = std::make_unique<Block>();
            block->index = blocks_.size();
            const std::size_t end = std::min(items.size(), start + kFillBlock);
            block->items.assign(items.begin() + static_cast<std::ptrdiff_t>(start),
                                items.begin() + static_cast<std::ptrdiff_t>(end));
            for (Item* item : block->items) (item->*Link).block = block.get();
            blocks_.push_back(std::move(block));
        }
        size_ = items.size();
        RebuildTree();
    }

    // The first place whose row goes after item by less (the sequence must be ordered by less).
    template <class Less>
    std::size_t UpperBound(const Item* item, Less less) const {
        const auto back = std::partition_point(backs_.begin(), backs_.end(),
                                               [&](const Item* last) { return !less(item, last); });
        if (back == backs_.end()) return size_;
        const Block& block = *blocks_[static_cast<std::size_t>(back - backs_.begin())];
        const auto at = std::upper_bound(block.items.begin(), block.items.end(), item, less);
        return Prefix(block.index) + static_cast<std::size_t>(at - block.items.begin());
    }

    // UpperBound of count rows at once: places[i] is the first place whose row goes after the
    // i-th searched row, where before(i, row) tells whether the i-th goes before row. The
    // searches advance side by side in rounds, one step of each per round, and each asks for its
    // next middle place as soon as it knows it: the rows searched through lie scattered in
    // memory, and this way the processor fetches them together rather than one after another.
    template <class Before>
    void UpperBounds(std::size_t count, Before before, std::vector<std::size_t>& places) const {
        struct Search {
            Item* const* rows = nullptr;  // the range searched lies in rows
            std::size_t first = 0;
            std::size_t length = 0;
        };
        std::vector<Search> searches(count);
        const auto run = [&] {
            for (bool searching = true; searching;) {
                searching = false;
                for (std::size_t i = 0; i < count; ++i) {
                    Search& search = searches[i];
                    if (search.length == 0) continue;
                    const std::size_t half = search.length / 2;
                    if (before(i, search.rows[search.first + half])) {
                        search.length = half;
                    } else {
                        search.first += half + 1;
                        search.length -= half + 1;
                    }
                    if (search.length == 0) continue;
                    searching = true;
                    __builtin_prefetch(search.rows + search.first + search.length / 2);
                }
            }
        };
        // The block first: the first whose last row goes after the searched row.
        for (Search& search : searches) {
            search.rows = backs_.data();
            search.length = backs_.size();
        }
        run();
        // Then the place within it.
        std::vector<std::size_t> blocks(count);
        for (std::size_t i = 0; i < count; ++i) {
            Search& search = searches[i];
            blocks[i] = search.first;
            const bool inBlock = blocks[i] < blocks_.size();
            search.rows = inBlock ? blocks_[blocks[i]]->items.data() : nullptr;
            search.first = 0;
            search.length = inBlock ? blocks_[blocks[i]]->items.size() : 0;
        }
        run();
        places.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            places[i] = blocks[i] < blocks_.size() ? Prefix(blocks[i]) + searches[i].first : size_;
        }
    }

    // Calls f for every row in order.
    template <class F>
    void ForEach(F f) const {
        for (const auto& block : blocks_) {
            for (Item* item : block->items) f(item);
        }
    }

    // The index of the first row, walking from index first to index last (both below size(); up
    // when last is below first), for which f answers true; npos when none does. Logarithmic to
    // reach first, then one step per row.
    template <class F>
    std::size_t FindFrom(std::size_t first, std::size_t last, F f) const {
        std::size_t offset = first;
        std::size_t block = FindBlock(offset);
        std::size_t index = first;
        if (first <= last) {
            for (; block < blocks_.size(); ++block, offset = 0) {
                const std::vector<Item*>& items = blocks_[block]->items;
                for (; offset < items.size(); ++offset, ++index) {
                    if (f(items[offset])) return index;
                    if (index == last) return npos;
                }
            }
            return npos;
        }
        for (;;) {
            const std::vector<Item*>& items = blocks_[block]->items;
            for (;; --offset, --index) {
                if (f(items[offset])) return index;
                if (index == last) return npos;
                if (offset == 0) break;
            }
            do {
                if (block == 0) return npos;
                --block;
            } while (blocks_[block]->items.empty());
            offset = blocks_[block]->items.size() - 1;
            --index;
        }
    }
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    struct Block {
        std::vector<Item*> items;
        std::size_t index = 0;  // place in blocks_
    };

    static Block& BlockOf(const Item* item) { return *static_cast<Block*>((item->*Link).block); }

    // Sum of the sizes of blocks [0, count).
    std::size_t Prefix(std::size_t count) const {
        std::size_t sum = 0;
        for (std::size_t i = count; i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }
    void Add(std::size_t blockIndex, long delta) {
        for (std::size_t i = blockIndex + 1; i < tree_.size(); i += i & (~i + 1)) {
            tree_[i] = static_cast<std::size_t>(static_cast<long>(tree_[i]) + delta);
        }
    }
    // The block holding the row at offset (< size_); offset becomes the place within it.
    std::size_t FindBlock(std::size_t& offset) const {
        std::size_t position = 0;
        std::size_t step = 1;
        while (step * 2 < tree_.size()) step *= 2;
        for (; step > 0; step /= 2) {
            const std::size_t next = position + step;
            if (next < tree_.size() && tree_[next] <= offset) {
                position = next;
                offset -= tree_[next];
            }
        }
        return position;
    }
    // The tree and the last rows of the blocks.
    void RebuildTree() {
        backs_.resize(blocks_.size());
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            backs_[i] = blocks_[i]->items.empty() ? nullptr : blocks_[i]->items.back();
        }
        tree_.assign(blocks_.size() + 1, 0);
        for (std::size_t i = 1; i < tree_.size(); ++i) {
            tree_[i] += blocks_[i - 1]->items.size();
            const std::size_t parent = i + (i & (~i + 1));
            if (parent < tree_.size()) tree_[parent] += tree_[i];
        }
    }
    void Renumber(std::size_t from) {
        for (std::size_t i = from; i < blocks_.size(); ++i) blocks_[i]->index = i;
    }
    void AddBlock(std::size_t at) {
        auto block = std::make_unique<Block>();
        block->items.reserve(kFillBlock);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(at), std::move(block));
        Renumber(at);
        RebuildTree();
    }
    void Split(Block& block) {
        const std::size_t at = block.index + 1;
        auto second = std::make_unique<Block>();
        const auto middle = block.items.begin() + static_cast<std::ptrdiff_t>(block.items.size() / 2);
        second->items.assign(middle, block.items.end());
        block.items.erase(middle, block.items.end());
        for (Item* item : second->items) (item->*Link).block = second.get();
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(at), std::move(second));
        Renumber(at);
        RebuildTree();
    }
    // An empty block goes; a small one joins a neighbour when both fit in one block.
    void Shrink(Block& block) {
        const std::size_t at = block.index;
        if (!block.items.empty()) {
            Block* neighbour = nullptr;
            if (at + 1 < blocks_.size()) neighbour = blocks_[at + 1].get();
            if (at > 0 && (!neighbour || blocks_[at - 1]->items.size() < neighbour->items.size())) {
                neighbour = blocks_[at - 1].get();
            }
            if (!neighbour || neighbour->items.size() + block.items.size() > kMaxBlock) return;
            for (Item* item : block.items) (item->*Link).block = neighbour;
            const auto place = neighbour->index < at ? neighbour->items.end() : neighbour->items.begin();
            neighbour->items.insert(place, block.items.begin(), block.items.end());
        }
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(at));
        Renumber(at);
        RebuildTree();
    }

    std::vector<std::unique_ptr<Block>> blocks_;
    std::vector<Item*> backs_;  // the last row of each block, searched without touching the blocks
    std::vector<std::size_t> tree_ = std::vector<std::size_t>(1, 0);
    std::size_t size_ = 0;
};
