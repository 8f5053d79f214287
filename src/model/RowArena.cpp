#include "model/RowArena.h"

#include <cstdlib>
#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

// The size of a large page on x86-64 and ARM64 Linux; blocks start on one.
constexpr std::size_t kBlockSize = std::size_t(2) << 20;

char *newBlock()
{
    void *block = std::aligned_alloc(kBlockSize, kBlockSize);
    if (!block)
        throw std::bad_alloc();
#ifdef __linux__
    // Only a hint: where large pages are not to be had, the block is as good as any other.
    madvise(block, kBlockSize, MADV_HUGEPAGE);
#endif
    return static_cast<char *>(block);
}

} // namespace

RowArena::RowArena(std::size_t rowSize)
    : m_rowSize(rowSize), m_rowsPerBlock(kBlockSize / rowSize), m_usedInLastBlock(m_rowsPerBlock)
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
        if (m_usedInLastBlock == m_rowsPerBlock) {
            m_blocks.reserve(m_blocks.size() + 1);
            m_blocks.push_back(newBlock());
            m_usedInLastBlock = 0;
        }
        row = m_blocks.back() + m_usedInLastBlock++ * m_rowSize;
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
    m_released.clear();
    m_released.shrink_to_fit();
    m_usedInLastBlock = m_rowsPerBlock;
}
