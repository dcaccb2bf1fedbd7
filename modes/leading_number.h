#pragma once

#include <QString>
#include <QStringView>

// The number at the start of a text, read the way C's atoi family reads it:
// leading white space, an optional sign, then decimal digits up to the first
// other character; no digits read as 0. The result is a canonical key (no
// leading zeros, no sign on zero), so numbers of any length compare exactly
// instead of being cut to 32 bits: "012", "+12" and " 12x" give the same key.
QString LeadingNumberKey(QStringView text);

// Numbers of up to this many digits (leading zeros not counted) fit in 64 bits.
inline constexpr qsizetype kLeadingNumberValueDigits = 18;

// The same number as a value, when it has at most kLeadingNumberValueDigits
// digits: true with `value` set. Two texts with such numbers have equal values
// exactly when they have equal keys. A longer number gives false, and only its
// key tells it apart.
bool LeadingNumberValue(QStringView text, qint64& value);
