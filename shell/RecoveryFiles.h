// Recovery files: the unsaved work on each open document, kept in the user's state folder while
// it differs from its file, so that a kill, a crash or a power cut loses at most a moment of it.
// A recovery file holds the document's path and its NDF image as the database stood, and is
// replaced atomically. It is recovery data only: nothing else of the user's is kept there.
#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace recovery {

// $XDG_STATE_HOME/dishline, else ~/.local/state/dishline; on Windows, dishline in the local
// application data folder.
QString Folder();

// The recovery file of the document at `documentPath` (an absolute path), or of the untitled
// document for an empty one.
QString FileFor(const QString& documentPath);

// Replaces `file` by the document's path and image, creating the folder as needed (readable by
// the user only). False when it cannot be written.
bool Write(const QString& file, const QString& documentPath, const std::vector<uint8_t>& image);

struct Work {
    QString file;         // the recovery file
    QString documentPath; // empty for an untitled document
    QDateTime written;    // when the work was last kept
    std::vector<uint8_t> image;
};

// The work a recovery file holds; nothing for a missing or damaged file.
std::optional<Work> Read(const QString& file);
// The most recently written recovery file that can be read, of any document.
std::optional<Work> Newest();

void Remove(const QString& file);

} // namespace recovery
