#include "shell/DiskFileStamp.h"

#include <QCryptographicHash>
#include <QFile>

namespace {

QByteArray HashOf(const char* data, qsizetype size) {
    return QCryptographicHash::hash(QByteArrayView(data, size), QCryptographicHash::Sha256);
}

} // namespace

DiskFileStamp DiskFileStamp::Of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    DiskFileStamp stamp;
    stamp.known = file.error() == QFileDevice::NoError;
    stamp.size = bytes.size();
    stamp.hash = HashOf(bytes.constData(), bytes.size());
    return stamp;
}

DiskFileStamp DiskFileStamp::Of(const std::vector<uint8_t>& bytes) {
    DiskFileStamp stamp;
    stamp.known = true;
    stamp.size = static_cast<qint64>(bytes.size());
    stamp.hash = HashOf(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    return stamp;
}

bool DiskFileStamp::ChangedSince(const DiskFileStamp& before) const {
    if (!known || !before.known)
        return false;
    return size != before.size || hash != before.hash;
}
