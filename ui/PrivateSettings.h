// The program keeps no settings, but Qt's own widgets would: the file dialog saves its folder and
// layout to the per-user settings when it closes (on Windows, in the registry under
// HKEY_CURRENT_USER\Software\QtProject, whatever path or format the program sets).
#pragma once

#include <QString>

#include <memory>

// Sends Qt's per-user settings where none can be stored. Call before any dialog runs; calling it
// again does no harm.
void KeepSettingsPrivate();

// While it lives, Qt's per-user settings in the Windows registry may change; when it goes, they are
// as they were when it was made: keys created since are removed, values written since are put back
// or removed. Elsewhere KeepSettingsPrivate() suffices and this does nothing.
class RegistrySettingsGuard {
public:
    RegistrySettingsGuard();
    ~RegistrySettingsGuard();
    RegistrySettingsGuard(const RegistrySettingsGuard&) = delete;
    RegistrySettingsGuard& operator=(const RegistrySettingsGuard&) = delete;

private:
    struct Snapshot;
    std::unique_ptr<Snapshot> before_;
};

// Qt's per-user settings in the Windows registry as text, one line per key and value; empty where
// there are none, and on other systems.
QString QtRegistrySettings();
