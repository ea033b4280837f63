// The file dialogs' filters, in the "text|pattern|...||" form that FileDialog::QtFilter converts.
#pragma once

inline constexpr const char* kNdfFilter = "Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||";
inline constexpr const char* kSatcodxFilter = "SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||";
