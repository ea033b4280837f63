// Writes the example database: make_example_ndf samples/example.ndf
#include "ExampleDatabase.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example_ndf <file.ndf>\n");
        return 2;
    }
    NetworkDatabase db;
    example::BuildExampleDatabase(db);
    const NdfStatus status = db.Save(argv[1]);
    if (status != NDF_OK) {
        std::fprintf(stderr, "%s: %s\n", argv[1], StatusMessage(status));
        return 1;
    }
    return 0;
}
