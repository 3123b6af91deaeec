#include "sheet/SheetStore.h"

#include <cstring>
#include <memory>

namespace korvane {

namespace {

// One sheet's texts, runs and fractions take about 8 KB: usually a single block holds all.
constexpr std::size_t kBlockSize = 12 * 1024;

} // namespace

void SheetStore::NewBlock(std::size_t atLeast) {
    const std::size_t size = atLeast > kBlockSize ? atLeast : kBlockSize;
    auto block = std::make_unique_for_overwrite<std::byte[]>(size);
    m_next = block.get();
    if (!m_firstBlock)
        m_firstBlock = std::move(block);
    else
        m_blocks.push_back(std::move(block));
    m_left = size;
}

void *SheetStore::AllocateInNewBlock(std::size_t bytes, std::size_t align) {
    NewBlock(bytes + align);
    void *at = m_next;
    std::align(align, bytes, at, m_left);
    m_next = static_cast<std::byte *>(at) + bytes;
    m_left -= bytes;
    return at;
}

void SheetStore::BeginText() {
    if (m_next == nullptr)
        NewBlock(0);
    m_textStart = m_next;
}

// The open text moves to a new block large enough for it and the piece to come.
void SheetStore::MoveOpenTextToNewBlock(std::size_t pieceSize) {
    const std::byte *open = m_textStart;
    const auto openSize = static_cast<std::size_t>(m_next - m_textStart);
    NewBlock(2 * (openSize + pieceSize));
    std::memcpy(m_next, open, openSize);
    m_textStart = m_next;
    m_next += openSize;
    m_left -= openSize;
}

std::string_view SheetStore::EndText() {
    const std::string_view text(reinterpret_cast<const char *>(m_textStart),
                                static_cast<std::size_t>(m_next - m_textStart));
    m_textStart = nullptr;
    return text;
}

} // namespace korvane
