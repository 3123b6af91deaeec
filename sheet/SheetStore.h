#pragma once
// The storage behind one calculation sheet: its composed texts, its run lists and its
// fractions live in a few large blocks instead of one heap allocation each, and the sheet's
// items refer to them by view. A block never moves once allocated, so views stay valid
// while the store lives, also after the store itself has been moved.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace korvane {

class SheetStore {
public:
    SheetStore() = default;
    SheetStore(SheetStore &&) noexcept = default;
    SheetStore &operator=(SheetStore &&) noexcept = default;
    // A copy would hold texts whose views still point into the original.
    SheetStore(const SheetStore &) = delete;
    SheetStore &operator=(const SheetStore &) = delete;

    // Uninitialised room for `count` objects that need no destruction.
    template <class T> T *Allocate(std::size_t count) {
        static_assert(std::is_trivially_destructible_v<T>);
        const auto at = reinterpret_cast<std::uintptr_t>(m_next);
        const std::uintptr_t aligned = (at + alignof(T) - 1) & ~(alignof(T) - 1);
        const std::size_t used = aligned - at + sizeof(T) * count;
        if (m_next == nullptr || used > m_left)
            return static_cast<T *>(AllocateInNewBlock(sizeof(T) * count, alignof(T)));
        m_next += used;
        m_left -= used;
        return reinterpret_cast<T *>(aligned);
    }

    // Composing a text: pieces are appended to one open text, which End closes and returns.
    // Nothing else may be allocated while a text is open.
    void BeginText();
    void Append(std::string_view piece) {
        if (piece.size() > m_left)
            MoveOpenTextToNewBlock(piece.size());
        CopyBytes(m_next, piece.data(), piece.size());
        m_next += piece.size();
        m_left -= piece.size();
    }
    void Append(char c) { Append(std::string_view(&c, 1)); }
    std::string_view EndText();

    // memcpy for the short pieces a sheet is made of, without a library call for most.
    static void CopyBytes(std::byte *to, const char *from, std::size_t n) {
        if (n > 32) {
            std::memcpy(to, from, n);
        } else if (n >= 16) {
            std::memcpy(to, from, 16);
            std::memcpy(to + n - 16, from + n - 16, 16);
        } else if (n >= 8) {
            std::memcpy(to, from, 8);
            std::memcpy(to + n - 8, from + n - 8, 8);
        } else if (n >= 4) {
            std::memcpy(to, from, 4);
            std::memcpy(to + n - 4, from + n - 4, 4);
        } else if (n > 0) {
            to[0] = std::byte(from[0]);
            to[n / 2] = std::byte(from[n / 2]);
            to[n - 1] = std::byte(from[n - 1]);
        }
    }

private:
    void *AllocateInNewBlock(std::size_t bytes, std::size_t align);
    void MoveOpenTextToNewBlock(std::size_t pieceSize);
    void NewBlock(std::size_t atLeast);

    std::unique_ptr<std::byte[]> m_firstBlock;          // usually the only one
    std::vector<std::unique_ptr<std::byte[]>> m_blocks; // any further ones
    std::byte *m_next = nullptr;
    std::size_t m_left = 0;
    std::byte *m_textStart = nullptr; // the open text, while one is being composed
};

} // namespace korvane
