// The swap and the naming rules of a new name: cleaning, the extension, the
// shortening to the destination's limit, the numbered form of a taken name.
#include "fuzz/fuzz_support.h"
#include "modes/swap_artist_title.h"
#include "output/names.h"

#include <algorithm>

namespace {

bool IsRemoved(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || u == 0x7F || QStringView(u"\\/:*?\"<>|").contains(c);
}

qsizetype Bytes(const QString& name)
{
    return EncodeFileName(name).size();
}

QString ExtensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot) : QString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype limit = 1 + data[0];
    const int n = 1 + data[1] % 100;
    const QString name = FuzzUtf16(data + 2, size - 2);

    // A cleaned name holds none of the removed characters, and cleaning it
    // again changes nothing.
    QString cleaned = name;
    const bool removed = RemoveInvalidChars(cleaned);
    FUZZ_CHECK(std::none_of(cleaned.cbegin(), cleaned.cend(), IsRemoved));
    FUZZ_CHECK(removed == (cleaned != name));
    QString again = cleaned;
    FUZZ_CHECK(!RemoveInvalidChars(again) && again == cleaned);

    QString extension;
    const QString base = SplitExtension(cleaned, extension);
    FUZZ_CHECK(extension == ExtensionOf(cleaned));
    if (extension.isEmpty())
        FUZZ_CHECK(base == cleaned);
    else if (cleaned.indexOf(extension) == cleaned.size() - extension.size())
        FUZZ_CHECK(base + extension == cleaned);

    // A shortened name fits its limit with room for a number, and keeps its
    // extension when the extension leaves room for anything else.
    QString shortened = cleaned;
    const bool cut = ShortenLongName(shortened, limit);
    if (!cut) {
        FUZZ_CHECK(shortened == cleaned && Bytes(cleaned) <= limit);
    } else {
        // Room for a number, and for at least one character (4 bytes at
        // most) before the extension or, when that cannot be, without it.
        const QString kept = ExtensionOf(cleaned);
        const qsizetype room = limit - kNumberRoom;
        const qsizetype roomBeforeExtension = room - Bytes(kept);
        if (roomBeforeExtension >= 4 || (roomBeforeExtension < 1 && room >= 4))
            FUZZ_CHECK(Bytes(shortened) + kNumberRoom <= limit);
        if (roomBeforeExtension >= 1)
            FUZZ_CHECK(shortened.endsWith(kept) && shortened.size() > kept.size());
        FUZZ_CHECK(!shortened.isEmpty());
        if (roomBeforeExtension >= 4)
            FUZZ_CHECK(shortened != kept);
        // Cut at a character boundary: never between the two halves of a
        // pair (a lone surrogate of the name may stay lone).
        const qsizetype stem = shortened.endsWith(kept) && roomBeforeExtension >= 1
                                   ? shortened.size() - kept.size()
                                   : shortened.size();
        FUZZ_CHECK(cleaned.startsWith(QStringView(shortened).first(stem)));
        FUZZ_CHECK(stem >= cleaned.size() || !cleaned.at(stem - 1).isHighSurrogate() ||
                   !cleaned.at(stem).isLowSurrogate());
        if (roomBeforeExtension >= 4 && Bytes(shortened) + kNumberRoom <= limit)
            FUZZ_CHECK(Bytes(NumberedName(shortened, n)) <= limit);
    }

    // A numbered name differs from the taken one.
    FUZZ_CHECK(NumberedName(cleaned, n) != cleaned);
    FUZZ_CHECK(NumberedName(cleaned, n) != NumberedName(cleaned, n + 1));

    QString swapped = u"untouched"_qs;
    const int swap = SwapArtistTitle(name, swapped);
    FUZZ_CHECK((swap == 0) == (name.lastIndexOf(u'-') > 0));
    FUZZ_CHECK(swap == 0 ? swapped.contains(u'-') : swapped.isEmpty());
    if (swap == 0 && name.count(u'-') == 1 && !swapped.startsWith(u'-')) {
        // "Title - Artist" and back gives the two trimmed parts.
        QString back;
        FUZZ_CHECK(SwapArtistTitle(swapped, back) == 0);
        const qsizetype hyphen = name.indexOf(u'-');
        FUZZ_CHECK(back == name.left(hyphen).trimmed() + u'-' + name.mid(hyphen + 1).trimmed());
    }
    return 0;
}
