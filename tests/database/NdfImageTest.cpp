// The NDF image: checking, reading and writing it in memory.
#include "ImageWriter.h"
#include "TestDatabases.h"

#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testdb;

const std::string kLongName(255, 'L');

// One image with records of every kind and unusual values in every field (carried bits, damaged
// references, names with bytes above 127, the longest name, empty and full PID lists), encoded by
// hand under the given flags. `between` goes between the favorite block and the trailer.
std::vector<uint8_t> RichImage(uint32_t flags, uint8_t stampYear = 0, const std::string& between = {}) {
    ImageWriter w(flags, 1, stampYear, 3, 7);
    w.U8(3);
    w.U8(0xFF).U8(0xF7).U8(0xF3).U8(0xC5).U16(10700).U16(0xFFFF);
    w.U8(0x01).U8(0x03).U8(0x21).U8(0x41).U16(0).U16(0);
    w.U8(0).U8(0).U8(0).U8(0).U16(1).U16(2);

    w.U8(3);
    w.Name("Sat \xE9\xFF").U16(192).U8(7).U8(2);
    if (flags & NDF_FLAG_NET_SKEW)
        w.U8(1).U8(179);
    w.Name("").U16(3599).U8(0).U8(0);
    if (flags & NDF_FLAG_NET_SKEW)
        w.U8(106).U8(33);
    w.Name(kLongName).U16(0xFFFF).U8(255).U8(200); // antennaIndex past the configurations
    if (flags & NDF_FLAG_NET_SKEW)
        w.U8(255).U8(0);

    w.U16(3);
    if (flags & NDF_FLAG_TP_NAMES)
        w.Name("TP one");
    w.U16(12188).U16(27500).U8(0x31).U8(4).U8(0).U32(0xFFFFFFF9); // GMT error -7
    if (flags & NDF_FLAG_TP_NAMES)
        w.Name("");
    w.U16(11034).U16(22000).U8(0xFE).U8(255).U8(1).U32(0x80000000);
    if (flags & NDF_FLAG_TP_NAMES)
        w.Name(kLongName);
    w.U16(0).U16(0).U8(0).U8(0).U8(99).U32(0); // networkIndex past the networks

    w.U16(3);
    w.Name("Prog \x80").U16(0x1234).U16(0x0100).U16(0x0101);
    w.Pids({{0x0200, LANG_NONE}}).Pids({{0x4201, 6}, {0x0202, 0}, {0xFFFF, 200}}).Pids({{0x4300, LANG_NONE}});
    if (flags & NDF_FLAG_PROG_CA)
        w.U32(0xC0000489);
    w.U8(PA_RADIO | PA_LOCK | 0x08).U8(0x5A).U16(1);
    w.Name("").U16(0).U16(PID_NONE).U16(PID_NONE).Pids({}).Pids({}).Pids({});
    if (flags & NDF_FLAG_PROG_CA)
        w.U32(0);
    w.U8(0).U8(0).U16(NO_INDEX); // no transponder
    std::vector<std::pair<uint16_t, uint8_t>> many;
    for (int i = 0; i < 255; ++i)
        many.push_back({static_cast<uint16_t>(i * 257), static_cast<uint8_t>(i)});
    w.Name(kLongName).U16(0xFFFF).U16(0x1FFF).U16(0xE000).Pids(many).Pids(many).Pids({});
    if (flags & NDF_FLAG_PROG_CA)
        w.U32(0xFFFFFFFF);
    w.U8(0xFF).U8(0xFF).U16(7);

    w.U8(2);
    w.Name("Fav \xA0").U16(3).U16(0).U16(2).U16(500).U16(1).U16(1);
    w.Name(kLongName).U16(0).U16(2).U16(NO_INDEX).U16(0);
    w.Raw(between);
    return w.Finish();
}

// The 27-byte image: header, five zero counts, trailer.
std::vector<uint8_t> Smallest(uint8_t version = 1) {
    ImageWriter w(0, version);
    w.U8(0).U8(0).U16(0).U16(0).U8(0);
    return w.Finish();
}

std::vector<uint32_t> FlagVariants() {
    return {0, NDF_FLAG_TP_NAMES, NDF_FLAG_NET_SKEW, NDF_FLAG_PROG_CA, 7, 0xFFFFFFF8, 0x80000005};
}

std::vector<uint8_t> Serialized(NetworkDatabase& db) {
    std::vector<uint8_t> image;
    EXPECT_GT(db.Serialize(image), 0u) << db.LimitProblem();
    return image;
}

void ExpectEmpty(const NetworkDatabase& db) {
    EXPECT_TRUE(db.antennaConfigs().empty());
    EXPECT_TRUE(db.networks().empty());
    EXPECT_TRUE(db.transponders().empty());
    EXPECT_TRUE(db.programs().empty());
    EXPECT_TRUE(db.favoriteGroups().empty());
    EXPECT_EQ(db.pathName, "");
    EXPECT_FALSE(db.keepStamp);
}

// ---- CheckImage ----

TEST(CheckImage, StatusOfEachDamage) {
    const std::vector<uint8_t> good = Smallest();
    ASSERT_EQ(good.size(), NDF_MIN_FILE_SIZE);
    EXPECT_EQ(CheckImage(good.data(), good.size()), NDF_OK);

    auto check = [](std::vector<uint8_t> image) {
        // An exactly sized copy, so that a read past the end is caught.
        const std::vector<uint8_t> exact(image.begin(), image.end());
        return CheckImage(exact.data(), exact.size());
    };
    auto changed = [&good](size_t offset, int delta) {
        std::vector<uint8_t> image = good;
        image[offset] = static_cast<uint8_t>(image[offset] + delta);
        return image;
    };
    EXPECT_EQ(check(changed(26, 1)), NDF_BAD_CHECKSUM);
    EXPECT_EQ(check(changed(26, -1)), NDF_BAD_CHECKSUM);
    EXPECT_EQ(check(changed(4, 1)), NDF_INVALID_FORMAT);
    EXPECT_EQ(check(changed(4, -1)), NDF_INVALID_FORMAT);
    EXPECT_EQ(check(changed(7, 1)), NDF_INVALID_FORMAT);
    EXPECT_EQ(check(Smallest(0)), NDF_VERSION_UNSUPPORTED);
    EXPECT_EQ(check(Smallest(2)), NDF_VERSION_UNSUPPORTED);
    EXPECT_EQ(check(changed(0, 1)), NDF_INVALID_FORMAT);
    EXPECT_EQ(check(changed(3, 1)), NDF_INVALID_FORMAT);
    std::vector<uint8_t> magicAndVersion = Smallest(2);
    magicAndVersion[1] = 'X';
    EXPECT_EQ(check(magicAndVersion), NDF_INVALID_FORMAT); // the magic is tested first
    EXPECT_EQ(check(changed(23, 1)), NDF_INVALID_FORMAT);  // "END"
    EXPECT_EQ(check(changed(25, 1)), NDF_INVALID_FORMAT);

    // A 26-byte image with a matching length field, the magic and version 1.
    std::vector<uint8_t> shortImage(good.begin(), good.begin() + 22);
    shortImage.insert(shortImage.end(), {'E', 'N', 'D', 0});
    shortImage[4] = 26;
    shortImage.back() = Checksum(shortImage.data(), 25, 1);
    EXPECT_EQ(check(shortImage), NDF_INVALID_FORMAT);
    // Version 2 in an image below 27 bytes still reports the version, in the order of the tests.
    shortImage[8] = 2;
    EXPECT_EQ(check(shortImage), NDF_VERSION_UNSUPPORTED);

    // Every prefix of a valid image, down to nothing.
    for (size_t length = 0; length < good.size(); ++length) {
        std::vector<uint8_t> prefix(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_EQ(check(prefix), NDF_INVALID_FORMAT) << length;
        if (length >= 8) {
            prefix[4] = static_cast<uint8_t>(length);
            EXPECT_EQ(check(prefix), NDF_INVALID_FORMAT) << length;
        }
    }
    EXPECT_EQ(CheckImage(nullptr, 0), NDF_INVALID_FORMAT);
    EXPECT_EQ(Checksum(good.data(), 0, 0x7F), 0x7F);
    const uint8_t bytes[] = {0xFF, 0x02, 0x03};
    EXPECT_EQ(Checksum(bytes, 3, 1), 5);
}

// ---- Parse and Serialize ----

TEST(RoundTrip, EveryByteOfAValidImageSurvives) {
    for (uint32_t flags : FlagVariants()) {
        const std::vector<uint8_t> image = RichImage(flags);
        ASSERT_EQ(CheckImage(image.data(), image.size()), NDF_OK);
        NetworkDatabase db;
        ASSERT_EQ(db.Parse(image), NDF_OK) << flags;
        EXPECT_TRUE(db.keepStamp); // a version stamp is kept
        EXPECT_EQ(Serialized(db), image) << "flags " << flags;
    }
    // With a date stamp the bytes survive too once the stamp is to be kept.
    const std::vector<uint8_t> dated = RichImage(7, 0x84);
    NetworkDatabase db;
    ASSERT_EQ(db.Parse(dated), NDF_OK);
    EXPECT_FALSE(db.keepStamp);
    db.keepStamp = true;
    EXPECT_EQ(Serialized(db), dated);
}

TEST(RoundTrip, DateStampBecomesTodayWhenNotKept) {
    std::vector<uint8_t> dated = RichImage(7, 0x84);
    dated[11] = 0; // day 0 is no day: today can never match it
    dated.back() = Checksum(dated.data(), dated.size() - 1, 1);
    NetworkDatabase db;
    ASSERT_EQ(db.Parse(dated), NDF_OK);
    const std::vector<uint8_t> saved = Serialized(db);
    ASSERT_EQ(saved.size(), dated.size());
    for (size_t i = 0; i + 1 < saved.size(); ++i) {
        if (i < 9 || i > 11) {
            EXPECT_EQ(saved[i], dated[i]) << i;
        }
    }
    EXPECT_EQ(saved[9], db.stampYear);
    EXPECT_EQ(saved[10], db.stampMonth);
    EXPECT_EQ(saved[11], db.stampDay);
    EXPECT_NE(saved[11], 0);
    EXPECT_EQ(CheckImage(saved.data(), saved.size()), NDF_OK);
}

TEST(RoundTrip, FieldsLandWhereTheRecordsSayTheyBelong) {
    const std::vector<uint8_t> image = RichImage(7);
    NetworkDatabase db;
    db.loadedPathName = "/some/where.ndf";
    ASSERT_EQ(db.Parse(image), NDF_OK);
    EXPECT_EQ(db.pathName, "/some/where.ndf");
    EXPECT_EQ(db.version, 1);
    EXPECT_EQ(db.stampMonth, 3);
    EXPECT_EQ(db.stampDay, 7);
    EXPECT_EQ(db.formatFlags, 7u);
    ASSERT_EQ(db.antennaConfigs().size(), 3u);
    EXPECT_EQ(Show(*db.antennaConfigs()[0]), "255 247 243 197 10700 65535");
    ASSERT_EQ(db.networks().size(), 3u);
    EXPECT_EQ(Show(*db.networks()[0]), Show(Network{"Sat \xE9\xFF", 192, 7, 2, 1, 179, nullptr}));
    EXPECT_EQ(db.networks()[2]->name, kLongName);
    ASSERT_EQ(db.transponders().size(), 3u);
    const Transponder& t = *db.transponders()[0];
    EXPECT_EQ(t.name, "TP one");
    EXPECT_EQ(t.frequency, 12188);
    EXPECT_EQ(t.symbolRate, 27500);
    EXPECT_EQ(t.polFec, 0x31);
    EXPECT_EQ(t.freqDrift, 4);
    EXPECT_EQ(t.gmtError, -7);
    EXPECT_EQ(db.transponders()[1]->gmtError, GMT_UNSET);
    EXPECT_EQ(db.transponders()[2]->networkIndex, 99);
    ASSERT_EQ(db.programs().size(), 3u);
    const Program& p = *db.programs()[0];
    EXPECT_EQ(p.name, "Prog \x80");
    EXPECT_EQ(p.serviceId, 0x1234);
    EXPECT_EQ(p.pmtPid, 0x100);
    EXPECT_EQ(p.pcrPid, 0x101);
    EXPECT_EQ(p.audioPids.pids, (std::vector<uint16_t>{0x4201, 0x0202, 0xFFFF}));
    EXPECT_EQ(p.audioPids.languages, (std::vector<uint8_t>{6, 0, 200}));
    EXPECT_EQ(p.teletextPids.pids, (std::vector<uint16_t>{0x4300}));
    EXPECT_EQ(p.caMask, 0xC0000489u);
    EXPECT_EQ(p.attributes, PA_RADIO | PA_LOCK | 0x08);
    EXPECT_EQ(p.attributes2, 0x5A);
    EXPECT_EQ(p.transponderIndex, 1);
    EXPECT_EQ(db.programs()[1]->transponderIndex, NO_INDEX);
    EXPECT_EQ(db.programs()[2]->audioPids.Count(), 255u);
    EXPECT_EQ(db.programs()[2]->audioPids.pids[254], 254 * 257);
    ASSERT_EQ(db.favoriteGroups().size(), 2u);
    EXPECT_EQ(Show(*db.favoriteGroups()[0]), "\"Fav \xA0\" tv 0 2 500 radio 1");
    EXPECT_EQ(Show(*db.favoriteGroups()[1]), "\"" + kLongName + "\" tv radio " + std::to_string(NO_INDEX) + " 0");
}

TEST(RoundTrip, OptionalFieldsFollowTheFlags) {
    NetworkDatabase db;
    ASSERT_EQ(db.Parse(RichImage(0)), NDF_OK);
    for (const auto& network : db.networks()) {
        EXPECT_EQ(network->skewV, 106);
        EXPECT_EQ(network->skewH, 33);
    }
    for (const auto& transponder : db.transponders())
        EXPECT_EQ(transponder->name, "");
    for (const auto& program : db.programs())
        EXPECT_EQ(program->caMask, 0u);

    // What the flags leave out of the file does not come back, and caMask is cleared on saving.
    db.networks()[0]->skewV = 1;
    db.transponders()[0]->name = "typed";
    db.programs()[0]->caMask = 0x9;
    const std::vector<uint8_t> saved = Serialized(db);
    EXPECT_EQ(db.programs()[0]->caMask, 0u);
    NetworkDatabase back;
    ASSERT_EQ(back.Parse(saved), NDF_OK);
    EXPECT_EQ(back.networks()[0]->skewV, 106);
    EXPECT_EQ(back.transponders()[0]->name, "");
    EXPECT_EQ(back.programs()[0]->caMask, 0u);

    db.formatFlags = NDF_FLAG_PROG_CA;
    db.programs()[0]->caMask = 0x9;
    Serialized(db);
    EXPECT_EQ(db.programs()[0]->caMask, 0x9u);
}

TEST(RoundTrip, RecordSizes) {
    auto sizeWith = [](uint32_t flags, auto fill) {
        NetworkDatabase db;
        db.keepStamp = true;
        db.formatFlags = flags;
        fill(db);
        AddGroup(db, {});
        return Serialized(db).size() - NDF_MIN_FILE_SIZE - 5 - 2; // less one group named "G0"
    };
    EXPECT_EQ(sizeWith(0, [](NetworkDatabase& db) { AddTransponder(db, 0).name = "A"; }), 11u);
    EXPECT_EQ(sizeWith(NDF_FLAG_TP_NAMES, [](NetworkDatabase& db) { AddTransponder(db, 0).name = "A"; }), 13u);
    EXPECT_EQ(sizeWith(0, [](NetworkDatabase& db) { AddNetwork(db, "abc", 0); }), 1u + 3 + 4);
    EXPECT_EQ(sizeWith(NDF_FLAG_NET_SKEW, [](NetworkDatabase& db) { AddNetwork(db, "abc", 0); }), 1u + 3 + 6);
    EXPECT_EQ(sizeWith(0, [](NetworkDatabase& db) { AddProgram(db, 0).name = "ab"; }), 1u + 2 + 6 + 3 + 4);
    EXPECT_EQ(sizeWith(NDF_FLAG_PROG_CA, [](NetworkDatabase& db) { AddProgram(db, 0).name = "ab"; }),
              1u + 2 + 6 + 3 + 4 + 4);
    EXPECT_EQ(sizeWith(0, [](NetworkDatabase& db) { AddAntenna(db); }), 8u);
}

TEST(RoundTrip, BytesBetweenFavoritesAndTrailerAreDropped) {
    const std::vector<uint8_t> padded = RichImage(7, 0, std::string("\0unknown\xFF", 9));
    NetworkDatabase db;
    ASSERT_EQ(db.Parse(padded), NDF_OK);
    EXPECT_EQ(Serialized(db), RichImage(7));
}

TEST(RoundTrip, SmallestFileGainsTheDefaultGroups) {
    const std::vector<uint8_t> smallest = Smallest();
    NetworkDatabase db;
    ASSERT_EQ(db.Parse(smallest), NDF_OK);
    EXPECT_TRUE(db.networks().empty() && db.antennaConfigs().empty() && db.transponders().empty() &&
                db.programs().empty());
    ASSERT_EQ(db.favoriteGroups().size(), 8u);
    const char* names[] = {"News", "Movies", "Drama", "Hobby", "Music", "Cartoons", "Education", "Info"};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(db.favoriteGroups()[i]->name, names[i]);
        EXPECT_TRUE(db.favoriteGroups()[i]->tvList.empty() && db.favoriteGroups()[i]->radioList.empty());
    }
    EXPECT_EQ(Serialized(db).size(), 113u);
}

// ---- damaged images ----

TEST(ParseDamaged, BlocksRunningPastTheTrailerAreRefusedAndLeaveNothing) {
    const std::vector<uint8_t> whole = RichImage(7);
    const size_t blocksEnd = whole.size() - 4;
    for (size_t cut = 16; cut < blocksEnd; ++cut) {
        ImageWriter w;
        w.bytes.assign(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        const std::vector<uint8_t> image = w.Finish();
        if (image.size() >= NDF_MIN_FILE_SIZE) {
            ASSERT_EQ(CheckImage(image.data(), image.size()), NDF_OK);
        }
        NetworkDatabase db;
        db.loadedPathName = "x.ndf";
        AddProgram(db, 0);
        ASSERT_EQ(db.Parse(image), NDF_INVALID_FORMAT) << "cut at " << cut;
        ExpectEmpty(db);
    }
}

TEST(ParseDamaged, CountsThatClaimTheTrailerOrMoreAreRefused) {
    // The radio list of the last group claims one entry more: it would take "EN" of the trailer.
    std::vector<uint8_t> image = RichImage(7);
    const size_t radioCount = image.size() - 4 - 2 * 2 - 2;
    ASSERT_EQ(image[radioCount], 2);
    image[radioCount] = 3;
    image.back() = Checksum(image.data(), image.size() - 1, 1);
    NetworkDatabase db;
    EXPECT_EQ(db.Parse(image), NDF_INVALID_FORMAT);
    ExpectEmpty(db);

    // Counts far beyond the image, in every block.
    for (const auto& build :
         {+[](ImageWriter& w) { w.U8(255); }, +[](ImageWriter& w) { w.U8(0).U8(255); },
          +[](ImageWriter& w) { w.U8(0).U8(0).U16(0xFFFF); },
          +[](ImageWriter& w) { w.U8(0).U8(0).U16(0).U16(0xFFFF).Name("x"); },
          +[](ImageWriter& w) { w.U8(0).U8(0).U16(0).U16(1).Name("x").U16(1).U16(2).U16(3).U8(255); },
          +[](ImageWriter& w) { w.U8(0).U8(0).U16(0).U16(0).U8(1).Name("g").U16(0xFFFF); },
          +[](ImageWriter& w) { w.U8(0).U8(1).U8(200); }}) {
        ImageWriter w(7);
        build(w);
        w.U8(0).U8(0).U8(0); // a few bytes that cannot satisfy the counts
        const std::vector<uint8_t> bad = w.Finish();
        EXPECT_EQ(db.Parse(bad.data(), bad.size()), NDF_INVALID_FORMAT);
        ExpectEmpty(db);
    }
}

TEST(ParseDamaged, ShortOrForeignImages) {
    NetworkDatabase db;
    EXPECT_EQ(db.Parse(nullptr, 0), NDF_INVALID_FORMAT);
    const std::vector<uint8_t> tiny(26, 0);
    EXPECT_EQ(db.Parse(tiny), NDF_INVALID_FORMAT);
    db.loadedPathName = "old.ndf";
    EXPECT_EQ(db.Parse(Smallest(2)), NDF_VERSION_UNSUPPORTED);
    ExpectEmpty(db);
    EXPECT_EQ(db.version, 2);
}

// ---- what the file cannot hold ----

struct LimitCase {
    const char* what;
    void (*exceed)(NetworkDatabase&);
};

const LimitCase kLimitCases[] = {
    {"antenna configurations",
     [](NetworkDatabase& db) {
         for (int i = 0; i < 256; ++i)
             AddAntenna(db);
     }},
    {"networks",
     [](NetworkDatabase& db) {
         for (int i = 0; i < 256; ++i)
             AddNetwork(db, "", 0);
     }},
    {"transponders",
     [](NetworkDatabase& db) {
         for (int i = 0; i < 0x10000; ++i)
             db.AppendTransponder();
     }},
    {"programs",
     [](NetworkDatabase& db) {
         for (int i = 0; i < 0x10000; ++i)
             db.AppendProgram();
     }},
    {"favorite groups",
     [](NetworkDatabase& db) {
         for (int i = 0; i < 256; ++i)
             AddGroup(db, {});
     }},
    {"network name", [](NetworkDatabase& db) { AddNetwork(db, std::string(256, 'n'), 0); }},
    {"transponder name",
     [](NetworkDatabase& db) {
         db.formatFlags |= NDF_FLAG_TP_NAMES;
         AddTransponder(db, 0).name.assign(256, 't');
     }},
    {"program name", [](NetworkDatabase& db) { AddProgram(db, 0).name.assign(300, 'p'); }},
    {"group name", [](NetworkDatabase& db) { AddGroup(db, {}).name.assign(256, 'g'); }},
    {"audio PIDs",
     [](NetworkDatabase& db) {
         Program& program = AddProgram(db, 0);
         for (int i = 0; i < 256; ++i)
             program.audioPids.Append(1, 0);
     }},
    {"video PIDs",
     [](NetworkDatabase& db) {
         Program& program = AddProgram(db, 0);
         for (int i = 0; i < 300; ++i)
             program.videoPids.Append(1, 0);
     }},
    {"TV entries", [](NetworkDatabase& db) { AddGroup(db, std::vector<uint16_t>(0x10000, 0)); }},
    {"radio entries", [](NetworkDatabase& db) { AddGroup(db, {}, std::vector<uint16_t>(0x10001, 0)); }},
};

TEST(Limits, DatabaseTheFileCannotHoldIsRefusedWhole) {
    for (const LimitCase& c : kLimitCases) {
        NetworkDatabase db;
        db.NewDefault();
        testdb::Raw<AntennaConfig>(db).resize(3);
        testdb::Raw<Network>(db).resize(3);
        db.stampYear = 0x84;
        c.exceed(db);
        const std::string problem = db.LimitProblem();
        EXPECT_NE(problem, "") << c.what;
        std::vector<uint8_t> out = {1, 2, 3};
        EXPECT_EQ(db.Serialize(out), 0u) << c.what;
        EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3})) << c.what;
        EXPECT_EQ(db.stampYear, 0x84) << c.what; // not even the stamp changed
    }
}

TEST(Limits, TheLargestValuesStillFitAndLengthBytesMatch) {
    NetworkDatabase db;
    db.keepStamp = true;
    db.formatFlags = 7;
    for (int i = 0; i < 255; ++i) {
        AddAntenna(db);
        AddNetwork(db, i == 0 ? kLongName : "", 0);
        AddGroup(db, {});
    }
    AddTransponder(db, 0).name = kLongName;
    Program& program = AddProgram(db, 0);
    program.name = kLongName;
    for (int i = 0; i < 255; ++i)
        program.audioPids.Append(static_cast<uint16_t>(i), static_cast<uint8_t>(i));
    db.favoriteGroups()[0]->name = kLongName;
    db.favoriteGroups()[0]->tvList.assign(0xFFFF, 0);
    EXPECT_EQ(db.LimitProblem(), "");
    const std::vector<uint8_t> image = Serialized(db);
    EXPECT_EQ(image[16], 255);               // antenna configurations
    EXPECT_EQ(image[17 + 255 * 8], 255);     // networks
    EXPECT_EQ(image[17 + 255 * 8 + 1], 255); // the first network's name length
    NetworkDatabase back;
    ASSERT_EQ(back.Parse(image), NDF_OK);
    EXPECT_EQ(back.networks()[0]->name, kLongName);
    EXPECT_EQ(back.transponders()[0]->name, kLongName);
    EXPECT_EQ(back.programs()[0]->name, kLongName);
    EXPECT_EQ(back.programs()[0]->audioPids.Count(), 255u);
    EXPECT_EQ(back.favoriteGroups().size(), 255u);
    EXPECT_EQ(back.favoriteGroups()[0]->tvList.size(), 0xFFFFu);

    // A long transponder name does not count while the file carries no transponder names.
    db.formatFlags = 0;
    db.transponders()[0]->name.assign(1000, 'x');
    EXPECT_EQ(db.LimitProblem(), "");
}

TEST(Limits, ImagesLargerThanOneMebibyteAreWritten) {
    NetworkDatabase db;
    db.keepStamp = true;
    db.formatFlags = NDF_FLAG_PROG_CA;
    AddTransponder(db, 0);
    for (int i = 0; i < 0xFFFF; ++i) {
        Program& program = AddProgram(db, 0);
        program.name.assign(40, static_cast<char>('a' + i % 26));
        program.audioPids.Append(static_cast<uint16_t>(i & PID_MASK), 1);
    }
    AddGroup(db, {0, 0xFFFE});
    const std::vector<uint8_t> image = Serialized(db);
    EXPECT_GT(image.size(), 0x100000u);
    EXPECT_EQ(CheckImage(image.data(), image.size()), NDF_OK);
    NetworkDatabase back;
    ASSERT_EQ(back.Parse(image), NDF_OK);
    back.keepStamp = true;
    EXPECT_EQ(back.programs().size(), 0xFFFFu);
    EXPECT_EQ(Serialized(back), image);
}

TEST(Limits, PidListsAreWrittenWithTheCountOfTheirLanguages) {
    NetworkDatabase db;
    db.keepStamp = true;
    Program& shortPids = AddProgram(db, 0);
    shortPids.audioPids.pids = {0x101};
    shortPids.audioPids.languages = {3, 4};
    Program& longPids = AddProgram(db, 0);
    longPids.videoPids.pids = {0x200, 0x201, 0x202};
    longPids.videoPids.languages = {LANG_NONE};
    AddGroup(db, {});
    EXPECT_EQ(db.LimitProblem(), "");
    NetworkDatabase back;
    ASSERT_EQ(back.Parse(Serialized(db)), NDF_OK);
    EXPECT_EQ(back.programs()[0]->audioPids.pids, (std::vector<uint16_t>{0x101, PID_NONE}));
    EXPECT_EQ(back.programs()[0]->audioPids.languages, (std::vector<uint8_t>{3, 4}));
    EXPECT_EQ(back.programs()[1]->videoPids.pids, (std::vector<uint16_t>{0x200}));
    EXPECT_EQ(back.programs()[1]->videoPids.languages, (std::vector<uint8_t>{LANG_NONE}));
}

} // namespace
