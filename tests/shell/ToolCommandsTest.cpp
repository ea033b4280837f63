// The Tools menu in the main window: Apply Order from File, Clean Up and Compare with File through
// the file-dialog and message-box seams, each change one step that Undo takes back.
#include "EditorTestSupport.h"

#include "rescan/ApplyOrder.h"
#include "rescan/CleanUp.h"
#include "rescan/Compare.h"
#include "tests/support/RealisticLists.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

using namespace editortest;

namespace {

class ToolCommandsTest : public EditorTest {
protected:
    std::vector<uint8_t> Image() {
        std::vector<uint8_t> image;
        db().Serialize(image);
        return image;
    }

    // The sample in reverse channel order, its last program ("Channel 8") replaced by "Gone".
    QString WriteReference() {
        NetworkDatabase reference;
        BuildSample(reference);
        Program gone = *reference.programs()[7];
        gone.name = "Gone";
        gone.serviceId = 99;
        reference.SetProgram(7, gone);
        reference.ReorderPrograms({7, 6, 5, 4, 3, 2, 1, 0});
        const std::string path = dir.StdPath("reference.NDF");
        EXPECT_EQ(reference.Save(path), NDF_OK);
        return QString::fromStdString(path);
    }

    // Opens the sample with a repeat of its first program and a group with a repeated and a dangling entry.
    void OpenDirtySample() {
        NetworkDatabase dirty;
        BuildSample(dirty);
        dirty.AppendProgram(*dirty.programs()[0]);
        dirty.SetFavoriteGroup(1, FavoriteGroup{"Group 2", {1, 1, 200}, {}});
        samplePath = dir.StdPath("dirty.NDF");
        ASSERT_EQ(dirty.Save(samplePath), NDF_OK);
        OpenThroughMenu(QString::fromStdString(samplePath));
    }

    // Runs the command's dialog; `interact` closes it.
    void RunTool(int id, const std::function<void(QWidget*)>& interact) {
        EXPECT_TRUE(guitest::RunModal([&] { Trigger(id); }, interact));
    }

    std::vector<std::string> ProgramNames() {
        std::vector<std::string> names;
        for (const auto& program : db().programs())
            names.push_back(program->name);
        return names;
    }

    // A click on a heading sorts by it, numbers as numbers, a second click turns the order; "No."
    // gives the list's order back.
    static void ExpectHeadingsSort(QTreeWidget* table, const std::vector<PlannedChannel>& channels) {
        ASSERT_GT(table->topLevelItemCount(), 20);
        auto clickHeading = [table](int column) {
            table->scrollTo(table->model()->index(0, column));
            QHeaderView* header = table->header();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                     header->height() / 2));
        };
        auto column = [table](int index) {
            std::vector<QString> cells;
            for (int row = 0; row < table->topLevelItemCount(); ++row)
                cells.push_back(table->topLevelItem(row)->text(index));
            return cells;
        };
        std::vector<uint16_t> serviceIds;
        std::vector<QString> listOrder;
        for (const PlannedChannel& channel : channels) {
            serviceIds.push_back(channel.serviceId);
            listOrder.push_back(QStringLiteral("%1 %2").arg(channel.radio ? "Radio" : "TV").arg(channel.number));
        }
        std::sort(serviceIds.begin(), serviceIds.end());
        std::vector<QString> ascending;
        for (const uint16_t serviceId : serviceIds)
            ascending.push_back(QString::number(serviceId));
        EXPECT_EQ(column(0), listOrder);
        clickHeading(5);
        EXPECT_EQ(column(5), ascending);
        clickHeading(5);
        EXPECT_EQ(column(5), std::vector<QString>(ascending.rbegin(), ascending.rend()));
        clickHeading(0);
        EXPECT_EQ(column(0), listOrder);
    }

    // Undo gives the bytes before, Redo those after.
    void ExpectOneUndoableStep(const std::vector<uint8_t>& before, const QString& name) {
        const std::vector<uint8_t> after = Image();
        ASSERT_NE(before, after);
        frame->UpdateCommandStates();
        EXPECT_EQ(frame->Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo %1\tCtrl+Z").arg(name));
        Trigger(ID_EDIT_UNDO);
        EXPECT_EQ(Image(), before);
        EXPECT_FALSE(view->IsModified());
        Trigger(ID_EDIT_REDO);
        EXPECT_EQ(Image(), after);
    }
};

TEST_F(ToolCommandsTest, ApplyOrderShowsThePairingAndCancelChangesNothing) {
    OpenSample();
    const std::vector<uint8_t> before = Image();
    FileDialog::SetNextPath(WriteReference());
    RunTool(ID_TOOLS_APPLY_ORDER, [](QWidget* modal) {
        EXPECT_TRUE(
            guitest::Find<QLabel>(modal, "summaryLabel")
                ->text()
                .startsWith(QStringLiteral("Reference: reference.NDF\n7 of 8 channels of the reference paired: "
                                           "7 by service ID and frequency, 0 by service ID alone, 0 by name.")));
        auto* satellites = guitest::Find<QTreeWidget>(modal, "satelliteTable");
        ASSERT_EQ(satellites->topLevelItemCount(), 3);
        EXPECT_EQ(satellites->topLevelItem(0)->text(0), QStringLiteral("Astra 2 (28.2E)"));
        EXPECT_EQ(satellites->topLevelItem(0)->text(1), QStringLiteral("Astra 2 (28.2E)"));
        auto* notFound = guitest::Find<QTreeWidget>(modal, "notFoundTable");
        ASSERT_EQ(notFound->topLevelItemCount(), 1);
        EXPECT_EQ(notFound->topLevelItem(0)->text(0), QStringLiteral("TV 1"));
        EXPECT_EQ(notFound->topLevelItem(0)->text(1), QStringLiteral("Gone"));
        EXPECT_EQ(notFound->topLevelItem(0)->text(2), QStringLiteral("Hotbird (13.0E)"));
        EXPECT_EQ(notFound->topLevelItem(0)->text(5), QStringLiteral("99"));
        auto* without = guitest::Find<QTreeWidget>(modal, "withoutPartnerTable");
        ASSERT_EQ(without->topLevelItemCount(), 1);
        EXPECT_EQ(without->topLevelItem(0)->text(1), QStringLiteral("Channel 8"));
        EXPECT_EQ(without->topLevelItem(0)->text(3), QStringLiteral("10900"));
        EXPECT_FALSE(guitest::Find<QLabel>(modal, "warningLabel")->isVisibleTo(modal));
        for (const char* box : {"channelOrderCheck", "favoriteGroupsCheck", "marksCheck"})
            EXPECT_TRUE(guitest::Find<QCheckBox>(modal, box)->isChecked()) << box;
        EXPECT_FALSE(guitest::Find<QCheckBox>(modal, "namesCheck")->isChecked());
        guitest::Find<QPushButton>(modal, "cancelButton")->click();
    });
    EXPECT_EQ(Image(), before);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    const std::vector<FileDialog::Shown> shown = FileDialog::TakeShown(); // Open's, then the reference's
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].filter, QStringLiteral("Network Dababase File (*.NDF);;All file (*.*)"));
}

// A realistic list against a rescan that lost a satellite: the warning must be confirmed, and the
// order, favorites, marks and kept names come over as one step.
TEST_F(ToolCommandsTest, ApplyOrderWarnsOfAReferenceSatelliteWithoutPartnerAndTakesAllAsOneStep) {
    NetworkDatabase list;
    realistic::BuildChannelList(list, 6);
    ASSERT_EQ(list.Save(dir.StdPath("list.NDF")), NDF_OK);
    NetworkDatabase scanned;
    realistic::RescanChanges changes;
    changes.dropSatellite = true;
    realistic::MakeRescan(list, scanned, changes);
    samplePath = dir.StdPath("scan.NDF");
    ASSERT_EQ(scanned.Save(samplePath), NDF_OK);
    OpenThroughMenu(QString::fromStdString(samplePath));
    const ApplyOrderPlan plan = PlanApplyOrder(list, db());
    const std::vector<uint8_t> before = Image();
    FileDialog::SetNextPath(dir.Path(QStringLiteral("list.NDF")));
    bool stayedOpen = false;
    RunTool(ID_TOOLS_APPLY_ORDER, [&](QWidget* modal) {
        EXPECT_TRUE(guitest::Find<QLabel>(modal, "warningLabel")->isVisibleTo(modal));
        auto* notFound = guitest::Find<QTreeWidget>(modal, "notFoundTable");
        EXPECT_EQ(notFound->topLevelItemCount(), static_cast<int>(plan.notFoundHere.size()));
        ExpectHeadingsSort(notFound, plan.notFoundHere);
        EXPECT_EQ(guitest::Find<QTreeWidget>(modal, "withoutPartnerTable")->topLevelItemCount(),
                  static_cast<int>(plan.withoutPartner.size()));
        MessageBox::SetNextAnswer(MessageBox::No);
        guitest::Find<QPushButton>(modal, "okButton")->click();
        stayedOpen = modal->isVisible();
        const std::vector<MessageBox::Shown> boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].buttons, MessageBox::ButtonsYesNoDefaultNo);
        EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("Eutelsat 7B (7.0E): "))) << boxes[0].text.toStdString();
        MessageBox::SetNextAnswer(MessageBox::Yes);
        guitest::Find<QPushButton>(modal, "okButton")->click();
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(Boxes().size(), 1u);
    // The first channel of the list, with its marks and, under "Don't update name", its name.
    const uint32_t first = plan.matching.partnerOfReference[0];
    ASSERT_NE(first, NO_PARTNER);
    EXPECT_EQ(db().programs()[0]->serviceId, scanned.programs()[first]->serviceId);
    size_t kept = 0;
    for (size_t p = 0, at = 0; p < list.programs().size(); ++p) {
        if (plan.matching.partnerOfReference[p] == NO_PARTNER)
            continue;
        const Program& now = *db().programs()[at++];
        EXPECT_EQ(now.attributes & kAppliedMarks, list.programs()[p]->attributes & kAppliedMarks);
        if (list.programs()[p]->attributes & PA_NO_NAME_UPDATE) {
            EXPECT_EQ(now.name, list.programs()[p]->name);
            // The tree shows the name taken.
            EXPECT_EQ(tree->LabelOf(now.treeItem), QString::fromStdString(now.name));
            ++kept;
        }
    }
    EXPECT_GT(kept, 0u);
    ExpectOneUndoableStep(before, QStringLiteral("Apply Order from File"));
}

TEST_F(ToolCommandsTest, ApplyOrderTakesTheChosenPartsAsOneStep) {
    OpenSample();
    Select(ProgramItem(2));
    const std::vector<uint8_t> before = Image();
    FileDialog::SetNextPath(WriteReference());
    RunTool(ID_TOOLS_APPLY_ORDER, [](QWidget* modal) {
        guitest::Find<QCheckBox>(modal, "favoriteGroupsCheck")->setChecked(false);
        guitest::Find<QPushButton>(modal, "okButton")->click();
    });
    EXPECT_EQ(ProgramNames(), (std::vector<std::string>{"Channel 7", "Channel 6", "Channel 5", "Channel 4", "Channel 3",
                                                        "Channel 2", "Channel 1", "Channel 8"}));
    // The file's own group, renumbered: Channel 1 and Channel 4.
    EXPECT_EQ(db().favoriteGroups()[0]->tvList, (std::vector<uint16_t>{6, 3}));
    EXPECT_EQ(tree->RecordOf(tree->SelectedItem()), db().programs()[4].get()); // still Channel 3
    ExpectOneUndoableStep(before, QStringLiteral("Apply Order from File"));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ToolCommandsTest, AnUnreadableOrCancelledFileChangesNothing) {
    OpenSample();
    const std::vector<uint8_t> before = Image();
    std::vector<uint8_t> damaged = ReadBytes(samplePath);
    damaged.back() = static_cast<uint8_t>(damaged.back() ^ 1);
    const std::string damagedPath = dir.StdPath("damaged.NDF");
    {
        FILE* file = std::fopen(damagedPath.c_str(), "wb");
        std::fwrite(damaged.data(), 1, damaged.size(), file);
        std::fclose(file);
    }
    for (const int id : {ID_TOOLS_APPLY_ORDER, ID_TOOLS_COMPARE}) {
        FileDialog::SetNextPath(QString::fromStdString(damagedPath));
        MessageBox::SetNextAnswer(MessageBox::Ok);
        Trigger(id);
        const std::vector<MessageBox::Shown> boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QStringLiteral("Bad checksum"));
        FileDialog::SetNextCancel();
        Trigger(id);
        EXPECT_TRUE(Boxes().empty());
    }
    EXPECT_EQ(Image(), before);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

// The findings tree: one row per rule, one check box per finding below it.
QTreeWidgetItem* RuleRow(QWidget* modal, int rule) {
    return guitest::Find<QTreeWidget>(modal, "findingsTree")->topLevelItem(rule);
}

// Sets a box as a click does, and lets the dialog find anew.
void SetChecked(QTreeWidgetItem* item, bool on) {
    item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    QCoreApplication::processEvents();
}

TEST_F(ToolCommandsTest, CleanUpRemovesTheCheckedFindingsAsOneStepAndSaysWhat) {
    OpenDirtySample();
    const std::vector<uint8_t> before = Image();
    RunTool(ID_TOOLS_CLEAN_UP, [](QWidget* modal) {
        QTreeWidgetItem* duplicates = RuleRow(modal, CLEAN_DUPLICATE_PROGRAMS);
        EXPECT_EQ(duplicates->text(0), QStringLiteral("Duplicate programs: 1"));
        ASSERT_EQ(duplicates->childCount(), 1);
        EXPECT_EQ(duplicates->child(0)->text(0),
                  QStringLiteral("TV 9 \"Channel 1\" on \"Astra 2\" 28.2E 10700 V, service ID 1: same as TV 1 "
                                 "\"Channel 1\""));
        QTreeWidgetItem* broken = RuleRow(modal, CLEAN_BROKEN_FAVORITES);
        ASSERT_EQ(broken->childCount(), 2);
        EXPECT_EQ(broken->child(0)->text(0),
                  QStringLiteral("Group 2 \"Group 2\", TV list entry 2: repeats TV 2 \"Channel 2\""));
        EXPECT_EQ(broken->child(1)->text(0),
                  QStringLiteral("Group 2 \"Group 2\", TV list entry 3: program 200 does not exist"));
        // One finding kept: the group shows both states.
        SetChecked(broken->child(1), false);
        broken = RuleRow(modal, CLEAN_BROKEN_FAVORITES);
        EXPECT_EQ(broken->checkState(0), Qt::PartiallyChecked);
        EXPECT_EQ(broken->child(0)->checkState(0), Qt::Checked);
        EXPECT_EQ(broken->child(1)->checkState(0), Qt::Unchecked);
        // A group's box takes all of its findings, and gives them back.
        SetChecked(RuleRow(modal, CLEAN_DUPLICATE_PROGRAMS), false);
        EXPECT_EQ(RuleRow(modal, CLEAN_DUPLICATE_PROGRAMS)->child(0)->checkState(0), Qt::Unchecked);
        SetChecked(RuleRow(modal, CLEAN_DUPLICATE_PROGRAMS), true);
        EXPECT_EQ(RuleRow(modal, CLEAN_DUPLICATE_PROGRAMS)->child(0)->checkState(0), Qt::Checked);
        MessageBox::SetNextAnswer(MessageBox::Ok);
        guitest::Find<QPushButton>(modal, "okButton")->click();
    });
    EXPECT_EQ(db().programs().size(), 8u);
    // The repeat went; the kept dangling entry moves down with the programs, as every delete does.
    EXPECT_EQ(db().favoriteGroups()[1]->tvList, (std::vector<uint16_t>{1, 199}));
    const std::vector<MessageBox::Shown> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Clean Up removed channels: 1, transponders: 0, favorite entries: 1."));
    ExpectOneUndoableStep(before, QStringLiteral("Clean Up"));
}

TEST_F(ToolCommandsTest, CompareShowsTheReportAndCopiesIt) {
    OpenSample();
    const std::vector<uint8_t> before = Image();
    const QString reference = WriteReference();
    NetworkDatabase other;
    std::vector<uint8_t> image;
    ASSERT_EQ(other.Open(reference.toStdString(), image), NDF_OK);
    ASSERT_EQ(other.Parse(image), NDF_OK);
    const QString expected = QString::fromStdString(CompareDatabases(db(), other).Text());
    ASSERT_TRUE(expected.contains(QStringLiteral("Programs moved: 6\n")));
    FileDialog::SetNextPath(reference);
    RunTool(ID_TOOLS_COMPARE, [&](QWidget* modal) {
        EXPECT_EQ(guitest::Find<QLabel>(modal, "filesLabel")->text(),
                  QStringLiteral("A: list.NDF (open)\nB: reference.NDF"));
        auto* report = guitest::Find<QPlainTextEdit>(modal, "reportView");
        EXPECT_TRUE(report->isReadOnly());
        EXPECT_EQ(report->toPlainText().trimmed().toStdString(), expected.trimmed().toStdString());
        guitest::Find<QPushButton>(modal, "copyButton")->click();
        EXPECT_EQ(QApplication::clipboard()->text(), expected);
        guitest::Find<QPushButton>(modal, "closeButton")->click();
    });
    EXPECT_EQ(Image(), before);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(Boxes().empty());
}

// The findings and the report in German: the core's records worded by the editor's translations.
TEST_F(ToolCommandsTest, CleanUpAndCompareSpeakTheUsersLanguage) {
    InstallTranslations(QLocale(QLocale::German));
    OpenDirtySample();
    RunTool(ID_TOOLS_CLEAN_UP, [](QWidget* modal) {
        EXPECT_EQ(RuleRow(modal, CLEAN_DUPLICATE_PROGRAMS)->text(0), QStringLiteral("Doppelte Programme: 1"));
        EXPECT_EQ(RuleRow(modal, CLEAN_BROKEN_FAVORITES)->child(1)->text(0),
                  QStringLiteral("Gruppe 2 \"Group 2\", TV-Liste Eintrag 3: Programm 200 existiert nicht"));
        guitest::Find<QPushButton>(modal, "cancelButton")->click();
    });
    FileDialog::SetNextPath(WriteReference());
    RunTool(ID_TOOLS_COMPARE, [](QWidget* modal) {
        const QString report = guitest::Find<QPlainTextEdit>(modal, "reportView")->toPlainText();
        EXPECT_TRUE(report.contains(QStringLiteral("Programme nur in A: 2\n  TV 8 \"Channel 8\" auf \"Hotbird\" "
                                                   "13.0E 10900 V, Service-ID 8\n")))
            << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("Verschobene Programme: "))) << report.toStdString();
        guitest::Find<QPushButton>(modal, "closeButton")->click();
    });
    InstallTranslations(QLocale(QLocale::English));
}

} // namespace
