#include "ui/PrivateSettings.h"

#include <QSettings>

void KeepSettingsPrivate() {
    // A path below a device, where no folder can be made: Qt's widgets read no settings there and
    // their writes fail quietly, so that nothing is left behind, not even a temporary folder.
    const QString nowhere = QStringLiteral("/dev/null/dishline-settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}
