// File-name bytes to the names tamro carries and back.
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Any bytes round-trip exactly.
    const QByteArray bytes = FuzzBytes(data, size);
    const QString name = DecodeFileName(bytes);
    FUZZ_CHECK(EncodeFileName(name) == bytes);
    FUZZ_CHECK(DecodeFileName(EncodeFileName(name)) == name);

    // What a person sees holds no lone surrogate.
    const QString readable = ReadableFileName(name);
    FUZZ_CHECK(readable.size() == name.size());
    for (qsizetype i = 0; i < readable.size(); ++i) {
        if (readable.at(i).isHighSurrogate() && i + 1 < readable.size() &&
            readable.at(i + 1).isLowSurrogate())
            ++i;
        else
            FUZZ_CHECK(!readable.at(i).isSurrogate());
    }

    // Any text encodes to bytes that then round-trip.
    const QByteArray encoded = EncodeFileName(FuzzUtf16(data, size));
    FUZZ_CHECK(EncodeFileName(DecodeFileName(encoded)) == encoded);
    return 0;
}
