// What a document's file on disk held when the editor last read or wrote it (its size and a hash
// of its bytes), so that a save can tell whether another program changed the file since.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

struct DiskFileStamp {
    bool known = false; // false: no file was read or written
    qint64 size = 0;
    QByteArray hash; // of the bytes

    // The file at path as it is now; unknown when it cannot be read (or is missing).
    static DiskFileStamp Of(const QString& path);
    // A file whose bytes were just read or written as `bytes`.
    static DiskFileStamp Of(const std::vector<uint8_t>& bytes);

    // The file now holds other bytes than it did. Its time is not asked: a file touched or
    // rewritten with the same bytes holds nothing that a save would lose, and a time can stay the
    // same across a quick change.
    bool ChangedSince(const DiskFileStamp& before) const;
};
