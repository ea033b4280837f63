// The main of a fuzz target built without libFuzzer: runs LLVMFuzzerTestOneInput once on each input
// named on the command line (a file, or every file of a folder), so the corpus and any finding can
// be replayed with any compiler. Options such as -runs=0 are libFuzzer's and are skipped, so the
// same command line suits both builds.
#include "fuzz/FuzzTarget.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The input goes into a buffer of exactly its size, as libFuzzer hands it over, so that the
// sanitizers see a read past its end.
bool RunOne(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto data = std::make_unique<uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), data.get());
    LLVMFuzzerTestOneInput(data.get(), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("-")) {
            continue;
        }
        std::error_code error;
        if (fs::is_directory(arg, error)) {
            std::vector<fs::path> files;
            for (const fs::directory_entry& entry : fs::directory_iterator(arg, error)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else {
            inputs.emplace_back(arg);
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "usage: %s FILE|FOLDER...\n(built without libFuzzer: runs each input once)\n", argv[0]);
        return 2;
    }
    for (const fs::path& input : inputs) {
        if (!RunOne(input)) {
            return 1;
        }
    }
    std::fprintf(stderr, "%s: %zu inputs ran\n", argv[0], inputs.size());
    return 0;
}
