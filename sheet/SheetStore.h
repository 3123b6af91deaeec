#pragma once
// The storage behind one calculation sheet: its composed texts, its run lists and its
// fractions live in a few large blocks instead of one heap allocation each, and the sheet's
// items refer to them by view. A block never moves once allocated, so views stay valid
// while the store lives, also after the store itself has been moved.

#include <cstddef>
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
        return static_cast<T *>(AllocateBytes(sizeof(T) * count, alignof(T)));
    }

    // Composing a text: pieces are appended to one open text, which End closes and returns.
    // Nothing else may be allocated while a text is open.
    void BeginText();
    void Append(std::string_view piece);
    void Append(char c);
    std::string_view EndText();

private:
    void *AllocateBytes(std::size_t bytes, std::size_t align);
    void NewBlock(std::size_t atLeast);

    std::vector<std::unique_ptr<std::byte[]>> m_blocks;
    std::byte *m_next = nullptr;
    std::size_t m_left = 0;
    std::byte *m_textStart = nullptr; // the open text, while one is being composed
};

} // namespace korvane
