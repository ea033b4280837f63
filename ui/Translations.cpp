#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

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

} // namespace

void InstallTranslations(const QLocale& locale) {
    auto editor = std::make_unique<QTranslator>();
    if (!editor->load(locale, QStringLiteral("dishline"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        // No translation: the English source texts, with Qt's own texts in English too.
        Replace(EditorTranslator(), nullptr);
        Replace(QtTranslator(), nullptr);
        return;
    }
    auto qt = std::make_unique<QTranslator>();
    if (!qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qt.reset();
    Replace(QtTranslator(), std::move(qt));
    Replace(EditorTranslator(), std::move(editor));
}
