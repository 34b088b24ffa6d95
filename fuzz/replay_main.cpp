// Runs a harness once on every file of the given folders without libFuzzer, so that the
// ordinary build replays the corpora under its own compiler and sanitizers.

#include "fuzz_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::directory_iterator folder(argv[i]);
        inputs.insert(inputs.end(), begin(folder), end(folder));
    }
    // A replay that finds nothing would pass without testing anything.
    if (inputs.empty()) {
        std::fprintf(stderr, "replay: no inputs in the given folders\n");
        return 1;
    }
    std::ranges::sort(inputs);
    for (const auto& path : inputs) {
        std::fprintf(stderr, "replay: %s\n", path.c_str());
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                             std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::printf("replay: %zu inputs ran\n", inputs.size());
    return 0;
}
