// File Export Channel List: the scope dialog, the formats by filter and by typed suffix, and that
// the database stays as it was.
#include "EditorTestSupport.h"

#include "export/ChannelPdf.h"
#include "export/ExportDialog.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTimer>

#include <functional>

using namespace editortest;

namespace {

const char* const kHeader = "\xEF\xBB\xBFNo.,Name,Type,Satellite,Position,Frequency,Polarity,Symbol Rate,Service ID,"
                            "CA,Favorites\r\n";

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

size_t PdfPages(const std::string& pdf) {
    size_t pages = 0;
    for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        pages += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
    return pages;
}

class ExportTest : public EditorTest {
protected:
    // Runs the command: choose picks the scope in the dialog, then OK; the save dialog answers path
    // with the filter entry given (none: the one it started on).
    bool Export(const std::function<void(QWidget*)>& choose, const QString& path, const QString& filter = QString()) {
        FileDialog::SetNextPath(path, filter);
        return guitest::RunModal([&] { Trigger(ID_FILE_EXPORT_CHANNEL_LIST); },
                                 [&](QWidget* modal) {
                                     choose(modal);
                                     guitest::Find<QPushButton>(modal, "okButton")->click();
                                 });
    }
    static void All(QWidget*) {}
};

TEST_F(ExportTest, EachFormatFollowsTheTypedSuffixOrElseTheChosenFilter) {
    OpenSample();
    const std::vector<uint8_t> ndf = ReadBytes(samplePath);
    FileDialog::TakeShown();
    struct Case {
        const char* name;
        const char* filter;
        const char* starts;
    };
    const Case cases[] = {
        {"a.csv", "", "\xEF\xBB\xBFNo.,"},
        {"b", "Web page (*.html)", "<!DOCTYPE html>"},
        {"c.HTM", "PDF file (*.pdf)", "<!DOCTYPE html>"},
        {"d.pdf", "CSV file (*.csv)", "%PDF"},
        {"e", "PDF file (*.pdf)", "%PDF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Export(All, dir.Path(QString::fromLatin1(c.name)), QString::fromLatin1(c.filter)));
        const std::string written = Text(ReadBytes(dir.StdPath(c.name)));
        EXPECT_EQ(written.rfind(c.starts, 0), 0u) << written.substr(0, 40);
        if (written.rfind("%PDF", 0) == 0) {
            EXPECT_EQ(PdfPages(written), 1u);
        }
    }
    const auto dialogs = FileDialog::TakeShown();
    ASSERT_EQ(dialogs.size(), std::size(cases));
    EXPECT_EQ(dialogs[0].mode, FileDialog::SaveOverwritePrompt);
    EXPECT_EQ(dialogs[0].filter, QStringLiteral("CSV file (*.csv);;Web page (*.html);;PDF file (*.pdf)"));
    EXPECT_EQ(dialogs[0].initialPath, dir.Path(QStringLiteral("list")));
    EXPECT_TRUE(Boxes().empty());

    // Reading only: no step to undo, nothing modified, the file untouched.
    EXPECT_FALSE(view->IsModified());
    EXPECT_FALSE(view->History().CanUndo());
    EXPECT_EQ(ReadBytes(samplePath), ndf);
}

TEST_F(ExportTest, DialogOffersTheSatellitesWithProgramsAndTheGroupsWithChannels) {
    OpenSample();
    const bool ran = Export(
        [](QWidget* modal) {
            auto* combo = guitest::Find<QComboBox>(modal, "satelliteCombo");
            QStringList texts;
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
            EXPECT_EQ(texts, (QStringList{"Astra 2 (28.2)", "Astra 1 (19.2)", "Hotbird (13.0)"}));
            EXPECT_FALSE(combo->isEnabled());
            guitest::Find<QRadioButton>(modal, "scopeSatellite")->click();
            EXPECT_TRUE(combo->isEnabled());
            combo->setCurrentIndex(1);
        },
        dir.Path(QStringLiteral("sat.csv")));
    ASSERT_TRUE(ran);
    EXPECT_EQ(Text(ReadBytes(dir.StdPath("sat.csv"))), std::string(kHeader) +
                                                           "5,Channel 5,TV,Astra 1,19.2E,10800,V,27500,5,,\r\n"
                                                           "6,Channel 6,TV,Astra 1,19.2E,10800,V,27500,6,,\r\n");

    ASSERT_TRUE(Export(
        [](QWidget* modal) {
            auto* combo = guitest::Find<QComboBox>(modal, "groupCombo");
            ASSERT_EQ(combo->count(), 1); // the other groups list no channel
            EXPECT_EQ(combo->itemText(0), QStringLiteral("Group 1"));
            guitest::Find<QRadioButton>(modal, "scopeGroup")->click();
        },
        dir.Path(QStringLiteral("group.csv"))));
    EXPECT_EQ(Text(ReadBytes(dir.StdPath("group.csv"))),
              std::string(kHeader) + "1,Channel 1,TV,Astra 2,28.2E,10700,V,27500,1,,Group 1\r\n"
                                     "2,Channel 4,TV,Astra 2,28.2E,10710,H,27500,4,,Group 1\r\n");
}

TEST_F(ExportTest, CancelWritesNothingAndAFailedWriteSaysSo) {
    EXPECT_FALSE(Enabled(ID_FILE_EXPORT_CHANNEL_LIST));
    OpenSample();
    FileDialog::TakeShown();
    // Cancel in the scope dialog: no save dialog.
    EXPECT_TRUE(guitest::RunModal([&] { Trigger(ID_FILE_EXPORT_CHANNEL_LIST); },
                                  [](QWidget* modal) { guitest::Find<QPushButton>(modal, "cancelButton")->click(); }));
    EXPECT_TRUE(FileDialog::TakeShown().empty());
    // Cancel in the save dialog: no file, no box.
    ASSERT_TRUE(Export(All, QString()));
    EXPECT_TRUE(Boxes().empty());

    MessageBox::SetNextAnswer(MessageBox::Ok);
    ASSERT_TRUE(Export(All, dir.Path(QStringLiteral("missing/list.pdf"))));
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MessageBox::IconStop);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Creating file failed"));
    EXPECT_EQ(QDir(dir.Path(QString())).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"list.NDF"});
    EXPECT_FALSE(view->IsModified());
}

TEST(ChannelPdfTest, LongListsRunOverPagesAndAnEmptyListIsNoFault) {
    ChannelExport list;
    ChannelRow row;
    row.cells = {"1", "Caf\xE9\x01", "TV", "Astra 1", "19.2", "11778", "V", "27500", "1", "", ""};
    list.rows.assign(400, row);
    list.coversRadio = true; // covered, but without rows
    const QByteArray pdf = ChannelListPdf(list, QStringLiteral("list.NDF"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(PdfPages(pdf.toStdString()), 5u);
    EXPECT_EQ(PdfPages(ChannelListPdf(ChannelExport{}, QString()).toStdString()), 1u);
}

// The German interface writes German lists: the same words as ndftool export --lang de.
TEST_F(ExportTest, ExportsFollowTheInterfaceLanguage) {
    struct English {
        ~English() { InstallTranslations(QLocale(QLocale::English)); }
    } restore;
    InstallTranslations(QLocale(QLocale::German));
    OpenSample();
    ASSERT_TRUE(Export(All, dir.Path(QStringLiteral("de.csv"))));
    const std::string head =
        "\xEF\xBB\xBFNr.,Name,Typ,Satellit,Position,Frequenz,Polarisation,Symbolrate,Service-ID,CA,Favoriten\r\n"
        "1,Channel 1,TV,Astra 2,28.2E,10700,V,27500,1,,Group 1\r\n";
    EXPECT_EQ(Text(ReadBytes(dir.StdPath("de.csv"))).substr(0, head.size()), head);
    ASSERT_TRUE(Export(All, dir.Path(QStringLiteral("de.html"))));
    const std::string page = Text(ReadBytes(dir.StdPath("de.html")));
    for (const char* text : {"<html lang=\"de\">", "<title>Senderliste: list.NDF, 2024-05-17</title>",
                             "<p class=\"scope\">Alle Sender</p>", "<h2>TV (8 Sender)</h2>", "<th>Favoriten</th>"})
        EXPECT_NE(page.find(text), std::string::npos) << text;
    const ExportTexts texts = ExportDialog::Texts();
    EXPECT_EQ(texts.page, "Seite %1 von %2");
    EXPECT_EQ(texts.favoriteGroup, "Favoritengruppe %1");
}

// A PDF that takes a while shows its progress; Cancel there leaves no file and says nothing.
TEST_F(ExportTest, CancellingThePdfsProgressLeavesNoFile) {
    OpenSample();
    NetworkDatabase& db = view->Database();
    for (int i = 0; i < 600; ++i)
        db.AddProgram(0, NO_INDEX)->name = "Filler " + std::to_string(i);
    ExportDialog::SetProgressDelay(0);
    bool cancelled = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (progress == nullptr || progress->objectName() != QStringLiteral("exportProgress"))
            return;
        guitest::Find<QPushButton>(progress, "cancelButton")->click();
        cancelled = true;
    });
    poll.start();
    ASSERT_TRUE(Export(All, dir.Path(QStringLiteral("long.pdf"))));
    poll.stop();
    EXPECT_TRUE(cancelled);
    EXPECT_FALSE(QFile::exists(dir.Path(QStringLiteral("long.pdf"))));
    EXPECT_TRUE(Boxes().empty());

    ASSERT_TRUE(Export(All, dir.Path(QStringLiteral("long.pdf"))));
    ExportDialog::SetProgressDelay(500);
    EXPECT_GT(PdfPages(Text(ReadBytes(dir.StdPath("long.pdf")))), 10u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A web page of more rows than a browser prints well: the dialog says so for the scope chosen.
TEST_F(ExportTest, DialogSuggestsPdfForAPageTooLongToPrint) {
    OpenSample();
    NetworkDatabase& db = view->Database();
    for (size_t i = 0; i < kHtmlPrintableRows; ++i)
        db.AddProgram(0, NO_INDEX);
    ASSERT_TRUE(Export(
        [](QWidget* modal) {
            auto* note = guitest::Find<QLabel>(modal, "printNote");
            EXPECT_TRUE(note->isVisible());
            EXPECT_TRUE(note->text().startsWith(QStringLiteral("5008 channels: ")));
            EXPECT_TRUE(note->text().contains(QStringLiteral("PDF")));
            guitest::Find<QRadioButton>(modal, "scopeGroup")->click();
            EXPECT_FALSE(note->isVisible());
            guitest::Find<QRadioButton>(modal, "scopeTv")->click();
            EXPECT_TRUE(note->isVisible());
        },
        QString()));
}

TEST(ChannelPdfTest, AnOverlongCellIsElidedAndTheOthersStayWhole) {
    ChannelExport list;
    ChannelRow row;
    row.cells = {"1", "Das Erste HD", "TV", "Astra 1", "19.2E", "11494", "H", "22000", "10301", "VICS", "News"};
    list.rows.assign(3, row);
    list.rows[1].cells[EXPORT_NAME] = std::string(255, 'W');
    list.rows[2].cells[EXPORT_FAVORITES] = std::string(255, 'n');
    const QList<QStringList> table = ChannelPdfTableTexts(list);
    ASSERT_EQ(table.size(), 4);
    EXPECT_EQ(
        table[0].join(QLatin1Char(',')),
        QStringLiteral("No.,Name,Type,Satellite,Position,Frequency,Polarity,Symbol Rate,Service ID,CA,Favorites"));
    EXPECT_EQ(table[1].join(QLatin1Char(',')),
              QStringLiteral("1,Das Erste HD,TV,Astra 1,19.2E,11494,H,22000,10301,VICS,News"));
    for (const auto& [rowIndex, column] : {std::pair{2, EXPORT_NAME}, std::pair{3, EXPORT_FAVORITES}}) {
        const QString cell = table[rowIndex][column];
        EXPECT_TRUE(cell.endsWith(QChar(0x2026))) << cell.toStdString();
        EXPECT_GT(cell.size(), 10);
        EXPECT_LT(cell.size(), 120);
        EXPECT_EQ(table[rowIndex][EXPORT_SATELLITE], QStringLiteral("Astra 1"));
    }
}

} // namespace
