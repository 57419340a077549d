#include "scripture/bytepasses.h"

#include "scripture/bytepassunits.h"

#include <bit>
#include <cstring>
#include <limits>

namespace bytepasses {
namespace {

using namespace bytepassunits;

// The line starts of [at, end), a block of the unit's width at a time, written to starts: how
// many, and where the blocks stop, short of end by less than a block. A block without a feed
// writes a place it does not count, so the usual block of a verse's text, with none or one,
// takes no branch the processor can mistake (with the bit instructions that count and find a
// zero mask without a branch). The place is kept in a register, not read back through a
// reference the stores might alias, so the next block's bytes are read while this one's start
// is written.
struct Found {
    qsizetype count = 0;
    qsizetype end = 0;
};

template <typename Unit>
Found lineStartsWith(const char* data, qsizetype at, qsizetype end, LineStart* starts) {
    using Mask = typename Unit::Mask;
    constexpr qsizetype width = std::numeric_limits<Mask>::digits;
    qsizetype count = 0;
    for (; at + width <= end; at += width) {
        const Mask mask = Unit::lineFeeds(data + at);
        const int found = std::popcount(mask);
        starts[count] = LineStart(at + std::countr_zero(mask) + 1);
        if (found > 1) [[unlikely]] {
            qsizetype next = count + 1;
            for (Mask rest = mask & (mask - 1); rest != 0; rest &= rest - 1)
                starts[next++] = LineStart(at + std::countr_zero(rest) + 1);
        }
        count += found;
    }
    return {count, at};
}

// Each unit's pass, compiled for its instructions with the unit's functions inline.
template <typename Unit> struct Passes;

#if defined(__SSE2__)
template <> struct Passes<Sse2> {
    [[gnu::flatten]] static Found lineStarts(const char* data, qsizetype at, qsizetype end,
                                             LineStart* starts) {
        return lineStartsWith<Sse2>(data, at, end, starts);
    }
};
#endif

#if BYTEPASSES_X86
template <> struct Passes<Avx2> {
    [[gnu::target("avx2,bmi,popcnt"), gnu::flatten]] static Found
    lineStarts(const char* data, qsizetype at, qsizetype end, LineStart* starts) {
        return lineStartsWith<Avx2>(data, at, end, starts);
    }
};

template <> struct Passes<Avx512> {
    [[gnu::target("avx512f,avx512bw,bmi,popcnt"), gnu::flatten]] static Found
    lineStarts(const char* data, qsizetype at, qsizetype end, LineStart* starts) {
        return lineStartsWith<Avx512>(data, at, end, starts);
    }
};
#endif

bool isDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

// Whether digits, none or more, then a colon follow from at, before reach.
bool digitsThenColon(const char* data, qsizetype at, qsizetype reach) {
#if defined(__SSE2__)
    // A reference's few digits and its colon are tested at once, with no byte waited for
    // before the answer; sixteen digits and more go on one by one.
    const int firstOther = std::countr_one(unsigned(Sse2::digits(data + at)));
    if (firstOther < 16)
        return at + firstOther < reach && ((Sse2::colons(data + at) >> firstOther) & 1u) != 0;
    at += 16;
#endif
    while (at < reach && isDigit(data[at]))
        ++at;
    return at < reach && data[at] == ':';
}

// Whether the line begins with the name and its space, up to sixteen bytes tested at once.
bool beginsWith(const char* line, QByteArrayView nameAndSpace) {
#if defined(__SSE2__)
    if (nameAndSpace.size() <= 16) {
        const auto wanted = quint16((1u << nameAndSpace.size()) - 1);
        return (Sse2::same(line, nameAndSpace.data()) & wanted) == wanted;
    }
#endif
    return std::memcmp(line, nameAndSpace.data(), std::size_t(nameAndSpace.size())) == 0;
}

} // namespace

qsizetype findLineStarts(VectorUnit unit, const char* data, qsizetype at, qsizetype end,
                         LineStart* starts) {
    Found found{0, at};
    switch (unit) {
#if BYTEPASSES_X86
    case VectorUnit::Avx512:
        found = Passes<Avx512>::lineStarts(data, at, end, starts);
        break;
    case VectorUnit::Avx2:
        found = Passes<Avx2>::lineStarts(data, at, end, starts);
        break;
#endif
#if defined(__SSE2__)
    case VectorUnit::Sse2:
        found = Passes<Sse2>::lineStarts(data, at, end, starts);
        break;
#endif
    default:
        break;
    }
    qsizetype count = found.count;
    at = found.end;
    for (; at < end; ++at) {
        if (data[at] == '\n')
            starts[count++] = LineStart(at + 1);
    }
    return count;
}

qsizetype firstOfAnotherBook(const char* data, const LineStart* starts, qsizetype count,
                             QByteArrayView nameAndSpace, qsizetype readEnd) {
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype start = starts[i];
        const qsizetype reach = std::min(readEnd, start + kBookReach);
        const qsizetype digits = start + nameAndSpace.size();
        if (digits >= reach || !beginsWith(data + start, nameAndSpace) ||
            !digitsThenColon(data, digits, reach))
            return i;
    }
    return count;
}

qsizetype findAnyOf(const char* data, qsizetype from, qsizetype to, QByteArrayView bytes) {
    Q_ASSERT(!bytes.isEmpty() && bytes.size() <= 8);
    Accepted first{};
    Accepted second{};
    for (std::size_t i = 0; i < 4; ++i) {
        first[i] = bytes[std::min(qsizetype(i), bytes.size() - 1)];
        second[i] = bytes[std::min(qsizetype(i) + 4, bytes.size() - 1)];
    }
    qsizetype at = from;
#if defined(__SSE2__)
    for (; at + 16 <= to; at += 16) {
        const __m128i block = Sse2::load(data + at);
        const auto found = unsigned(
            _mm_movemask_epi8(_mm_or_si128(Sse2::anyOf(block, first), Sse2::anyOf(block, second))));
        if (found != 0)
            return at + std::countr_zero(found);
    }
#endif
    for (; at < to; ++at) {
        if (bytes.contains(data[at]))
            return at;
    }
    return to;
}

qsizetype widenAscii(const char* in, qsizetype size, char16_t* out) {
    qsizetype at = 0;
#if defined(__SSE2__)
    for (; at + 16 <= size && Sse2::high(in + at) == 0; at += 16)
        Sse2::widen(in + at, out + at);
#else
    Q_UNUSED(in);
    Q_UNUSED(out);
#endif
    return at;
}

} // namespace bytepasses
