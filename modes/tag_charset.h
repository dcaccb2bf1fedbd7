#pragma once

#include "modes/song_tags.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringDecoder>

#include <optional>
#include <vector>

// The character set of a run's tag texts that were stored as Latin-1 (every
// ID3v1 text, ID3v2 frames of encoding 0), which old Windows systems filled
// with the bytes of their own code page: CP949, Shift_JIS, GBK,
// Windows-1251... One set is chosen over the texts of all files of the run
// (see GuessCharsetOfTexts), so that one album is never half decoded; then
// every such text is decoded with it, and one that does not decode is marked
// Undecodable rather than guessed at.
//
// Use: Add every file of the run, then Decode each. Texts added after the
// first Decode (or Decide) have no say.
class CTagCharset
{
public:
    // Texts beyond this many bytes (each distinct text counted once) are
    // decoded but have no say: a sample this size settles any run.
    static constexpr qsizetype kSampleBytes = qsizetype{1024} * 1024;

    // Adds the file's Latin1 texts to the decision.
    void Add(const SongTags& tags);
    void Add(QByteArrayView raw, bool mayEndCut);

    // Chooses the set, once; its name as QStringDecoder knows it, or empty
    // when no text needed one.
    QByteArray Decide();

    // Turns the file's Latin1 texts into Text, or Undecodable when the run's
    // set does not decode them (or nothing but blanks comes out: Missing).
    void Decode(SongTags& tags);
    // Decodes one text with the run's set; false when it does not decode.
    [[nodiscard]] bool Decode(QByteArrayView raw, bool mayEndCut, QString& text);

private:
    QSet<QByteArray> m_seen;
    std::vector<QByteArray> m_samples;
    std::vector<bool> m_sampleMayEndCut;
    qsizetype m_nSampleBytes = 0;
    bool m_bDecided = false;
    QByteArray m_charset;
    std::optional<QStringDecoder> m_decoder;
};

// A whole run at once: one set chosen over the Latin1 texts of all `files`,
// then each file decoded in place. Returns the set's name, or empty when no
// text needed one.
QByteArray DecodeRunTags(std::vector<SongTags>& files);
