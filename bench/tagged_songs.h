#pragma once

// Folders of tagged song files for the benchmarks of the tag mode: one file
// per kind made by ffmpeg (mp3, ogg, flac, m4a), then copied as often as
// asked with the number of each copy written into its title, so that every
// file gets a name of its own ("Song 00042-The Harbours").

#include "modes/tag_charset.h"
#include "modes/tag_format.h"
#include "modes/tag_reader.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <utility>
#include <vector>

namespace tagged_songs {

inline constexpr char kTitle[] = "Song 00000"; // the digits are the copy's number

// An Ogg page's checksum (CRC-32, polynomial 0x04C11DB7, not reflected),
// taken with its own checksum field zero.
inline std::uint32_t OggChecksum(const char* page, qsizetype size)
{
    std::uint32_t crc = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const bool inField = i >= 22 && i < 26;
        crc ^= std::uint32_t(inField ? 0 : static_cast<unsigned char>(page[i])) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

// Sets the checksum of the Ogg page that holds byte `at`, after that byte
// changed; any other format has none to mend.
inline void MendOggPage(QByteArray& bytes, qsizetype at)
{
    for (qsizetype page = 0; page + 27 <= bytes.size();) {
        if (!bytes.sliced(page).startsWith("OggS"))
            return;
        const int segments = static_cast<unsigned char>(bytes[page + 26]);
        qsizetype size = 27 + segments;
        for (int s = 0; s < segments; ++s)
            size += static_cast<unsigned char>(bytes[page + 27 + s]);
        if (at < page + size) {
            const std::uint32_t crc = OggChecksum(bytes.constData() + page, size);
            for (int b = 0; b < 4; ++b)
                bytes[page + 22 + b] = char((crc >> (8 * b)) & 0xFF);
            return;
        }
        page += size;
    }
}

inline QByteArray Encode(const QString& work, const QString& extension, const QStringList& codec)
{
    const QString path = work + QStringLiteral("/template.") + extension;
    // The length goes before the silence's input, which never ends by
    // itself; after it, it would bind to the picture's input instead.
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                     QStringLiteral("error"),    QStringLiteral("-y"),
                     QStringLiteral("-f"),       QStringLiteral("lavfi"),
                     QStringLiteral("-t"),       QStringLiteral("1"),
                     QStringLiteral("-i"),       QStringLiteral("anullsrc=r=44100:cl=stereo")};
    args += codec;
    const QStringList metadata{QStringLiteral("title=") + QString::fromLatin1(kTitle),
                               QStringLiteral("artist=The Harbours"),
                               QStringLiteral("album=Blue Hour"),
                               QStringLiteral("track=3/12"),
                               QStringLiteral("date=2019"),
                               QStringLiteral("genre=Pop")};
    for (const QString& item : metadata)
        args += {QStringLiteral("-metadata"), item};
    args.append(path);
    if (QProcess::execute(QStringLiteral("ffmpeg"), args) != 0)
        qFatal("ffmpeg could not make the %s template", qPrintable(extension));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the template");
    QByteArray bytes = file.readAll();
    file.remove();
    return bytes;
}

// Makes `count` tagged files in `folder` (created), the four kinds in turn;
// `work` holds the templates while they are made. With `pictures`, each mp3
// carries a cover picture of about 100 KiB. Returns their paths.
inline QStringList MakeTaggedSongs(const QString& work, const QString& folder, int count,
                                   bool pictures = false)
{
    if (count > 100000)
        qFatal("the title holds five digits of a copy's number");
    const QString picture = work + QStringLiteral("/cover.png");
    if (pictures &&
        QProcess::execute(QStringLiteral("ffmpeg"),
                          {QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                           QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                           QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("nullsrc=s=200x170,geq=random(1)*255:128:128"),
                           QStringLiteral("-frames:v"), QStringLiteral("1"), picture}) != 0)
        qFatal("ffmpeg could not make the picture");
    const QStringList mp3 = pictures
                                ? QStringList{QStringLiteral("-i"),
                                              picture,
                                              QStringLiteral("-map"),
                                              QStringLiteral("0"),
                                              QStringLiteral("-map"),
                                              QStringLiteral("1"),
                                              QStringLiteral("-c:a"),
                                              QStringLiteral("libmp3lame"),
                                              QStringLiteral("-c:v"),
                                              QStringLiteral("copy"),
                                              QStringLiteral("-id3v2_version"),
                                              QStringLiteral("3")}
                                : QStringList{QStringLiteral("-c:a"), QStringLiteral("libmp3lame")};
    const std::vector<std::pair<QString, QByteArray>> templates = {
        {QStringLiteral("mp3"), Encode(work, QStringLiteral("mp3"), mp3)},
        {QStringLiteral("ogg"), Encode(work, QStringLiteral("ogg"),
                                       {QStringLiteral("-c:a"), QStringLiteral("libvorbis")})},
        {QStringLiteral("flac"),
         Encode(work, QStringLiteral("flac"), {QStringLiteral("-c:a"), QStringLiteral("flac")})},
        {QStringLiteral("m4a"),
         Encode(work, QStringLiteral("m4a"), {QStringLiteral("-c:a"), QStringLiteral("aac")})},
    };
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const auto& [extension, original] = templates[std::size_t(i) % templates.size()];
        QByteArray bytes = original;
        const qsizetype title = bytes.indexOf(kTitle);
        if (title < 0)
            qFatal("the %s template lost its title", qPrintable(extension));
        const QByteArray number = QByteArray::number(i).rightJustified(5, '0');
        bytes.replace(title + 5, 5, number);
        MendOggPage(bytes, title);
        const QString path =
            QStringLiteral("%1/Track%2.%3").arg(folder, QString::fromLatin1(number), extension);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the songs");
        paths.append(path);
    }
    return paths;
}

// The reference of a tag preview: the same naming in a plain loop (read,
// one character-set decision, fill), a name or an empty text per path.
inline QStringList NamePlainly(const QStringList& paths)
{
    const CTagFormat format;
    std::vector<SongTags> run;
    run.reserve(std::size_t(paths.size()));
    for (const QString& path : paths)
        run.push_back(ReadSongTags(path, format.Fields()));
    (void)DecodeRunTags(run);
    QStringList names;
    for (const SongTags& tags : run) {
        QString name, reason;
        names.append(format.Fill(tags, name, reason) ? name : QString());
    }
    return names;
}

} // namespace tagged_songs
