// The file dialogs' filters, in the "text|pattern|...||" form that FileDialog::QtFilter converts.
#pragma once

#include <QtGlobal>

// Translated in the "EditorView" context.

inline constexpr const char* kNdfFilter =
    QT_TRANSLATE_NOOP("EditorView", "Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||");
inline constexpr const char* kSatcodxFilter =
    QT_TRANSLATE_NOOP("EditorView", "SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||");
