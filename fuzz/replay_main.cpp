// Runs a harness once on every file of the given folders (or on the given files), without
// libFuzzer, so the ordinary build replays the corpora under its own compiler and sanitizers.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> contentsOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else {
            inputs.push_back(path);
        }
    }
    // A replay that finds nothing to run would pass without testing anything.
    if (inputs.empty()) {
        std::fprintf(stderr, "replay: no inputs in the given paths\n");
        return 1;
    }
    std::ranges::sort(inputs);
    for (const auto& path : inputs) {
        std::fprintf(stderr, "replay: %s\n", path.c_str());
        const std::vector<std::uint8_t> data = contentsOf(path);
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::printf("replay: %zu inputs ran\n", inputs.size());
    return 0;
}
