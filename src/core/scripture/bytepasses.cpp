#include "scripture/bytepasses.h"

#include "scripture/uppercase.h"

#include <bit>
#include <cstring>
#include <limits>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define BYTEPASSES_X86 1
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace bytepasses {
namespace {

// What each vector unit does to a block of bytes: finds its line feeds; upper-cases its letters a
// to z in place, telling which bytes changed and which are 0x80 and above. Taken a away, the
// bytes below a and those from 0x80 up lie beyond z - a, unsigned. Each unit's functions are
// compiled for its instructions; a function that takes them inline must be compiled for them too
// (and flattened).

#if defined(__SSE2__)
struct Sse2 {
    using Mask = quint16;
    static Mask lineFeeds(const char* at) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return Mask(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))));
    }
    static Mask upperCase(char* at, Mask& high) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i fromA = _mm_sub_epi8(block, _mm_set1_epi8('a'));
        const __m128i lower = _mm_cmpeq_epi8(_mm_min_epu8(fromA, _mm_set1_epi8('z' - 'a')), fromA);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at),
                         _mm_sub_epi8(block, _mm_and_si128(lower, _mm_set1_epi8(0x20))));
        high = Mask(_mm_movemask_epi8(block));
        return Mask(_mm_movemask_epi8(lower));
    }
};
#endif

#if BYTEPASSES_X86
struct Avx2 {
    using Mask = quint32;
    [[gnu::target("avx2")]] static Mask lineFeeds(const char* at) {
        const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        return Mask(_mm256_movemask_epi8(_mm256_cmpeq_epi8(block, _mm256_set1_epi8('\n'))));
    }
    [[gnu::target("avx2")]] static Mask upperCase(char* at, Mask& high) {
        const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        const __m256i fromA = _mm256_sub_epi8(block, _mm256_set1_epi8('a'));
        const __m256i lower =
            _mm256_cmpeq_epi8(_mm256_min_epu8(fromA, _mm256_set1_epi8('z' - 'a')), fromA);
        _mm256_storeu_si256(
            reinterpret_cast<__m256i*>(at),
            _mm256_sub_epi8(block, _mm256_and_si256(lower, _mm256_set1_epi8(0x20))));
        high = Mask(_mm256_movemask_epi8(block));
        return Mask(_mm256_movemask_epi8(lower));
    }
};

struct Avx512 {
    using Mask = quint64;
    [[gnu::target("avx512f,avx512bw")]] static Mask lineFeeds(const char* at) {
        return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(at), _mm512_set1_epi8('\n'));
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask upperCase(char* at, Mask& high) {
        const __m512i block = _mm512_loadu_si512(at);
        const __mmask64 lower = _mm512_cmple_epu8_mask(
            _mm512_sub_epi8(block, _mm512_set1_epi8('a')), _mm512_set1_epi8('z' - 'a'));
        _mm512_storeu_si512(at, _mm512_mask_sub_epi8(block, lower, block, _mm512_set1_epi8(0x20)));
        high = _mm512_movepi8_mask(block);
        return lower;
    }
};
#endif

using Counts = std::array<qsizetype, 256>;

// The line feeds of [at, end), a block of the unit's width at a time, written to places; returns
// how many, and leaves at where the blocks stop, short of end by less than a block. A block
// without one writes a place it does not count, so the usual block of a verse's text, with none
// or one, takes no branch the processor can mistake (with the bit instructions that count and
// find a zero mask without a branch).
template <typename Unit>
qsizetype lineFeedsWith(const char* data, qsizetype& at, qsizetype end, qsizetype* places) {
    using Mask = typename Unit::Mask;
    constexpr qsizetype width = std::numeric_limits<Mask>::digits;
    qsizetype count = 0;
    for (; at + width <= end; at += width) {
        const Mask mask = Unit::lineFeeds(data + at);
        const int found = std::popcount(mask);
        places[count] = at + std::countr_zero(mask);
        if (found > 1) [[unlikely]] {
            qsizetype next = count + 1;
            for (Mask rest = mask & (mask - 1); rest != 0; rest &= rest - 1)
                places[next++] = at + std::countr_zero(rest);
        }
        count += found;
    }
    return count;
}

using Table = std::array<unsigned char, 256>;

// Upper-cases one byte through the table, counting it when it is 0x80 or above; whether it
// changed.
bool upperCaseByte(const Table& table, unsigned char& byte, Counts& counts) {
    const unsigned char upper = table[byte];
    if (upper >= 0x80)
        ++counts[upper];
    const bool changed = upper != byte;
    byte = upper;
    return changed;
}

// Upper-cases [at, end) a block at a time, writing each block's bits at once: letters a to z in
// the vector unit, the few bytes of 0x80 and above through the table. at is a multiple of eight,
// so a block's bits fill whole bytes. Returns where the blocks stop.
template <typename Unit>
qsizetype upperCaseWith(unsigned char* bytes, unsigned char* bits, qsizetype at, qsizetype end,
                        Counts& counts) {
    using Mask = typename Unit::Mask;
    constexpr qsizetype width = std::numeric_limits<Mask>::digits;
    const Table& table = scripture::upperByteTable();
    for (; at + width <= end; at += width) {
        Mask high = 0;
        Mask changed = Unit::upperCase(reinterpret_cast<char*>(bytes + at), high);
        for (Mask rest = high; rest != 0; rest &= rest - 1) {
            const int i = std::countr_zero(rest);
            if (upperCaseByte(table, bytes[at + i], counts))
                changed |= Mask(1) << i;
        }
        std::memcpy(bits + at / 8, &changed, sizeof changed);
    }
    return at;
}

// A block past to is masked off.
template <typename Unit>
LineFeedCount countLineFeedsWith(const char* data, qsizetype from, qsizetype to) {
    using Mask = typename Unit::Mask;
    constexpr qsizetype width = std::numeric_limits<Mask>::digits;
    LineFeedCount counted;
    for (qsizetype at = from; at < to; at += width) {
        Mask mask = Unit::lineFeeds(data + at);
        if (to - at < width)
            mask &= (Mask(1) << (to - at)) - 1;
        if (mask != 0) {
            counted.count += std::popcount(mask);
            counted.last = at + width - 1 - std::countl_zero(mask);
        }
    }
    return counted;
}

LineFeedCount countOneByOne(const char* data, qsizetype from, qsizetype to) {
    LineFeedCount counted;
    for (qsizetype at = from; at < to; ++at) {
        if (data[at] == '\n') {
            ++counted.count;
            counted.last = at;
        }
    }
    return counted;
}

// Each unit's passes, compiled for its instructions with the unit's functions inline (and the
// bit instructions that count and find a zero mask without a branch).
template <typename Unit> struct Passes;

#if defined(__SSE2__)
template <> struct Passes<Sse2> {
    [[gnu::flatten]] static qsizetype lineFeeds(const char* data, qsizetype& at, qsizetype end,
                                                qsizetype* places) {
        return lineFeedsWith<Sse2>(data, at, end, places);
    }
    [[gnu::flatten]] static LineFeedCount count(const char* data, qsizetype from, qsizetype to) {
        return countLineFeedsWith<Sse2>(data, from, to);
    }
    [[gnu::flatten]] static qsizetype upperCase(unsigned char* bytes, unsigned char* bits,
                                                qsizetype at, qsizetype end, Counts& counts) {
        return upperCaseWith<Sse2>(bytes, bits, at, end, counts);
    }
};
#endif

#if BYTEPASSES_X86
template <> struct Passes<Avx2> {
    [[gnu::target("avx2,bmi,popcnt"), gnu::flatten]] static qsizetype
    lineFeeds(const char* data, qsizetype& at, qsizetype end, qsizetype* places) {
        return lineFeedsWith<Avx2>(data, at, end, places);
    }
    [[gnu::target("avx2,bmi,popcnt"), gnu::flatten]] static LineFeedCount
    count(const char* data, qsizetype from, qsizetype to) {
        return countLineFeedsWith<Avx2>(data, from, to);
    }
    [[gnu::target("avx2,bmi,popcnt"), gnu::flatten]] static qsizetype
    upperCase(unsigned char* bytes, unsigned char* bits, qsizetype at, qsizetype end,
              Counts& counts) {
        return upperCaseWith<Avx2>(bytes, bits, at, end, counts);
    }
};

template <> struct Passes<Avx512> {
    [[gnu::target("avx512f,avx512bw,bmi,popcnt"), gnu::flatten]] static qsizetype
    lineFeeds(const char* data, qsizetype& at, qsizetype end, qsizetype* places) {
        return lineFeedsWith<Avx512>(data, at, end, places);
    }
    [[gnu::target("avx512f,avx512bw,bmi,popcnt"), gnu::flatten]] static LineFeedCount
    count(const char* data, qsizetype from, qsizetype to) {
        return countLineFeedsWith<Avx512>(data, from, to);
    }
    [[gnu::target("avx512f,avx512bw,bmi,popcnt"), gnu::flatten]] static qsizetype
    upperCase(unsigned char* bytes, unsigned char* bits, qsizetype at, qsizetype end,
              Counts& counts) {
        return upperCaseWith<Avx512>(bytes, bits, at, end, counts);
    }
};
#endif

} // namespace

qsizetype findLineFeeds(VectorUnit unit, const char* data, qsizetype at, qsizetype end,
                        qsizetype* places) {
    qsizetype count = 0;
    switch (unit) {
#if BYTEPASSES_X86
    case VectorUnit::Avx512:
        count = Passes<Avx512>::lineFeeds(data, at, end, places);
        break;
    case VectorUnit::Avx2:
        count = Passes<Avx2>::lineFeeds(data, at, end, places);
        break;
#endif
#if defined(__SSE2__)
    case VectorUnit::Sse2:
        count = Passes<Sse2>::lineFeeds(data, at, end, places);
        break;
#endif
    default:
        break;
    }
    for (; at < end; ++at) {
        if (data[at] == '\n')
            places[count++] = at;
    }
    return count;
}

LineFeedCount countLineFeeds(VectorUnit unit, const char* data, qsizetype from, qsizetype to) {
    switch (unit) {
#if BYTEPASSES_X86
    case VectorUnit::Avx512:
        return Passes<Avx512>::count(data, from, to);
    case VectorUnit::Avx2:
        return Passes<Avx2>::count(data, from, to);
#endif
#if defined(__SSE2__)
    case VectorUnit::Sse2:
        return Passes<Sse2>::count(data, from, to);
#endif
    default:
        return countOneByOne(data, from, to);
    }
}

void upperCase(VectorUnit unit, unsigned char* bytes, unsigned char* bits, qsizetype at,
               qsizetype end, Counts& counts) {
    switch (unit) {
#if BYTEPASSES_X86
    case VectorUnit::Avx512:
        at = Passes<Avx512>::upperCase(bytes, bits, at, end, counts);
        break;
    case VectorUnit::Avx2:
        at = Passes<Avx2>::upperCase(bytes, bits, at, end, counts);
        break;
#endif
#if defined(__SSE2__)
    case VectorUnit::Sse2:
        at = Passes<Sse2>::upperCase(bytes, bits, at, end, counts);
        break;
#endif
    default:
        break;
    }
    // The blocks stop at a multiple of eight: each bits byte of the rest is begun here.
    const Table& table = scripture::upperByteTable();
    for (; at < end; ++at) {
        if (at % 8 == 0)
            bits[at / 8] = 0;
        if (upperCaseByte(table, bytes[at], counts))
            bits[at / 8] |= static_cast<unsigned char>(1u << (at % 8));
    }
}

} // namespace bytepasses
