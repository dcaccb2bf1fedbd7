#pragma once

#include <QStringView>

#include <initializer_list>
#include <memory>
#include <vector>

// Keeps copies of many short texts in large blocks that never move, so a
// view of a kept text stays valid as long as the arena: a million names cost
// their characters, not a string object and an allocation each, and go in a
// few frees.
class CTextArena
{
public:
    // A view of a copy of `text` that lives as long as the arena.
    QStringView Keep(QStringView text);

    // A view of one copy of all `parts`, one after the other, so a joined
    // text needs no string of its own on the way in.
    QStringView KeepJoined(std::initializer_list<QStringView> parts);

    // Frees every block; views kept so far dangle afterwards.
    void Clear();

private:
    // Room for `size` characters in the last block, or in a new one.
    char16_t* Room(qsizetype size);

    std::vector<std::unique_ptr<char16_t[]>> m_blocks;
    qsizetype m_nUsed = 0; // characters used in the last block
    qsizetype m_nSize = 0; // characters the last block holds
};
