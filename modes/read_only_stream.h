#pragma once

#include "platform/unique_fd.h"

#include <QByteArray>

#include <taglib/tiostream.h>

// A source file as TagLib reads it: opened for reading only (TagLib's own
// stream tries read-write first), without touching its access time where the
// file's owner allows, and never a FIFO or a device. Small reads are served
// from one block read ahead, since a tag parser asks for a header of a few
// bytes and then for what follows it. Every write is refused.
class CReadOnlyStream : public TagLib::IOStream
{
public:
    // Opens the file of these exact name bytes (see EncodeFileName). `block`
    // holds the bytes read ahead; one buffer serves file after file, so that
    // a run does not take and give back its room for every file.
    CReadOnlyStream(QByteArray path, QByteArray& block);

    // After construction: 0 when open; else the errno of the failure, or
    // ENODEV when something other than a regular file stands there.
    int OpenError() const { return m_nOpenError; }
    // The errno of the first read that failed, or 0. The parser saw such a
    // read as the end of the file.
    int ReadError() const { return m_nReadError; }
    // How many reads reached the file.
    int ReadCalls() const { return m_nReadCalls; }

    TagLib::FileName name() const override;
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector& data) override;
    void insert(const TagLib::ByteVector& data, unsigned long start,
                unsigned long replace) override;
    void removeBlock(unsigned long start, unsigned long length) override;
    bool readOnly() const override { return true; }
    bool isOpen() const override { return m_fd.valid(); }
    void seek(long offset, Position p) override;
    long tell() const override { return m_nPosition; }
    long length() override { return m_nLength; }
    void truncate(long length) override;

private:
    // Reads up to `size` bytes at `offset`; fewer only at the end of the file
    // or on an error.
    long ReadAt(long offset, char* buffer, long size);

    QByteArray m_path;
    int m_nOpenError = 0; // before m_fd, which sets them
    long m_nLength = 0;
    UniqueFd m_fd;
    int m_nReadError = 0;
    int m_nReadCalls = 0;
    long m_nPosition = 0;
    QByteArray& m_block; // the bytes from m_nBlockStart on
    long m_nBlockStart = 0;
};
