#include "passes/run_name_index.h"

#include <QHash>

#include <bit>

namespace {

std::size_t SlotsFor(std::size_t names)
{
    return std::bit_ceil(std::max<std::size_t>(16, names + names / 3 + 1));
}

} // namespace

std::uint32_t CRunNameIndex::HashOf(QStringView name)
{
    const std::size_t hash = qHash(name, 0);
    return std::uint32_t(hash ^ (hash >> 32));
}

void CRunNameIndex::Reserve(std::size_t names)
{
    m_uses.reserve(names);
    m_names.Reserve(names);
    if (SlotsFor(names) > m_slots.size())
        Rehash(SlotsFor(names));
}

std::size_t CRunNameIndex::SlotOf(QStringView name, std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = m_slots[at];
        if (slot.m_nEntry == 0 || (slot.m_nHash == hash && m_names.Equals(slot.m_nEntry - 1, name)))
            return at;
    }
}

void CRunNameIndex::Rehash(std::size_t slots)
{
    std::vector<Slot> old(slots);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.m_nEntry == 0)
            continue;
        std::size_t at = slot.m_nHash & mask;
        while (m_slots[at].m_nEntry != 0)
            at = (at + 1) & mask;
        m_slots[at] = slot;
    }
}

CRunNameIndex::Use& CRunNameIndex::FindOrAdd(QStringView name)
{
    if (SlotsFor(m_uses.size() + 1) > m_slots.size())
        Rehash(SlotsFor(m_uses.size() + 1) * 2);
    const std::uint32_t hash = HashOf(name);
    Slot& slot = m_slots[SlotOf(name, hash)];
    if (slot.m_nEntry == 0) {
        m_names.Append(name);
        m_uses.emplace_back();
        slot = Slot{hash, std::uint32_t(m_uses.size())};
    }
    return m_uses[slot.m_nEntry - 1];
}

void CRunNameIndex::Prefetch(QStringView name) const
{
    if (!m_slots.empty())
        __builtin_prefetch(&m_slots[HashOf(name) & (m_slots.size() - 1)]);
}

const CRunNameIndex::Use* CRunNameIndex::Find(QStringView name) const
{
    if (m_slots.empty())
        return nullptr;
    const Slot& slot = m_slots[SlotOf(name, HashOf(name))];
    return slot.m_nEntry == 0 ? nullptr : &m_uses[slot.m_nEntry - 1];
}
