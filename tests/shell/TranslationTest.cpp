// The editor in each of its languages, and in English where no translation fits the language.
#include "tests/shell/EditorTestSupport.h"
#include "ui/Translations.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace {

using editortest::EditorTest;

QStringList MenuBarTitles(const CMainFrame& frame) {
    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions())
        titles << action->text();
    return titles;
}

// The letter after a single '&', lower case; none for a text without one.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&'))
            return text[i + 1] == QLatin1Char('&') ? (++i, QChar()) : text[i + 1].toLower();
    }
    return QChar();
}

// Each menu, and the menu bar, reaches each of its items by a letter of its own.
void ExpectUniqueMnemonics(const QList<QAction*>& actions, const QString& where) {
    QString seen;
    for (const QAction* action : actions) {
        if (action->isSeparator())
            continue;
        const QChar letter = Mnemonic(action->text());
        EXPECT_FALSE(letter.isNull()) << where.toStdString() << ": " << action->text().toStdString();
        EXPECT_FALSE(seen.contains(letter)) << where.toStdString() << ": " << action->text().toStdString();
        seen += letter;
    }
}

// Every menu has its own letters, and shows the keys of its shortcuts as the shortcuts themselves are spelled
// in the language (Qt's "Strg+S" in German, "Control+S" in Spanish).
void ExpectMenusReadRight(const CMainFrame& frame) {
    ExpectUniqueMnemonics(frame.menuBar()->actions(), QStringLiteral("menu bar"));
    for (const QAction* title : frame.menuBar()->actions()) {
        ExpectUniqueMnemonics(title->menu()->actions(), title->text());
        for (const QAction* action : title->menu()->actions()) {
            const QString keys = action->text().section(QLatin1Char('\t'), 1);
            if (!keys.isEmpty() && !action->shortcut().isEmpty()) {
                EXPECT_EQ(keys.toStdString(), action->shortcut().toString(QKeySequence::NativeText).toStdString());
            }
        }
    }
}

// The answer to the first ApplyEdits prompt after a program's name changed, and the title of the
// Channel List dialog.
class TranslatedEditorTest : public EditorTest {
protected:
    void StartIn(QLocale::Language language) {
        InstallTranslations(QLocale(language));
        EditorTest::SetUp();
    }
    void SetUp() override {}
    void TearDown() override {
        EditorTest::TearDown();
        InstallTranslations(QLocale(QLocale::English));
    }

    QString ApplyPrompt() {
        OpenSample();
        Select(ProgramItem(1));
        Type("programName", QStringLiteral("Other"));
        MessageBox::SetNextAnswer(MessageBox::No);
        Select(ProgramItem(2));
        const auto boxes = Boxes();
        return boxes.size() == 1 ? boxes[0].text : QString();
    }

    QString ChannelListTitle() {
        QString title;
        guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                          [&](QWidget* modal) {
                              title = modal->windowTitle();
                              static_cast<QDialog*>(modal)->reject();
                          });
        return title;
    }

    static QStringList YesNoButtons() {
        const auto box =
            MessageBox::Build(nullptr, QStringLiteral("?"), MessageBox::IconQuestion, MessageBox::ButtonsYesNo);
        return {box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                box->button(QMessageBox::No)->text().remove(QLatin1Char('&'))};
    }
};

TEST_F(TranslatedEditorTest, GermanMenusPromptsBoxesAndChannelList) {
    StartIn(QLocale::German);
    EXPECT_EQ(MenuBarTitles(*frame), (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Satellit", "&Transponder",
                                                  "&Programm", "E&xtras", "&Hilfe"}));
    EXPECT_EQ(frame->Action(ID_VIEW_CHANNEL_LIST)->text(), QStringLiteral("Sender&liste"));
    ExpectMenusReadRight(*frame);
    EXPECT_EQ(ApplyPrompt(),
              QStringLiteral("Einige Programmparameter wurden geändert.\nSollen die Änderungen übernommen werden?"));
    EXPECT_EQ(YesNoButtons(), (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(ChannelListTitle(), QStringLiteral("Senderliste"));
    // The step names of the undo history are translated where the Edit menu shows them.
    Type("programName", QStringLiteral("Other"));
    view->OnFormOk();
    frame->UpdateCommandStates();
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Rückgängig: Programm bearbeiten\tStrg+Z"));
    ExpectMenusReadRight(*frame);

    // One spelling of the keys in every menu, as the shortcuts themselves are shown.
    for (const QAction* title : frame->menuBar()->actions()) {
        for (const QAction* action : title->menu()->actions()) {
            EXPECT_FALSE(action->text().contains(QStringLiteral("Ctrl"))) << action->text().toStdString();
            EXPECT_FALSE(action->shortcut().toString(QKeySequence::NativeText).contains(QStringLiteral("Ctrl")));
        }
    }
    // The drop-down words are translated; the rates are the file's own.
    Select(TransponderItem(0));
    auto* polarity = guitest::Find<QComboBox>(bar, "polarity");
    EXPECT_EQ(polarity->itemText(0), QStringLiteral("Vertikal"));
    EXPECT_EQ(polarity->itemText(3), QStringLiteral("Zirkular links"));
    EXPECT_EQ(guitest::Find<QComboBox>(bar, "fec")->itemText(2), QStringLiteral("2/3"));
}

// The receivers' owners' languages: the menu bar, the View menu's Channel List, a prompt through the message-box
// seam with Qt's own buttons, and the Channel List's title.
struct LanguageCase {
    QLocale::Language language;
    QStringList menuBar;
    const char* channelList;
    const char* applyPrompt;
    QStringList yesNo;
    const char* channelListTitle;
};

const LanguageCase kLanguages[] = {
    {QLocale::Turkish,
     {"&Dosya", "Dü&zen", "&Görünüm", "&Uydu", "&Transponder", "&Kanal", "&Araçlar", "&Yardım"},
     "&Kanal Listesi",
     "Bazı kanal parametreleri değiştirildi.\nDeğişiklikler uygulansın mı?",
     {"Evet", "Hayır"},
     "Kanal Listesi"},
    {QLocale::Russian,
     {"&Файл", "&Правка", "&Вид", "&Спутник", "&Транспондер", "&Канал", "С&ервис", "Сп&равка"},
     "&Список каналов",
     "Некоторые параметры канала изменены.\nПрименить изменения?",
     {"Да", "Нет"},
     "Список каналов"},
    {QLocale::Polish,
     {"&Plik", "&Edycja", "&Widok", "&Satelita", "&Transponder", "&Kanał", "&Narzędzia", "Pomo&c"},
     "&Lista kanałów",
     "Niektóre parametry kanału zostały zmienione.\nCzy zastosować zmiany?",
     {"Tak", "Nie"},
     "Lista kanałów"},
    {QLocale::Italian,
     {"&File", "&Modifica", "&Visualizza", "&Satellite", "&Transponder", "&Canale", "St&rumenti", "&Guida"},
     "&Lista canali",
     "Alcuni parametri del canale sono stati modificati.\nApplicare le modifiche?",
     {"Sì", "No"},
     "Lista canali"},
    {QLocale::Spanish,
     {"&Archivo", "&Edición", "&Ver", "&Satélite", "&Transpondedor", "&Canal", "&Herramientas", "A&yuda"},
     "&Lista de canales",
     "Se han cambiado algunos parámetros del canal.\n¿Desea aplicar los cambios?",
     {"Sí", "No"},
     "Lista de canales"},
    {QLocale::Portuguese,
     {"&Arquivo", "&Editar", "E&xibir", "&Satélite", "&Transponder", "&Canal", "&Ferramentas", "A&juda"},
     "&Lista de canais",
     "Alguns parâmetros do canal foram alterados.\nDeseja aplicar as alterações?",
     {"Sim", "Não"},
     "Lista de canais"},
    {QLocale::French,
     {"&Fichier", "&Édition", "&Affichage", "&Satellite", "&Transpondeur", "&Chaîne", "&Outils", "Ai&de"},
     "&Liste des chaînes",
     "Certains paramètres de la chaîne ont été modifiés.\nVoulez-vous appliquer les modifications ?",
     {"Oui", "Non"},
     "Liste des chaînes"},
    {QLocale::Arabic,
     {"&ملف", "&تحرير", "&عرض", "القمر ال&صناعي", "الترانس&بوندر", "ال&قناة", "&أدوات", "م&ساعدة"},
     "&قائمة القنوات",
     "تم تغيير بعض معاملات القناة.\nهل تريد تطبيق التغييرات؟",
     {"نعم", "لا"},
     "قائمة القنوات"},
};

TEST_F(TranslatedEditorTest, EachLanguageTranslatesMenusPromptsAndChannelList) {
    for (const LanguageCase& language : kLanguages) {
        SCOPED_TRACE(QLocale::languageToString(language.language).toStdString());
        StartIn(language.language);
        EXPECT_EQ(MenuBarTitles(*frame), language.menuBar);
        EXPECT_EQ(frame->Action(ID_VIEW_CHANNEL_LIST)->text(), QString::fromUtf8(language.channelList));
        ExpectMenusReadRight(*frame);
        EXPECT_EQ(ApplyPrompt(), QString::fromUtf8(language.applyPrompt));
        EXPECT_EQ(YesNoButtons(), language.yesNo);
        EXPECT_EQ(ChannelListTitle(), QString::fromUtf8(language.channelListTitle));
        // The step just taken is named in the Edit menu, with the key as the language spells it.
        Type("programName", QStringLiteral("Other"));
        view->OnFormOk();
        frame->UpdateCommandStates();
        EXPECT_FALSE(frame->Action(ID_EDIT_UNDO)->text().contains(QStringLiteral("Edit Program")));
        ExpectMenusReadRight(*frame);
        EXPECT_EQ(frame->isRightToLeft(), language.language == QLocale::Arabic);
        EditorTest::TearDown();
    }
    EditorTest::SetUp();
}

// Arabic mirrors the main window, its edit bar and the dialogs, though Qt's own Arabic texts may be missing; the
// next language turns the layout back.
TEST_F(TranslatedEditorTest, ArabicLaysTheWindowsOutRightToLeft) {
    StartIn(QLocale::Arabic);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(frame->isRightToLeft());
    EXPECT_TRUE(bar->isRightToLeft());
    EXPECT_TRUE(tree->isRightToLeft());
    EXPECT_EQ(frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea); // at the tree's end, as in English
    OpenSample();
    bool dialogMirrored = false;
    guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                      [&](QWidget* modal) {
                          dialogMirrored = modal->isRightToLeft();
                          static_cast<QDialog*>(modal)->reject();
                      });
    EXPECT_TRUE(dialogMirrored);
    EditorTest::TearDown();
    StartIn(QLocale::German);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_FALSE(frame->isRightToLeft());
}

// Every push button of the main window's edit bar and of the dialogs the menus open is reached by a
// letter of its own within its window, in English and in every translation.
TEST_F(TranslatedEditorTest, EveryButtonHasItsOwnAccelerator) {
    QList<QLocale::Language> languages{QLocale::English, QLocale::German};
    for (const LanguageCase& language : kLanguages)
        languages << language.language;
    for (const QLocale::Language language : languages) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        StartIn(language);
        OpenSample();
        auto expectAccelerators = [this](QWidget* window) {
            QList<QAction*> buttons;
            // The push buttons, and the choices that have a letter too (the Export dialog's channel sets).
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                const bool pushButton = qobject_cast<QPushButton*>(button) != nullptr;
                if (button->isVisibleTo(window) && (pushButton || button->text().contains(QLatin1Char('&'))))
                    buttons << new QAction(button->text(), button);
            }
            // Alt and a letter opens a menu of the main window before it presses a button.
            if (window == frame.get())
                buttons << frame->menuBar()->actions();
            EXPECT_FALSE(buttons.isEmpty()) << window->objectName().toStdString();
            ExpectUniqueMnemonics(buttons, window->objectName());
        };
        for (const TreeItemHandle item : {NetworkItem(0), TransponderItem(0), ProgramItem(0)}) {
            Select(item);
            expectAccelerators(frame.get());
        }
        for (const int command :
             {ID_FILE_EXPORT_CHANNEL_LIST, ID_VIEW_CHANNEL_LIST, ID_FILE_MODIFICATION_DATE, ID_TOOLS_CLEAN_UP}) {
            EXPECT_TRUE(guitest::RunModal([&] { Trigger(command); },
                                          [&](QWidget* modal) {
                                              expectAccelerators(modal);
                                              static_cast<QDialog*>(modal)->reject();
                                          }))
                << command;
        }
        EXPECT_TRUE(guitest::RunModal([&] { guitest::Find<QPushButton>(bar, "moreAudio")->click(); },
                                      [&](QWidget* modal) {
                                          expectAccelerators(modal);
                                          static_cast<QDialog*>(modal)->reject();
                                      }));
        EditorTest::TearDown();
    }
    EditorTest::SetUp();
}

TEST_F(TranslatedEditorTest, NoTranslationForTheLanguageKeepsTheEnglishTexts) {
    StartIn(QLocale::Finnish);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(MenuBarTitles(*frame),
              (QStringList{"&File", "&Edit", "&View", "&Satellite", "&Transponder", "&Program", "T&ools", "&Help"}));
    EXPECT_EQ(frame->Action(ID_VIEW_CHANNEL_LIST)->text(), QStringLiteral("&Channel List"));
    EXPECT_EQ(ApplyPrompt(), QStringLiteral("Some of program parameters are changed.\nDo you want to apply?"));
    EXPECT_EQ(YesNoButtons(), (QStringList{"Yes", "No"}));
    EXPECT_EQ(ChannelListTitle(), QStringLiteral("Channel List"));
}

} // namespace
