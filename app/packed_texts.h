#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

// Many short texts kept one after the other in large blocks: 12 bytes a text
// plus its characters, where a QString each costs some 90 bytes for a
// 20-letter name. A text set again leaves its old characters behind until
// Clear, which is fine for cells written about once each.
class CPackedTexts
{
public:
    std::size_t Size() const { return m_slots.size(); }
    // Texts added at the end are empty.
    void Resize(std::size_t count) { m_slots.resize(count); }
    void Clear();
    QString At(std::size_t index) const;
    void Set(std::size_t index, QStringView text);

private:
    struct Slot
    {
        std::uint32_t m_nBlock = 0;
        std::uint32_t m_nOffset = 0;
        std::uint32_t m_nLength = 0; // 0: empty
    };
    std::vector<Slot> m_slots;
    std::vector<QString> m_blocks; // each filled up to what it reserved, never regrown
};
