// SPDX-License-Identifier: MIT
// Replays inputs through a fuzz target as a regular program, without libFuzzer: every file named on the command
// line, and every file in a folder named there, is read into a buffer of exactly its size and handed to
// LLVMFuzzerTestOneInput. The target's own checks, a crash, an exception that escapes or a sanitizer report
// fail the run; so does finding no input at all (a missing corpus is no pass).
//   <target>_replay FILE_OR_FOLDER...

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> inputs(int argc, char** argv)
{
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else if (std::filesystem::is_regular_file(path)) {
            files.push_back(path);
        } else {
            std::fprintf(stderr, "replay: %s is neither a file nor a folder\n", argv[i]);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::filesystem::path> files = inputs(argc, argv);
    if (files.empty()) {
        std::fprintf(stderr, "replay: no inputs found\n");
        return 1;
    }
    std::uintmax_t bytes = 0;
    for (const std::filesystem::path& file : files) {
        // A heap block of exactly the input's size, so that a read past its end is caught by AddressSanitizer.
        const auto size = std::size_t(std::filesystem::file_size(file));
        const auto data = std::make_unique<uint8_t[]>(size);
        std::ifstream stream(file, std::ios::binary);
        if (!stream.read(reinterpret_cast<char*>(data.get()), std::streamsize(size))) {
            std::fprintf(stderr, "replay: cannot read %s\n", file.c_str());
            return 1;
        }
        std::fprintf(stderr, "replay: %s\n", file.c_str());
        const int result = LLVMFuzzerTestOneInput(data.get(), size);
        // libFuzzer reserves every value but 0 (done) and -1 (keep out of the corpus).
        if (result != 0 && result != -1) {
            std::fprintf(stderr, "replay: %s returned %d\n", file.c_str(), result);
            return 1;
        }
        bytes += size;
    }
    std::printf("replay: %zu inputs, %ju bytes\n", files.size(), bytes);
    return 0;
}
