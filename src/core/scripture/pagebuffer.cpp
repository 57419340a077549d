#include "scripture/pagebuffer.h"

#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

#if defined(__linux__)
constexpr qsizetype kHugePage = qsizetype(2) << 20;
constexpr qsizetype kSmallPage = 4096;
// Above this, finding that many free huge pages makes the kernel compact memory while the read
// waits for it, which costs several times what small pages do: those are put in place in one
// call instead.
constexpr qsizetype kLargestHugePageBlock = qsizetype(128) << 20;

// Puts the small pages wholly within [begin, end) in place for writing; a system too old for
// that faults them in as they are written, as usual.
void populate(quintptr begin, quintptr end) {
    constexpr auto kPage = quintptr(kSmallPage);
    const quintptr first = (begin + kPage - 1) & ~(kPage - 1);
    const quintptr last = end & ~(kPage - 1);
#if defined(MADV_POPULATE_WRITE)
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(first);
    Q_UNUSED(last);
#endif
}

// Maps the length at a huge-page boundary (the kernel backs only aligned ranges with huge
// pages): a mapping one huge page longer than needed, its unaligned ends handed back. The part
// past the last whole huge page has small pages, put in place at once: rounding it up to a huge
// page would keep up to 2 MiB that hold nothing.
char* mapHugePages(qsizetype length) {
    const std::size_t span = std::size_t(length + kHugePage);
    void* mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const auto begin = reinterpret_cast<quintptr>(mapped);
    const quintptr aligned = (begin + quintptr(kHugePage) - 1) & ~quintptr(kHugePage - 1);
    if (aligned > begin)
        munmap(mapped, aligned - begin);
    const quintptr tail = aligned + quintptr(length);
    if (begin + span > tail)
        munmap(reinterpret_cast<void*>(tail), begin + span - tail);
    auto* data = reinterpret_cast<char*>(aligned);
    const quintptr hugeEnd = aligned + (quintptr(length) & ~quintptr(kHugePage - 1));
    if (length > kLargestHugePageBlock) {
        populate(aligned, tail);
        return data;
    }
    madvise(data, hugeEnd - aligned, MADV_HUGEPAGE); // only advice: small pages otherwise
    populate(hugeEnd, tail);
    return data;
}
#endif

} // namespace

PageBuffer::PageBuffer(qsizetype size)
    : m_size(size) {
#if defined(__linux__)
    if (size >= kHugePage) {
        const qsizetype length = (size + kSmallPage - 1) / kSmallPage * kSmallPage;
        m_data = mapHugePages(length);
        if (m_data) {
            m_mapped = length;
            return;
        }
    }
#endif
    m_data = static_cast<char*>(std::malloc(std::size_t(size > 0 ? size : 1)));
    if (!m_data)
        throw std::bad_alloc();
}

PageBuffer::~PageBuffer() {
    release();
}

PageBuffer::PageBuffer(PageBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
    , m_mapped(std::exchange(other.m_mapped, 0)) {}

PageBuffer& PageBuffer::operator=(PageBuffer&& other) noexcept {
    if (this != &other) {
        release();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mapped = std::exchange(other.m_mapped, 0);
    }
    return *this;
}

void PageBuffer::release() {
#if defined(__linux__)
    if (m_mapped > 0) {
        munmap(m_data, std::size_t(m_mapped));
        m_data = nullptr;
        return;
    }
#endif
    std::free(m_data);
    m_data = nullptr;
}

void prepareForFilling(const void* data, qsizetype size) {
#if defined(__linux__)
    if (size < kHugePage)
        return; // a few faults cost less than the calls
    // Only the pages that lie wholly within the block: the rest may belong to others.
    const auto begin = reinterpret_cast<quintptr>(data);
    const quintptr end = begin + quintptr(size);
    const quintptr hugeFirst = (begin + quintptr(kHugePage) - 1) & ~quintptr(kHugePage - 1);
    const quintptr hugeLast = end & ~quintptr(kHugePage - 1);
    if (hugeLast <= hugeFirst) {
        populate(begin, end);
        return;
    }
    // The huge pages fault in as they are first written, each zeroed just before it is filled
    // and so still in the cache; the small pages at either end are put in place at once.
    madvise(reinterpret_cast<void*>(hugeFirst), hugeLast - hugeFirst, MADV_HUGEPAGE);
    populate(begin, hugeFirst);
    populate(hugeLast, end);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}
