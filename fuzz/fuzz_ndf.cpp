// Arbitrary bytes as an NDF image: checking and parsing never read outside the image, and an image
// that parses is written back and read again to the same database.
#include "database/NetworkDatabase.h"
#include "fuzz/FuzzTarget.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_ndf: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const NdfStatus checked = CheckImage(data, size);
    Require(checked == NDF_OK || checked == NDF_INVALID_FORMAT || checked == NDF_BAD_CHECKSUM ||
                checked == NDF_VERSION_UNSUPPORTED,
            "CheckImage gave a status it never gives");

    // Parse must cope with images that CheckImage refused, too: it trusts no count or length.
    NetworkDatabase db;
    const NdfStatus parsed = db.Parse(data, size);
    if (parsed != NDF_OK) {
        Require(db.networks().empty() && db.transponders().empty() && db.programs().empty() &&
                    db.antennaConfigs().empty() && db.favoriteGroups().empty(),
                "a refused image left records behind");
        return 0;
    }
    Require(!db.favoriteGroups().empty(), "a parsed database has no favorite groups");

    // Keep the stamp so that both images carry the same bytes whatever the day.
    db.keepStamp = true;
    std::vector<uint8_t> first;
    const size_t firstLength = db.Serialize(first);
    Require(firstLength > 0, "a parsed database cannot be written");
    Require(first.size() == firstLength, "Serialize returned another length than it wrote");
    Require(CheckImage(first.data(), first.size()) == NDF_OK, "a written image fails CheckImage");

    NetworkDatabase again;
    Require(again.Parse(first) == NDF_OK, "a written image does not parse");
    again.keepStamp = true;
    std::vector<uint8_t> second;
    again.Serialize(second);
    Require(second == first, "writing the reparsed database gives other bytes");
    return 0;
}
