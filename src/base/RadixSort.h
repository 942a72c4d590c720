#pragma once
// A stable sort by an unsigned key of known width, in passes of 11 bits from
// the lowest. Sorting by a second key and then stably by a first sorts by
// both. Used where tens of thousands of records are sorted on the way to the
// first picture: a comparison sort of 74,000 records costs ten times more.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sk {

template <class T, class Key>
void StableRadixSort(std::vector<T>& items, int keyBits, Key&& keyOf) {
    constexpr int kDigitBits = 11;
    constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;
    if (items.size() < 2) return;
    std::vector<T> other(items.size());
    std::array<std::size_t, kBuckets> starts{};
    for (int shift = 0; shift < keyBits; shift += kDigitBits) {
        const auto digitOf = [&](const T& item) {
            return static_cast<std::size_t>((static_cast<std::uint64_t>(keyOf(item)) >> shift) & (kBuckets - 1));
        };
        starts.fill(0);
        for (const T& item : items) ++starts[digitOf(item)];
        // A digit all records share leaves the order as it is.
        if (starts[digitOf(items.front())] == items.size()) continue;
        std::size_t sum = 0;
        for (std::size_t& s : starts) {
            const std::size_t count = s;
            s = sum;
            sum += count;
        }
        for (const T& item : items) other[starts[digitOf(item)]++] = item;
        items.swap(other);
    }
}

}  // namespace sk
