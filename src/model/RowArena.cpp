#include "model/RowArena.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// The size of a large page on x86-64 and ARM64 Linux: the size of every block once the table has
// grown, each starting on a large page.
constexpr std::size_t kLargeBlockSize = std::size_t(2) << 20;
// The first block: a table of a few rows, as the editor's tests and small files have, takes little.
constexpr std::size_t kFirstBlockRows = 16;

char *newBlock(std::size_t size)
{
    if (size < kLargeBlockSize) {
        void *block = std::malloc(size);
        if (!block)
            throw std::bad_alloc();
        return static_cast<char *>(block);
    }
    void *block = std::aligned_alloc(kLargeBlockSize, kLargeBlockSize);
    if (!block)
        throw std::bad_alloc();
#ifdef __linux__
    // Only a hint: where large pages are not to be had, the block is as good as any other.
    madvise(block, kLargeBlockSize, MADV_HUGEPAGE);
#endif
    return static_cast<char *>(block);
}

} // namespace

RowArena::RowArena(std::size_t rowSize) : m_rowSize(rowSize), m_rowsPerLargeBlock(kLargeBlockSize / rowSize)
{}

RowArena::~RowArena()
{
    clear();
}

char *RowArena::allocate()
{
    char *row;
    if (!m_released.empty()) {
        row = m_released.back();
        m_released.pop_back();
    } else {
        if (m_blocks.empty() || m_usedInBlock == m_blockRows[m_block]) {
            if (!m_blocks.empty() && m_block + 1 < m_blocks.size()) {
                ++m_block; // kept from before the table was recycled
            } else {
                // Blocks double in size up to a large page, so a big table is a few dozen of those.
                const std::size_t rows = m_blocks.empty()
                                             ? kFirstBlockRows
                                             : std::min(2 * m_blockRows.back(), m_rowsPerLargeBlock);
                m_blocks.reserve(m_blocks.size() + 1);
                m_blockRows.reserve(m_blocks.size() + 1);
                m_blocks.push_back(newBlock(rows < m_rowsPerLargeBlock ? rows * m_rowSize : kLargeBlockSize));
                m_blockRows.push_back(rows);
                m_block = m_blocks.size() - 1;
            }
            m_usedInBlock = 0;
        }
        row = m_blocks[m_block] + m_usedInBlock++ * m_rowSize;
    }
    std::memset(row, 0, m_rowSize);
    return row;
}

void RowArena::release(char *row)
{
    m_released.push_back(row);
}

void RowArena::clear()
{
    for (char *block : m_blocks)
        std::free(block);
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_blockRows.clear();
    m_blockRows.shrink_to_fit();
    m_released.clear();
    m_released.shrink_to_fit();
    m_block = 0;
    m_usedInBlock = 0;
}

void RowArena::recycle()
{
    m_released.clear();
    m_block = 0;
    m_usedInBlock = 0;
}
