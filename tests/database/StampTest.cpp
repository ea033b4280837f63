// The modification stamp of the file header: a date or an area letter with a version number.
#include "tests/support/Stamp.h"
#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using stamptest::SetStamp;
using stamptest::Stamp;
using stamptest::StampOf;

auto DayOf(const CalendarDate& d) {
    return std::tuple(d.year, d.month, d.day);
}

// A stamp that holds no date reads as the current day (the clock may pass midnight in between).
void ExpectReadsAsToday(const NetworkDatabase& db) {
    const CalendarDate before = LocalNow();
    const CalendarDate read = db.GetStampDate();
    const CalendarDate after = LocalNow();
    EXPECT_LE(DayOf(before), DayOf(read)) << StampOf(db);
    EXPECT_LE(DayOf(read), DayOf(after)) << StampOf(db);
}

TEST(StampDate, PacksAndUnpacksCalendarDates) {
    NetworkDatabase db;
    EXPECT_TRUE(db.SetStampDate({2004, 5, 19, 13, 45, 10}));
    EXPECT_EQ(StampOf(db), (Stamp{0x84, 5, 19}));
    EXPECT_EQ(db.GetStampDate(), (CalendarDate{2004, 5, 19, 0, 0, 0}));
    EXPECT_FALSE(db.SetStampDate({2004, 5, 19, 8, 0, 0})); // same day: no change

    for (auto [date, stamp] : {std::pair{CalendarDate{2000, 1, 1}, Stamp{0x80, 1, 1}},
                               {CalendarDate{2099, 12, 31}, Stamp{0xE3, 12, 31}},
                               {CalendarDate{2127, 6, 30}, Stamp{0xFF, 6, 30}},
                               {CalendarDate{2128, 6, 30}, Stamp{0x80, 6, 30}}, // the year byte wraps
                               {CalendarDate{2004, 2, 29}, Stamp{0x84, 2, 29}},
                               {CalendarDate{1999, 3, 1}, Stamp{0xFF, 3, 1}}}) {
        EXPECT_TRUE(db.SetStampDate(date));
        EXPECT_EQ(StampOf(db), stamp) << date.year;
    }
    SetStamp(db, {0xE3, 12, 31});
    EXPECT_EQ(db.GetStampDate(), (CalendarDate{2099, 12, 31}));
}

TEST(StampDate, RefusesWhatIsNoDate) {
    NetworkDatabase db;
    SetStamp(db, {0, 2, 17});
    for (CalendarDate date : {CalendarDate{2004, 13, 1}, CalendarDate{2004, 0, 1}, CalendarDate{2004, 4, 31},
                              CalendarDate{2003, 2, 29}, CalendarDate{2100, 2, 29}, CalendarDate{2004, 5, 0},
                              CalendarDate{2004, 5, 32}, CalendarDate{2004, -3, 10}, CalendarDate{2004, 5, 256 + 19}}) {
        EXPECT_FALSE(db.SetStampDate(date)) << date.year << '-' << date.month << '-' << date.day;
        EXPECT_EQ(StampOf(db), (Stamp{0, 2, 17}));
    }
}

TEST(StampDate, BytesThatHoldNoDateReadAsToday) {
    NetworkDatabase db;
    for (Stamp stamp :
         {Stamp{0x84, 13, 1}, Stamp{0x84, 0, 1}, Stamp{0x84, 5, 0}, Stamp{0x84, 5, 32}, Stamp{0x84, 4, 31},
          Stamp{0x83, 2, 29}, Stamp{0xE4, 1, 1}, Stamp{0x04, 5, 19}, Stamp{0, 1, 17}}) {
        SetStamp(db, stamp);
        ExpectReadsAsToday(db);
    }
}

TEST(StampVersion, ParsesLetterAndNumber) {
    NetworkDatabase db;
    SetStamp(db, {0x84, 5, 19});
    EXPECT_TRUE(db.SetStampVersion("b17"));
    EXPECT_EQ(StampOf(db), (Stamp{0, 1, 17}));
    std::string text = "stale";
    EXPECT_TRUE(db.GetStampVersion(text));
    EXPECT_EQ(text, "B017");
    EXPECT_FALSE(db.SetStampVersion("B017")); // the same stamp
    EXPECT_FALSE(db.SetStampVersion("b 17"));

    for (auto [input, stamp] : {std::pair{"Z255", Stamp{0, 25, 255}},
                                {"a0", Stamp{0, 0, 0}},
                                {"C \t 42", Stamp{0, 2, 42}},
                                {"D7x9", Stamp{0, 3, 7}},
                                {"E0000012", Stamp{0, 4, 12}},
                                {"F9 and more", Stamp{0, 5, 9}}}) {
        EXPECT_TRUE(db.SetStampVersion(input)) << input;
        EXPECT_EQ(StampOf(db), stamp) << input;
    }
    EXPECT_TRUE(db.GetStampVersion(text));
    EXPECT_EQ(text, "F009");
}

TEST(StampVersion, RefusesBadTextAndKeepsTheStamp) {
    NetworkDatabase db;
    SetStamp(db, {0x84, 5, 19});
    for (const char* input : {"B256", "1002", "B", "", " 17", "B-1", "B+1", "Bx", "é12", "-12", "B99999999999",
                              "B4294967297", "[5", "`5", "@5", "{5"}) {
        EXPECT_FALSE(db.SetStampVersion(input)) << '"' << input << '"';
        EXPECT_EQ(StampOf(db), (Stamp{0x84, 5, 19})) << input;
    }
}

TEST(StampVersion, DateStampHasNoVersionText) {
    NetworkDatabase db;
    SetStamp(db, {0x84, 5, 19});
    std::string text = "stale";
    EXPECT_FALSE(db.GetStampVersion(text));
    EXPECT_EQ(text, "");
    // Any stored letter index is shown as the byte "A" + index makes.
    SetStamp(db, {0, 26, 5});
    EXPECT_TRUE(db.GetStampVersion(text));
    EXPECT_EQ(text, "[005");
    SetStamp(db, {0, 191, 0});
    EXPECT_TRUE(db.GetStampVersion(text));
    EXPECT_EQ(text, std::string("\x00", 1) + "000");
}

TEST(Stamp, SerializeStampsTodayUnlessKept) {
    NetworkDatabase db;
    db.NewDefault();
    SetStamp(db, {0, 1, 17});
    std::vector<uint8_t> image;
    const CalendarDate before = LocalNow();
    ASSERT_GT(db.Serialize(image), 0u);
    const CalendarDate after = LocalNow();
    NetworkDatabase packed;
    packed.SetStampDate(before);
    const Stamp first = StampOf(packed);
    packed.SetStampDate(after);
    EXPECT_TRUE(StampOf(db) == first || StampOf(db) == StampOf(packed)) << StampOf(db);
    EXPECT_EQ(image[9], db.stampYear);
    EXPECT_EQ(image[10], db.stampMonth);
    EXPECT_EQ(image[11], db.stampDay);

    db.keepStamp = true;
    SetStamp(db, {0, 1, 17});
    ASSERT_GT(db.Serialize(image), 0u);
    EXPECT_EQ(StampOf(db), (Stamp{0, 1, 17}));
    EXPECT_EQ(image[9], 0);
    EXPECT_EQ(image[10], 1);
    EXPECT_EQ(image[11], 17);
}

} // namespace
