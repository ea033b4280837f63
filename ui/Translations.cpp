#include "ui/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// Qt lays the widgets out right to left when a translation answers this text with "RTL", as the Arabic one does.
// The editor's translations carry it, so that the window mirrors even where Qt's own are not installed.
constexpr struct {
    const char* source;
    const char* comment;
} kLayoutDirection = QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                                        "Translate this string to the string 'LTR' in left-to-right languages or to "
                                        "'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper "
                                        "widget layout.");

std::unique_ptr<QTranslator>& EditorTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& QtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot)
        QCoreApplication::installTranslator(slot.get());
}

// Qt would take the direction from the translations only when the posted language change arrives; setting it at
// once mirrors the windows created right after, and a later language turns it back.
void ApplyLayoutDirection() {
    const bool rightToLeft = QCoreApplication::translate("QGuiApplication", kLayoutDirection.source,
                                                         kLayoutDirection.comment) == QLatin1String("RTL");
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace

void InstallTranslations(const QLocale& locale) {
    auto editor = std::make_unique<QTranslator>();
    if (!editor->load(locale, QStringLiteral("dishline"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        // No translation: the English source texts, with Qt's own texts in English too.
        Replace(EditorTranslator(), nullptr);
        Replace(QtTranslator(), nullptr);
        ApplyLayoutDirection();
        return;
    }
    // Qt's own texts in the user's variant of the language, else in its main one (Portuguese in Portugal gets
    // Qt's Brazilian texts, the only ones Qt ships).
    auto qt = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder) &&
        !qt->load(QLocale(locale.language()), QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder))
        qt.reset();
    Replace(QtTranslator(), std::move(qt));
    Replace(EditorTranslator(), std::move(editor));
    ApplyLayoutDirection();
}
