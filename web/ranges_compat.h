// The few range algorithms practice/ and its tests call, for the libc++ of Debian 12's
// emscripten (3.1.6, libc++ 14), which has std::ranges' concepts and views but none of its
// algorithms yet. Each forwards to the iterator algorithm of the same name; a newer libc++ has
// them all, and then this header adds nothing. The WebAssembly build includes it in every
// source.
#pragma once

#include <algorithm>
#include <functional>
#include <iterator>
#include <ranges>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000
namespace std::ranges {

template <class Range, class Value> auto find(Range&& range, const Value& value) {
    return std::find(std::ranges::begin(range), std::ranges::end(range), value);
}

template <class Range, class Predicate> auto find_if(Range&& range, Predicate predicate) {
    return std::find_if(std::ranges::begin(range), std::ranges::end(range), predicate);
}

template <class Range, class Compare = std::less<>> void sort(Range&& range, Compare compare = {}) {
    std::sort(std::ranges::begin(range), std::ranges::end(range), compare);
}

template <class Range1, class Range2, class Predicate = std::equal_to<>>
bool equal(Range1&& first, Range2&& second, Predicate predicate = {}) {
    return std::equal(std::ranges::begin(first), std::ranges::end(first),
                      std::ranges::begin(second), std::ranges::end(second), predicate);
}

} // namespace std::ranges
#endif
