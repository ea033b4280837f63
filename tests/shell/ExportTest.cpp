// File Export Channel List: the scope dialog, the formats by filter and by typed suffix, and that
// the database stays as it was.
#include "EditorTestSupport.h"

#include "export/ChannelPdf.h"

#include <QComboBox>
#include <QDir>
#include <QRadioButton>

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
                                                           "5,Channel 5,TV,Astra 1,19.2,10800,V,27500,5,,\r\n"
                                                           "6,Channel 6,TV,Astra 1,19.2,10800,V,27500,6,,\r\n");

    ASSERT_TRUE(Export(
        [](QWidget* modal) {
            auto* combo = guitest::Find<QComboBox>(modal, "groupCombo");
            ASSERT_EQ(combo->count(), 1); // the other groups list no channel
            EXPECT_EQ(combo->itemText(0), QStringLiteral("Group 1"));
            guitest::Find<QRadioButton>(modal, "scopeGroup")->click();
        },
        dir.Path(QStringLiteral("group.csv"))));
    EXPECT_EQ(Text(ReadBytes(dir.StdPath("group.csv"))),
              std::string(kHeader) + "1,Channel 1,TV,Astra 2,28.2,10700,V,27500,1,,Group 1\r\n"
                                     "2,Channel 4,TV,Astra 2,28.2,10710,H,27500,4,,Group 1\r\n");
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

} // namespace
