#pragma once

#include <QByteArray>
#include <QString>

// Linux file names are bytes, usually but not always UTF-8. tamro carries
// names as QString everywhere, so the conversion must be lossless: every byte
// that is not part of valid UTF-8 is held as a lone surrogate U+DC80..U+DCFF
// and turned back into the same byte on the way out.

// Decodes file-system bytes into a string that EncodeFileName turns back into
// exactly the same bytes.
QString DecodeFileName(const QByteArray& bytes);

// Encodes a string into file-system bytes. Escaped bytes come back as they
// were; any other lone surrogate becomes U+FFFD.
QByteArray EncodeFileName(const QString& name);

// The name as a person should see it: escaped bytes shown as U+FFFD.
QString ReadableFileName(const QString& name);
