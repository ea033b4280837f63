#include "ui/StatusText.h"

#include "database/NdfStatus.h"

#include <QCoreApplication>

namespace {

// The core speaks English only; these are its texts, for the translations to find.
[[maybe_unused]] constexpr const char* kStatusTexts[] = {
    QT_TRANSLATE_NOOP("Status", "OK"),
    QT_TRANSLATE_NOOP("Status", "Canceled"),
    QT_TRANSLATE_NOOP("Status", "Insufficient memory"),
    QT_TRANSLATE_NOOP("Status", "No file found"),
    QT_TRANSLATE_NOOP("Status", "File crashed"),
    QT_TRANSLATE_NOOP("Status", "Creating file failed"),
    QT_TRANSLATE_NOOP("Status", "Invalid NDF format"),
    QT_TRANSLATE_NOOP("Status", "Bad checksum"),
    QT_TRANSLATE_NOOP("Status", "NDF Version not supported"),
    QT_TRANSLATE_NOOP("Status", "Too many records for the NDF format"),
    QT_TRANSLATE_NOOP("Status", "Unknown error"),
};

} // namespace

QString StatusText(int status) {
    return QCoreApplication::translate("Status", StatusMessage(status));
}
