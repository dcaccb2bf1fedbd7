#pragma once

#include "platform/packed_texts.h"

#include <QString>
#include <QStringView>

#include <cstdint>

// Orders file names as a file manager does: runs of digits compare as
// numbers ("Track 2" before "Track 10"), letter case is ignored. Names equal
// by those rules fall back to their plain text, so the order is total.

// The form of a name that NaturalCompare compares; compute it once per name.
QString NaturalSortKey(QStringView name);

// Compares two keys made by NaturalSortKey.
int NaturalCompare(QStringView a, QStringView b);

// True when name `a` comes before name `b`: NaturalCompare of their keys,
// then their plain text. No key is made: the letter case is folded as the
// characters are read.
bool NaturallyBefore(const PackedTextView& a, const PackedTextView& b);

// The start of a name's place in that order, as 96 bits: a name with a
// smaller key comes before one with a larger key; names with equal keys must
// be compared by NaturallyBefore. Sorting by it first spares most of the
// comparisons of whole names; 96 bits hold a shared prefix such as
// "Artist - " and the number after it.
struct NaturalOrderKeyBits
{
    std::uint64_t m_nHigh = 0;
    std::uint32_t m_nLow = 0;
};
NaturalOrderKeyBits NaturalOrderKey(const PackedTextView& name);
