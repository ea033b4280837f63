#include "shell/RecoveryFiles.h"

#include "database/AtomicFile.h"
#include "ui/NativePath.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace recovery {

namespace {

// The first line of every recovery file; the path's length in bytes and the path follow, then
// the image.
const QByteArray kMagic = QByteArrayLiteral("Dishline recovery 1\n");
constexpr qsizetype kLongestPath = 1 << 16;

} // namespace

QString Folder() {
#ifdef Q_OS_WIN
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
#endif
    return base + QStringLiteral("/dishline");
}

QString FileFor(const QString& documentPath) {
    QString name = QStringLiteral("untitled");
    if (!documentPath.isEmpty()) {
        const QByteArray native = QByteArray::fromStdString(ToNativePath(documentPath));
        name = QString::fromLatin1(QCryptographicHash::hash(native, QCryptographicHash::Sha256).toHex().left(32));
    }
    return Folder() + QLatin1Char('/') + name + QStringLiteral(".recovery");
}

bool Write(const QString& file, const QString& documentPath, const std::vector<uint8_t>& image) {
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (!QDir().mkpath(folder))
            return false;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const std::string path = ToNativePath(documentPath);
    const std::string length = std::to_string(path.size()) + "\n";
    std::vector<uint8_t> bytes;
    bytes.reserve(kMagic.size() + length.size() + path.size() + image.size());
    bytes.insert(bytes.end(), kMagic.begin(), kMagic.end());
    bytes.insert(bytes.end(), length.begin(), length.end());
    bytes.insert(bytes.end(), path.begin(), path.end());
    bytes.insert(bytes.end(), image.begin(), image.end());
    return ReplaceFileAtomically(ToNativePath(file), bytes);
}

std::optional<Work> Read(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.readAll();
    if (!bytes.startsWith(kMagic))
        return std::nullopt;
    const qsizetype lengthEnd = bytes.indexOf('\n', kMagic.size());
    if (lengthEnd < 0 || lengthEnd - kMagic.size() > 6)
        return std::nullopt;
    bool ok = false;
    const qsizetype length = bytes.mid(kMagic.size(), lengthEnd - kMagic.size()).toLongLong(&ok);
    if (!ok || length < 0 || length > kLongestPath || length > bytes.size() - lengthEnd - 1)
        return std::nullopt;
    Work work;
    work.file = file;
    work.documentPath = FromNativePath(bytes.mid(lengthEnd + 1, length).toStdString());
    work.written = QFileInfo(file).lastModified();
    const auto* image = reinterpret_cast<const uint8_t*>(bytes.constData()) + lengthEnd + 1 + length;
    work.image.assign(image, reinterpret_cast<const uint8_t*>(bytes.constData()) + bytes.size());
    return work;
}

std::optional<Work> Newest() {
    const QFileInfoList files =
        QDir(Folder()).entryInfoList({QStringLiteral("*.recovery")}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo& info : files) {
        if (auto work = Read(info.absoluteFilePath()))
            return work;
    }
    return std::nullopt;
}

void Remove(const QString& file) {
    QFile::remove(file);
}

} // namespace recovery
