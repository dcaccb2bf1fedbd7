#pragma once

#include "passes/job_request.h"

#include <QString>

#include <functional>

class CSongListPageBase;

// A mode's rule for the new base name of a file: 0 with the name in
// `result`, anything else when the file gets no new name.
using NamingRule = std::function<int(const QString& baseName, QString& result)>;

// Song-list mode: the entry of the base name's leading number in the page's
// table, which must have been read.
NamingRule SongListRule(const CSongListPageBase& page);
// Pattern mode: the two parts around the hyphen, swapped.
NamingRule PatternRule();

// Why a file gets no new name from the rule of `mode` (tag mode knows better
// per file; this is all a convert under a preview's names can say).
QString NoNewNameReason(NamingMode mode);

// Applies `rule` to the listed name without its extension. On 0 the new base
// name is in `newBase` and the listed name's extension, dot included or
// empty, in `extension`.
int NewBaseName(const NamingRule& rule, const QString& listedName, QString& newBase,
                QString& extension);
