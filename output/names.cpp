#include "output/names.h"

#include "platform/file_name_codec.h"
#include "platform/lone_surrogates.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kDefaultNameLimit = 255;

bool IsEscapedByte(char16_t unit)
{
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

bool IsPairAt(const QString& text, qsizetype i)
{
    return QChar::isHighSurrogate(text.at(i).unicode()) && i + 1 < text.size() &&
           QChar::isLowSurrogate(text.at(i + 1).unicode());
}

// Bytes of one code unit, not part of a pair, as EncodeFileName writes it.
qsizetype EncodedBytesOfUnit(char16_t unit)
{
    if (unit < 0x80 || IsEscapedByte(unit))
        return 1;
    return unit < 0x800 ? 2 : 3; // any other lone surrogate is written as U+FFFD
}

// The length, in code units, of the longest start of `text` whose file-name
// bytes fit into `budget`; never ends inside a surrogate pair.
qsizetype FittingPrefix(const QString& text, qsizetype budget)
{
    qsizetype used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair = IsPairAt(text, i);
        const qsizetype bytes = pair ? 4 : EncodedBytesOfUnit(text.at(i).unicode());
        if (used + bytes > budget)
            break;
        used += bytes;
        i += pair ? 2 : 1;
    }
    return i;
}

// Moves a cut back to the start of the character it falls in, so an accent
// is not parted from its letter. A cut that would leave nothing stays put.
qsizetype CharacterBoundaryAtOrBefore(const QString& text, qsizetype cut)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(cut);
    if (finder.isAtBoundary())
        return cut;
    const qsizetype previous = finder.toPreviousBoundary();
    return previous > 0 ? previous : cut;
}

} // namespace

QString FileInFolder(const QString& folder, const QString& name)
{
    QString path;
    path.reserve(folder.size() + 1 + name.size());
    path.append(folder).append(u'/').append(name);
    return path;
}

QString SplitExtension(QString name, QString& extension)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    extension = dot > 0 ? name.mid(dot) : QString();
    if (extension.isEmpty())
        return name;
    // Every occurrence goes. The extension begins with its dot, so where no
    // other dot comes before it (the usual name) the ending is the only one,
    // and cutting it off is the same and much cheaper than a search.
    if (QStringView(name).first(dot).indexOf(u'.') < 0)
        name.truncate(dot);
    else
        name.replace(extension, QString(), Qt::CaseSensitive);
    return name;
}

bool RemoveInvalidChars(QString& name)
{
    // A control character is legal on Linux but turns a name unreadable in
    // every listing, and FAT refuses it.
    const auto invalid = [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || u == 0x7F || u == u'\\' || u == u'/' || u == u':' || u == u'*' ||
               u == u'?' || u == u'"' || u == u'<' || u == u'>' || u == u'|';
    };
    // Most names hold none, and a look costs no copy.
    if (std::none_of(name.cbegin(), name.cend(), invalid))
        return false;
    name.removeIf(invalid);
    return true;
}

bool FileExists(QString path)
{
    struct stat info
    {};
    return ::lstat(EncodeFileName(path).constData(), &info) == 0;
}

QString NumberedName(const QString& name, int n)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    // One multi-argument arg() call, so a "%1" inside a name stays text.
    const QString number = QString::number(n);
    return dot > 0 ? QStringLiteral("%1 (%2).%3").arg(name.left(dot), number, name.mid(dot + 1))
                   : QStringLiteral("%1 (%2)").arg(name, number);
}

void MakeUniqueName(QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const QString folder = path.left(nameStart);
    const QString name = path.mid(nameStart);

    QString candidate = path;
    for (int n = 1; FileExists(candidate); ++n)
        candidate = folder + NumberedName(name, n);
    path = candidate;
}

qsizetype NameLimitOf(const QString& folder)
{
    const long limit = ::pathconf(EncodeFileName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? qsizetype(limit) : kDefaultNameLimit;
}

bool ShortenLongName(QString& name, qsizetype limit)
{
    // No unit takes more than 3 bytes, so most names need no encoding here.
    if (name.size() * 3 <= limit || EncodeFileName(name).size() <= limit)
        return false;
    const qsizetype dot = name.lastIndexOf(u'.');
    QString extension = dot > 0 ? name.mid(dot) : QString();
    qsizetype budget = limit - kNumberRoom - EncodeFileName(extension).size();
    if (budget < 1) { // an "extension" that long is really part of the name
        extension.clear();
        budget = std::max<qsizetype>(limit - kNumberRoom, 1);
    }
    const QString stem = name.left(name.size() - extension.size());
    qsizetype cut = FittingPrefix(stem, budget);
    // Not even one character fits: the first stays, so the copy fails as too
    // long rather than turning into a hidden ".mp3" or no name at all.
    if (cut == 0 && !stem.isEmpty())
        cut = IsPairAt(stem, 0) ? 2 : 1;
    QString kept = stem.left(CharacterBoundaryAtOrBefore(stem, cut));
    // A blank before the extension would be a blemish on the new name.
    while (kept.size() > 1 && kept.endsWith(u' '))
        kept.chop(1);
    name = kept + extension;
    return true;
}

bool HoldsUndecodedText(const QString& name)
{
    if (name.contains(QChar::ReplacementCharacter))
        return true;
    for (qsizetype i = FindLoneSurrogate(name); i >= 0; i = FindLoneSurrogate(name, i + 1)) {
        if (!IsEscapedByte(name.at(i).unicode()))
            return true;
    }
    return false;
}
