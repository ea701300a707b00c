// SPDX-License-Identifier: GPL-3.0-or-later
// Replays inputs through a fuzz target on the normal build: every file of the folders named
// (and every file named) goes through LLVMFuzzerTestOneInput once, so the seed corpus and
// every earlier finding stay regression tests. A broken check aborts the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> InputsOf(const fs::path& given) {
    std::vector<fs::path> inputs;
    if (fs::is_directory(given)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(given))
            if (entry.is_regular_file())
                inputs.push_back(fs::absolute(entry.path()));
    } else if (fs::is_regular_file(given)) {
        inputs.push_back(fs::absolute(given));
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::vector<uint8_t> ReadInput(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER_OR_FILE...\n", argv[0]);
        return 2;
    }
    // The paths are taken whole first: the target moves into a folder of its own.
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::vector<fs::path> found = InputsOf(argv[i]);
        if (found.empty()) {
            std::fprintf(stderr, "%s: no inputs in %s\n", argv[0], argv[i]);
            return 1;
        }
        inputs.insert(inputs.end(), found.begin(), found.end());
    }
    for (const fs::path& path : inputs) {
        std::fprintf(stderr, "replaying %s\n", path.c_str());
        const std::vector<uint8_t> bytes = ReadInput(path);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
