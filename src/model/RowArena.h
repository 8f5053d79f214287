#pragma once

#include <cstddef>
#include <vector>

// Memory for the rows of a record table: rows of one size carved from blocks that double up to a
// large page, so that a table of 100 000 rows makes a few dozen allocations instead of 100 000, and
// the system can back the large blocks with large pages (far fewer page faults while a file loads). A
// released row is handed out again before the blocks grow. Rows stay where they are until released or
// cleared.
class RowArena {
public:
    explicit RowArena(std::size_t rowSize);
    ~RowArena();
    RowArena(const RowArena &) = delete;
    RowArena &operator=(const RowArena &) = delete;

    // A row of zero bytes.
    char *allocate();
    void release(char *row);
    // Releases every row and gives the blocks back to the system.
    void clear();
    // Releases every row but keeps the blocks, which the rows to come fill again from the first:
    // a table read again takes no new memory from the system, nor a page fault per page.
    void recycle();

private:
    std::size_t m_rowSize;
    std::size_t m_rowsPerLargeBlock;
    std::vector<char *> m_blocks;
    std::vector<std::size_t> m_blockRows; // the rows each block holds
    std::vector<char *> m_released;
    std::size_t m_block = 0;       // the block being filled
    std::size_t m_usedInBlock = 0; // its rows handed out
};
