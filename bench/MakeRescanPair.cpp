// Writes the largest database and a shuffled copy of it, for timing "ndftool diff" on them:
// make_rescan_pair FOLDER writes FOLDER/original.ndf and FOLDER/shuffled.ndf.
#include "bench/ShuffledCopy.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_rescan_pair FOLDER\n");
        return 1;
    }
    const std::string folder = argv[1];
    NetworkDatabase db;
    BuildBigDatabase(db);
    if (db.Save(folder + "/original.ndf") != NDF_OK)
        return 1;
    ShufflePrograms(db);
    return db.Save(folder + "/shuffled.ndf") == NDF_OK ? 0 : 1;
}
