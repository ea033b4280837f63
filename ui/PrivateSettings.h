// The program keeps no settings, but Qt's own widgets would: the file dialog saves its folder and
// layout to the per-user settings when it closes.
#pragma once

// Sends Qt's per-user settings where none can be stored. Call before any dialog runs; calling it
// again does no harm.
void KeepSettingsPrivate();
