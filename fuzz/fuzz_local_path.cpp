// URLs dropped on the window: any URL text, and file URLs of any path bytes.
#include "app/local_path.h"
#include "fuzz/fuzz_support.h"

#include <QUrl>

namespace {

// file:// and the bytes, every one that is not unreserved as %XX.
QByteArray FileUrlOf(const QByteArray& path)
{
    return "file://" + path.toPercentEncoding("/");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes = FuzzBytes(data + 1, size - 1);
    const QUrl url = data[0] % 2 ? QUrl::fromEncoded(bytes) : QUrl(QString::fromUtf8(bytes));
    const QString path = LocalPathOfUrl(url);
    if (!path.isEmpty()) {
        FUZZ_CHECK(url.scheme() == u"file"_qs);
        FUZZ_CHECK(path.startsWith(u'/'));
        FUZZ_CHECK(path == u"/"_qs || !path.endsWith(u'/'));
    }

    // A file URL made of any absolute path gives back exactly its bytes,
    // less a trailing slash. Dot segments are the URL's to resolve.
    QByteArray wanted = '/' + bytes;
    wanted.replace('\0', 'x');
    if (wanted.contains("/./") || wanted.contains("/../") || wanted.endsWith("/.") ||
        wanted.endsWith("/.."))
        return 0;
    const QString local = LocalPathOfUrl(QUrl::fromEncoded(FileUrlOf(wanted)));
    while (wanted.size() > 1 && wanted.endsWith('/'))
        wanted.chop(1);
    FUZZ_CHECK(EncodeFileName(local) == wanted);
    return 0;
}
