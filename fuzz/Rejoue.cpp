// Replays files through a fuzz target without fuzzing: each argument is a file or a folder whose
// files are fed, in name order, to LLVMFuzzerTestOneInput. A missing folder holds nothing; running
// no file at all is an error, so that a misnamed corpus cannot pass unnoticed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t taille);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Fichiers(const fs::path& argument) {
    std::vector<fs::path> fichiers;
    if (fs::is_directory(argument)) {
        for (const auto& entree : fs::directory_iterator(argument))
            if (entree.is_regular_file())
                fichiers.push_back(entree.path());
        std::sort(fichiers.begin(), fichiers.end());
    } else if (fs::is_regular_file(argument)) {
        fichiers.push_back(argument);
    }
    return fichiers;
}

} // namespace

int main(int argc, char* argv[]) {
    std::size_t joues = 0;
    for (int i = 1; i < argc; ++i)
        for (const fs::path& fichier : Fichiers(argv[i])) {
            std::ifstream f(fichier, std::ios::binary);
            const std::vector<uint8_t> octets{std::istreambuf_iterator<char>(f),
                                              std::istreambuf_iterator<char>()};
            std::printf("%s (%zu octets)\n", fichier.c_str(), octets.size());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(octets.data(), octets.size());
            ++joues;
        }
    std::printf("%zu fichiers rejoués\n", joues);
    return joues > 0 ? 0 : 1;
}
