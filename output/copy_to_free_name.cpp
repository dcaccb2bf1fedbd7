#include "output/copy_to_free_name.h"

#include "output/names.h"
#include "platform/file_name_codec.h"
#include "platform/staged_copy.h"

#include <cerrno>

namespace {

// Another process may take the chosen name between the test and the claim;
// the copy then moves on to the next free number. The bound only guards
// against a name that keeps being taken forever.
constexpr int kMaxClaimAttempts = 1000;

bool Taken(const CopyResult& result)
{
    return result.error == EEXIST;
}

// Claims a free name with `claim` (a create or a publish): the wanted name
// first, which costs no separate look, then the first free numbered form.
// `name` and `bytes` come in as the wanted name and go out as the claimed one.
template <typename Claim>
CopyResult ClaimFreeName(const QString& wanted, QString& name, QByteArray& bytes, Claim claim)
{
    CopyResult result = claim(bytes);
    for (int attempt = 1; attempt < kMaxClaimAttempts && Taken(result); ++attempt) {
        name = wanted;
        MakeUniqueName(name);
        bytes = EncodeFileName(name);
        result = claim(bytes);
    }
    return result;
}

} // namespace

NamedCopy CopyToFreeName(CCopySession& session, const QString& source, const QString& wanted,
                         CopyProgressRoutine progress, void* data)
{
    NamedCopy named;
    named.destination = wanted;
    CStagedCopy copy(session);
    named.sourceBytes = EncodeFileName(source);
    named.result = copy.OpenSource(named.sourceBytes);
    if (!named.result.Succeeded()) {
        MakeUniqueName(named.destination);
        return named;
    }
    // Only a file system without unnamed or hidden files makes the copy take
    // its final name here; then a taken name shows at once.
    named.destinationBytes = EncodeFileName(wanted);
    named.result = ClaimFreeName(wanted, named.destination, named.destinationBytes,
                                 [&copy](const QByteArray& name) { return copy.Create(name); });
    if (!named.result.Succeeded())
        return named;
    named.result = copy.Transfer(progress, data);
    if (named.result.Succeeded())
        named.result = copy.Finish();
    if (named.result.Succeeded() && !copy.NamedAtCreate()) {
        // A staged copy is published from the wanted name on.
        if (named.destination != wanted) {
            named.destination = wanted;
            named.destinationBytes = EncodeFileName(wanted);
        }
        named.result =
            ClaimFreeName(wanted, named.destination, named.destinationBytes,
                          [&copy](const QByteArray& name) { return copy.Publish(name); });
    }
    if (named.result.Succeeded())
        named.result = copy.Close();
    if (named.result.Succeeded())
        named.made = copy.Made();
    return named;
}
