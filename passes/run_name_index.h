#pragma once

#include "platform/packed_texts.h"

#include <QStringView>

#include <cstdint>
#include <vector>

// The names of a run, each with what the plan knows of it. Built for a
// million names: each slot keeps its name's hash, so a new name is told
// from the others without reading their characters, and the names
// themselves are packed (see CPackedTexts).
class CRunNameIndex
{
public:
    struct Use
    {
        // 31 bits of row and the flag in one word: the index stays small at
        // a million names.
        static constexpr std::uint32_t kNobody = (std::uint32_t(1) << 31) - 1;
        std::uint32_t m_nFirstWanting : 31 = kNobody;
        std::uint32_t m_bGiven : 1 = false;
    };

    // Room for `names` in all without growing.
    void Reserve(std::size_t names);
    // The use of `name`, added unused if new. The reference holds until the
    // next FindOrAdd.
    Use& FindOrAdd(QStringView name);
    // The use of `name`, or null.
    const Use* Find(QStringView name) const;
    // Starts fetching the slot `name` is looked up in, so a lookup a little
    // later does not wait on memory: at a million names the slots are far
    // larger than the caches.
    void Prefetch(QStringView name) const;
    std::size_t Size() const { return m_uses.size(); }

private:
    struct Slot
    {
        std::uint32_t m_nHash = 0;
        std::uint32_t m_nEntry = 0; // 1 + the name's index; 0: empty
    };
    static std::uint32_t HashOf(QStringView name);
    // The slot of `name`, or the empty slot where it would go.
    std::size_t SlotOf(QStringView name, std::uint32_t hash) const;
    void Rehash(std::size_t slots);

    std::vector<Slot> m_slots; // a power of two, at most three quarters full
    CPackedTexts m_names;
    std::vector<Use> m_uses;
};
