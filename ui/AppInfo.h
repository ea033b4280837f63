// Names the program shows and registers.
#pragma once

#include <QtGlobal>

inline constexpr const char* kApplicationName = "Tabulon";                        // caption of every message box
inline constexpr const char* kApplicationTitle = "Orlanic Editor Kestrel Series"; // main window title
inline constexpr const char* kOrganizationName = "Malvora";                       // settings key; nothing is stored
inline constexpr const char* kAboutTitle = QT_TRANSLATE_NOOP("AboutDialog", "About Dishline");
inline constexpr const char* kAboutText = QT_TRANSLATE_NOOP("AboutDialog", "Dishline Version 1.3");
