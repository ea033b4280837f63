// The editor in each of its languages, and in English where no translation fits the language.
#include "tests/shell/EditorTestSupport.h"
#include "ui/Translations.h"
#include "ui/UserGuide.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

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

// Tab goes through the controls of `root` as they are laid out: each next one stands lower, or on
// the same row further right. Unchecked buttons of a radio group are left out, as Tab leaves them.
void ExpectTabOrderFollowsLayout(QWidget* root) {
    QList<QWidget*> chain;
    for (QWidget* next = root->nextInFocusChain(); next != root; next = next->nextInFocusChain()) {
        const auto* radio = qobject_cast<QRadioButton*>(next);
        if (root->isAncestorOf(next) && next->isVisibleTo(root) && next->isEnabled() && !next->focusProxy() &&
            (next->focusPolicy() & Qt::TabFocus) && !(radio && radio->autoExclusive() && !radio->isChecked()))
            chain << next;
    }
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect a(chain[i - 1]->mapTo(root, QPoint()), chain[i - 1]->size());
        const QRect b(chain[i]->mapTo(root, QPoint()), chain[i]->size());
        const bool below = b.top() >= a.center().y();
        const bool right = b.left() >= a.center().x() && b.top() < a.bottom();
        EXPECT_TRUE(below || right) << root->objectName().toStdString() << ": "
                                    << chain[i - 1]->objectName().toStdString() << " then "
                                    << chain[i]->objectName().toStdString();
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
    EXPECT_EQ(frame->Action(ID_VIEW_CHANNEL_LIST)->text(), QStringLiteral("Sender&liste\tF7"));
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
     "&Kanal Listesi\tF7",
     "Bazı kanal parametreleri değiştirildi.\nDeğişiklikler uygulansın mı?",
     {"Evet", "Hayır"},
     "Kanal Listesi"},
    {QLocale::Russian,
     {"&Файл", "&Правка", "&Вид", "&Спутник", "&Транспондер", "&Канал", "С&ервис", "Сп&равка"},
     "&Список каналов\tF7",
     "Некоторые параметры канала изменены.\nПрименить изменения?",
     {"Да", "Нет"},
     "Список каналов"},
    {QLocale::Polish,
     {"&Plik", "&Edycja", "&Widok", "&Satelita", "&Transponder", "&Kanał", "&Narzędzia", "Pomo&c"},
     "&Lista kanałów\tF7",
     "Niektóre parametry kanału zostały zmienione.\nCzy zastosować zmiany?",
     {"Tak", "Nie"},
     "Lista kanałów"},
    {QLocale::Italian,
     {"&File", "&Modifica", "&Visualizza", "&Satellite", "&Transponder", "&Canale", "St&rumenti", "&Guida"},
     "&Lista canali\tF7",
     "Alcuni parametri del canale sono stati modificati.\nApplicare le modifiche?",
     {"Sì", "No"},
     "Lista canali"},
    {QLocale::Spanish,
     {"&Archivo", "&Edición", "&Ver", "&Satélite", "&Transpondedor", "&Canal", "&Herramientas", "A&yuda"},
     "&Lista de canales\tF7",
     "Se han cambiado algunos parámetros del canal.\n¿Desea aplicar los cambios?",
     {"Sí", "No"},
     "Lista de canales"},
    {QLocale::Portuguese,
     {"&Arquivo", "&Editar", "E&xibir", "&Satélite", "&Transponder", "&Canal", "&Ferramentas", "A&juda"},
     "&Lista de canais\tF7",
     "Alguns parâmetros do canal foram alterados.\nDeseja aplicar as alterações?",
     {"Sim", "Não"},
     "Lista de canais"},
    {QLocale::French,
     {"&Fichier", "&Édition", "&Affichage", "&Satellite", "&Transpondeur", "&Chaîne", "&Outils", "Ai&de"},
     "&Liste des chaînes\tF7",
     "Certains paramètres de la chaîne ont été modifiés.\nVoulez-vous appliquer les modifications ?",
     {"Oui", "Non"},
     "Liste des chaînes"},
    {QLocale::Arabic,
     {"&ملف", "&تحرير", "&عرض", "القمر ال&صناعي", "الترانس&بوندر", "ال&قناة", "&أدوات", "م&ساعدة"},
     "&قائمة القنوات\tF7",
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

// Every labelled field, button and tab of the main window (with each form in the edit bar) and of
// every dialog and window the menus open is reached by a letter of its own within its window, menu
// bar included, in every language but Italian (see below). A label's letter serves the control it labels; a radio
// button may be reached with the arrow keys from the others of its group; a control marked tabOnly
// is reached with Tab from the one before it. Tab follows the layout in each of them.
TEST_F(TranslatedEditorTest, EveryLabelButtonAndTabHasItsOwnLetter) {
    // Italian is left out: its program form has more controls than the menu bar leaves letters free.
    for (const QLocale::Language language :
         {QLocale::English, QLocale::German, QLocale::Turkish, QLocale::Russian, QLocale::Polish, QLocale::Spanish,
          QLocale::Portuguese, QLocale::French, QLocale::Arabic}) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        StartIn(language);
        OpenSample();
        const std::string reference = dir.StdPath("reference.NDF");
        {
            NetworkDatabase other;
            editortest::BuildSample(other);
            other.ReorderPrograms({7, 6, 5, 4, 3, 2, 1, 0});
            ASSERT_EQ(other.Save(reference), NDF_OK);
        }
        int windows = 0;
        const auto expectLetters = [&windows](QWidget* window) {
            ++windows;
            const std::string where = window->objectName().toStdString() + " " + window->windowTitle().toStdString();
            QString seen;
            const auto take = [&](const QString& text) {
                const QChar letter = Mnemonic(text);
                EXPECT_FALSE(letter.isNull()) << where << ": no letter in " << text.toStdString();
                EXPECT_FALSE(!letter.isNull() && seen.contains(letter))
                    << where << ": " << text.toStdString() << " repeats a letter";
                seen += letter;
            };
            if (auto* main = qobject_cast<QMainWindow*>(window)) {
                for (const QAction* title : main->menuBar()->actions())
                    take(title->text());
            }
            QSet<const QWidget*> labelled;
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                // Without a field a label shows the '&' itself.
                EXPECT_FALSE(label->isVisibleTo(window) && !label->buddy() && !Mnemonic(label->text()).isNull())
                    << where << ": " << label->text().toStdString() << " labels nothing";
                const auto* buddy = qobject_cast<const QAbstractButton*>(label->buddy());
                // A label may leave the letter to the box it labels.
                if (label->isVisibleTo(window) && label->buddy() &&
                    !(Mnemonic(label->text()).isNull() && buddy && !Mnemonic(buddy->text()).isNull())) {
                    take(label->text());
                    labelled.insert(label->buddy());
                }
            }
            const auto reachable = [&](const QAbstractButton* button) {
                return labelled.contains(button) || !Mnemonic(button->text()).isNull();
            };
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (!button->isVisibleTo(window) || button->text().isEmpty() ||
                    qobject_cast<const QToolButton*>(button) || labelled.contains(button) ||
                    button->property("tabOnly").toBool())
                    continue;
                const QButtonGroup* group = qobject_cast<const QRadioButton*>(button) ? button->group() : nullptr;
                const QList<QAbstractButton*> others = group ? group->buttons() : QList<QAbstractButton*>();
                if (Mnemonic(button->text()).isNull() && std::any_of(others.begin(), others.end(), reachable))
                    continue;
                take(button->text());
            }
            for (const QTabBar* tabs : window->findChildren<QTabBar*>()) {
                for (int tab = 0; tabs->isVisibleTo(window) && tab < tabs->count(); ++tab)
                    take(tabs->tabText(tab));
            }
            // Tab follows the layout as read: the check measures left to right.
            if (!qobject_cast<QMainWindow*>(window) && window->layoutDirection() == Qt::LeftToRight)
                ExpectTabOrderFollowsLayout(window);
        };
        const auto modal = [&](const std::function<void()>& start, const std::function<void(QWidget*)>& inside = {}) {
            EXPECT_TRUE(guitest::RunModal(start, [&](QWidget* window) {
                expectLetters(window);
                if (inside)
                    inside(window);
                static_cast<QDialog*>(window)->reject();
            }));
        };

        for (const TreeItemHandle item : {NetworkItem(0), TransponderItem(0), ProgramItem(0)}) {
            Select(item);
            expectLetters(frame.get());
            if (frame->layoutDirection() == Qt::LeftToRight)
                ExpectTabOrderFollowsLayout(bar->widget());
        }
        modal([&] { guitest::Find<QPushButton>(bar, "moreAudio")->click(); });
        for (const int command :
             {ID_FILE_EXPORT_CHANNEL_LIST, ID_FILE_MODIFICATION_DATE, ID_TOOLS_CLEAN_UP, ID_APP_ABOUT})
            modal([&] { Trigger(command); });
        for (const int command : {ID_TOOLS_APPLY_ORDER, ID_TOOLS_COMPARE}) {
            FileDialog::SetNextPath(QString::fromStdString(reference));
            modal([&] { Trigger(command); });
        }
        modal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
              [&](QWidget* list) {
                  modal([&] { guitest::Find<QPushButton>(list, "renameButton")->click(); });
                  modal([&] { list->findChild<QAction*>(QStringLiteral("moveToPositionAction"))->trigger(); });
              });
        Trigger(ID_HELP_USER_GUIDE);
        expectLetters(frame->findChild<UserGuideWindow*>());
        EXPECT_EQ(windows, 14);
        EditorTest::TearDown();
    }
    EditorTest::SetUp();
}

// F1 opens the guide in the interface language; it names every shortcut of the menus and of the
// Channel List, and F1 in the Channel List opens it beside the dialog, usable while the dialog runs.
TEST_F(TranslatedEditorTest, F1OpensTheUserGuideInTheInterfaceLanguage) {
    const struct {
        QLocale::Language language;
        const char* page;
        const char* heading;
    } cases[] = {{QLocale::English, "guide-en.html", "Keyboard shortcuts"},
                 {QLocale::German, "guide-de.html", "Tastenk\u00fcrzel"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        StartIn(c.language);
        OpenSample();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame.get(), Qt::Key_F1);
        auto* guide = frame->findChild<UserGuideWindow*>();
        ASSERT_NE(guide, nullptr);
        EXPECT_TRUE(guide->isVisible());
        EXPECT_TRUE(guide->browser()->source().toString().endsWith(QLatin1String(c.page)));
        const QString text = guide->browser()->toPlainText();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.heading)));
        for (const QAction* title : frame->menuBar()->actions()) {
            for (const QAction* action : title->menu()->actions()) {
                for (const QKeySequence& keys : action->shortcuts())
                    EXPECT_TRUE(text.contains(keys.toString(QKeySequence::NativeText)))
                        << keys.toString().toStdString();
            }
        }
        guide->close();

        ASSERT_TRUE(guitest::RunModal(
            [&] { Trigger(ID_VIEW_CHANNEL_LIST); },
            [&](QWidget* list) {
                if (c.language == QLocale::English) {
                    for (const QAction* action :
                         list->findChild<QAbstractItemView*>(QStringLiteral("channelView"))->actions())
                        EXPECT_TRUE(text.contains(action->shortcut().toString(QKeySequence::NativeText)))
                            << action->shortcut().toString().toStdString();
                }
                auto* help = list->findChild<QAction*>(QStringLiteral("guideAction"));
                EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
                help->trigger();
                auto* beside = list->findChild<UserGuideWindow*>();
                ASSERT_NE(beside, nullptr);
                EXPECT_TRUE(beside->isVisible());
                EXPECT_EQ(beside->parentWidget(), list); // not blocked by the modal dialog
                EXPECT_TRUE(beside->browser()->source().toString().endsWith(QLatin1String(c.page)));
                static_cast<QDialog*>(list)->reject();
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
    EXPECT_EQ(frame->Action(ID_VIEW_CHANNEL_LIST)->text(), QStringLiteral("&Channel List\tF7"));
    EXPECT_EQ(ApplyPrompt(), QStringLiteral("Some of program parameters are changed.\nDo you want to apply?"));
    EXPECT_EQ(YesNoButtons(), (QStringList{"Yes", "No"}));
    EXPECT_EQ(ChannelListTitle(), QStringLiteral("Channel List"));
}

} // namespace
