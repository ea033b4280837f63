// The editor in German, and in English where no translation fits the language.
#include "tests/shell/EditorTestSupport.h"
#include "ui/Translations.h"

#include <QComboBox>
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
    ExpectUniqueMnemonics(frame->menuBar()->actions(), QStringLiteral("menu bar"));
    for (const QAction* title : frame->menuBar()->actions())
        ExpectUniqueMnemonics(title->menu()->actions(), title->text());
    EXPECT_EQ(ApplyPrompt(),
              QStringLiteral("Einige Programmparameter wurden geändert.\nSollen die Änderungen übernommen werden?"));
    EXPECT_EQ(YesNoButtons(), (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(ChannelListTitle(), QStringLiteral("Senderliste"));
    // The step names of the undo history are translated where the Edit menu shows them.
    Type("programName", QStringLiteral("Other"));
    view->OnFormOk();
    frame->UpdateCommandStates();
    EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Rückgängig: Programm bearbeiten\tStrg+Z"));

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

// Every push button of the main window's edit bar and of the dialogs the menus open is reached by a
// letter of its own within its window, in English and in German.
TEST_F(TranslatedEditorTest, EveryButtonHasItsOwnAccelerator) {
    for (const QLocale::Language language : {QLocale::English, QLocale::German}) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        StartIn(language);
        OpenSample();
        auto expectAccelerators = [](QWidget* window) {
            QList<QAction*> buttons;
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                if (button->isVisibleTo(window))
                    buttons << new QAction(button->text(), button);
            }
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
    StartIn(QLocale::French);
    EXPECT_EQ(MenuBarTitles(*frame),
              (QStringList{"&File", "&Edit", "&View", "&Satellite", "&Transponder", "&Program", "T&ools", "&Help"}));
    EXPECT_EQ(frame->Action(ID_VIEW_CHANNEL_LIST)->text(), QStringLiteral("&Channel List"));
    EXPECT_EQ(ApplyPrompt(), QStringLiteral("Some of program parameters are changed.\nDo you want to apply?"));
    EXPECT_EQ(YesNoButtons(), (QStringList{"Yes", "No"}));
    EXPECT_EQ(ChannelListTitle(), QStringLiteral("Channel List"));
}

} // namespace
