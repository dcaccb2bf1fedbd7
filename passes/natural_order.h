#pragma once

#include <QString>
#include <QStringView>

// Orders file names as a file manager does: runs of digits compare as
// numbers ("Track 2" before "Track 10"), letter case is ignored. Names equal
// by those rules fall back to their plain text, so the order is total.

// The form of a name that NaturalLess compares; compute it once per name.
QString NaturalSortKey(QStringView name);

// Compares two keys made by NaturalSortKey.
int NaturalCompare(QStringView a, QStringView b);
