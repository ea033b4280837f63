// samples/example.ndf: a valid file, and still exactly the image of the example database.
#include "ExampleDatabase.h"

#include "database/NetworkDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string ExamplePath() {
    const char* source = std::getenv("DISHLINE_SOURCE_DIR");
    return std::string(source ? source : ".") + "/samples/example.ndf";
}

TEST(ExampleFile, LoadsAndMatchesTheExampleDatabase) {
    NetworkDatabase db;
    std::vector<uint8_t> image;
    ASSERT_EQ(db.Open(ExamplePath(), image), NDF_OK) << ExamplePath();
    ASSERT_EQ(db.Parse(image), NDF_OK);
    EXPECT_EQ(db.networks().size(), 4u);
    EXPECT_EQ(db.antennaConfigs().size(), 4u);
    EXPECT_EQ(db.transponders().size(), 6u);
    EXPECT_EQ(db.programs().size(), 9u);
    EXPECT_EQ(db.favoriteGroups().size(), 8u);
    std::string version;
    EXPECT_TRUE(db.GetStampVersion(version));
    EXPECT_EQ(version, "A001");

    std::vector<uint8_t> again;
    db.Serialize(again);
    EXPECT_EQ(again, image) << "the file no longer round-trips";

    NetworkDatabase example;
    example::BuildExampleDatabase(example);
    std::vector<uint8_t> built;
    example.Serialize(built);
    EXPECT_EQ(built, image) << "regenerate it with make_example_ndf " << ExamplePath();
}

} // namespace
