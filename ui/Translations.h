// The editor's texts in the user's language.
#pragma once

class QLocale;

// Loads the editor's translation and Qt's own (standard buttons, dialogs) that fit the locale's UI languages;
// English, the source language, needs none. Replaces what an earlier call installed.
void InstallTranslations(const QLocale& locale);
