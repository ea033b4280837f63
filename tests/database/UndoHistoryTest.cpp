#include "database/UndoHistory.h"

#include "TestDatabases.h"

#include <gtest/gtest.h>

using namespace testdb;

namespace {

class UndoHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillRandom(db, 11);
        db.AddChangeListener(&history);
    }

    // One command: a named step around a rename of program 0.
    void Rename(const std::string& step, const std::string& name) {
        history.BeginStep(step);
        Program value = *db.programs()[0];
        value.name = name;
        db.SetProgram(0, value);
        history.EndStep();
    }

    NetworkDatabase db;
    UndoHistory history;
};

TEST_F(UndoHistoryTest, StepsUndoAndRedoInOrderWithTheirNames) {
    ASSERT_FALSE(db.programs().empty());
    const Picture start = Take(db);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.UndoName(), "");
    Rename("Edit Program", "one");
    history.BeginStep("Delete Program");
    db.DeleteProgram(0);
    db.DeleteProgram(0); // two edits, one step
    history.EndStep();
    const Picture end = Take(db);
    EXPECT_EQ(history.StepCount(), 2u);
    EXPECT_EQ(history.UndoName(), "Delete Program");

    ASSERT_NE(history.Undo(db), nullptr);
    EXPECT_EQ(db.programs()[0]->name, "one");
    EXPECT_EQ(history.UndoName(), "Edit Program");
    EXPECT_EQ(history.RedoName(), "Delete Program");
    ASSERT_NE(history.Undo(db), nullptr);
    EXPECT_EQ(Take(db), start);
    EXPECT_EQ(history.Undo(db), nullptr);

    history.Redo(db);
    const UndoStep* step = history.Redo(db);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->kinds & CHANGE_RECORDS, CHANGE_RECORDS);
    EXPECT_EQ(Take(db), end);
    EXPECT_EQ(history.Redo(db), nullptr);
}

TEST_F(UndoHistoryTest, EmptyStepsAreDroppedAndInnerStepsBelongToTheOuterOne) {
    history.BeginStep("Sort by Degree");
    history.EndStep();
    EXPECT_EQ(history.StepCount(), 0u);

    history.BeginStep("Channel List");
    Rename("Edit Program", "inner");
    EXPECT_FALSE(history.CanUndo()); // nothing is undone while a command runs
    history.EndStep();
    EXPECT_EQ(history.StepCount(), 1u);
    EXPECT_EQ(history.UndoName(), "Channel List");

    // A change outside any command still becomes a step of its own.
    db.SetKeepStamp(!db.keepStamp);
    EXPECT_EQ(history.StepCount(), 2u);
}

TEST_F(UndoHistoryTest, TheSavedPointFollowsUndoRedoAndIsLostWithItsBranch) {
    EXPECT_TRUE(history.AtSavedPoint());
    Rename("Edit Program", "a");
    EXPECT_FALSE(history.AtSavedPoint());
    history.MarkSaved();
    Rename("Edit Program", "b");
    history.Undo(db);
    EXPECT_TRUE(history.AtSavedPoint());
    history.Undo(db);
    EXPECT_FALSE(history.AtSavedPoint());
    history.Redo(db);
    EXPECT_TRUE(history.AtSavedPoint());

    // Undone past the saved step, then a new step: the saved state can no longer be reached.
    history.Undo(db);
    Rename("Edit Program", "c");
    EXPECT_EQ(history.StepCount(), 1u);
    history.Undo(db);
    EXPECT_FALSE(history.AtSavedPoint());
    history.Redo(db);
    EXPECT_FALSE(history.AtSavedPoint());

    history.Clear();
    EXPECT_TRUE(history.AtSavedPoint());
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoHistoryTest, OldestStepsGoBeyondTheMemoryLimit) {
    UndoHistory small(4000);
    db.RemoveChangeListener(&history);
    db.AddChangeListener(&small);
    for (int i = 0; i < 50; ++i) {
        small.BeginStep("Edit Program");
        Program value = *db.programs()[0];
        value.name = std::string(200, static_cast<char>('a' + i % 26));
        db.SetProgram(0, value);
        small.EndStep();
    }
    EXPECT_LT(small.StepCount(), 50u);
    EXPECT_GE(small.StepCount(), 1u);
    EXPECT_LE(small.Bytes(), 4000u);
    EXPECT_FALSE(small.AtSavedPoint());
    while (small.Undo(db)) {
    }
    EXPECT_FALSE(small.AtSavedPoint()); // the opened state was dropped with the oldest steps
}

} // namespace

namespace {

TEST_F(UndoHistoryTest, TrimmingOlderStepsKeepsTheSavedPointOnItsStep) {
    Rename("Edit Program", std::string(200, 'x'));
    const size_t first = history.Bytes();
    Rename("Edit Program", std::string(200, 'y'));
    const size_t step = history.Bytes() - first; // a rename between two long names

    UndoHistory small(4 * step + step / 2); // room for four such steps
    db.RemoveChangeListener(&history);
    db.AddChangeListener(&small);
    auto rename = [&](char c) {
        small.BeginStep("Edit Program");
        Program value = *db.programs()[0];
        value.name = std::string(200, c);
        db.SetProgram(0, value);
        small.EndStep();
    };
    for (const char c : {'a', 'b', 'c'})
        rename(c);
    small.MarkSaved();
    const std::string saved = db.programs()[0]->name;
    for (const char c : {'d', 'e', 'f'})
        rename(c);
    ASSERT_EQ(small.StepCount(), 4u); // the two oldest went
    for (int undo = 0; undo < 3; ++undo) {
        EXPECT_FALSE(small.AtSavedPoint()) << undo;
        ASSERT_NE(small.Undo(db), nullptr);
    }
    EXPECT_TRUE(small.AtSavedPoint());
    EXPECT_EQ(db.programs()[0]->name, saved);
    ASSERT_NE(small.Undo(db), nullptr);
    EXPECT_FALSE(small.AtSavedPoint());
    EXPECT_EQ(small.Undo(db), nullptr);
}

} // namespace
