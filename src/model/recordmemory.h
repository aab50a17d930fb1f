// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tess {

// Storage for the pixel records. A million-pixel sheet takes some 36 MB of records, and
// touching them a page at a time cost more than the parsing that fills them: large blocks
// are asked for in huge pages where the system has them. Throws std::bad_alloc as
// operator new does.
void *allocateRecordMemory(std::size_t bytes);
void releaseRecordMemory(void *memory, std::size_t bytes) noexcept;

// Gives the whole pages of [memory, memory + bytes) back to the system while the block
// stays allocated: records already copied elsewhere, never read again.
void releaseRecordPages(const void *memory, std::size_t bytes) noexcept;

} // namespace tess
