#pragma once

#include <QtGlobal>

// Memory for a large text, left uninitialised. A block of a few megabytes or more is mapped on
// its own, in huge pages where the system offers them: filling fresh memory costs a page fault
// for every page touched, and one huge page stands for 512 small ones. Smaller blocks come from
// the heap.
class PageBuffer {
public:
    PageBuffer() = default;
    explicit PageBuffer(qsizetype size);
    ~PageBuffer();
    PageBuffer(PageBuffer&& other) noexcept;
    PageBuffer& operator=(PageBuffer&& other) noexcept;
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;

    char* data() { return m_data; }
    const char* data() const { return m_data; }
    qsizetype size() const { return m_size; }

private:
    void release();

    char* m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_mapped = 0; // mapped length; 0 when the block is on the heap
};

// Readies memory that is about to be filled whole, such as a large Qt container's: backed by
// huge pages where the system offers them, and the small pages at its ends put in place by one
// call instead of a fault each. Only advice: the memory works the same without it.
void prepareForFilling(const void* data, qsizetype size);
