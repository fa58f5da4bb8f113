// Runs the fuzz target over saved inputs, so every build replays the corpus as a plain test.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

int main(int argc, char** argv) {
    int anzahl = 0;
    for (int k = 1; k < argc; ++k) {
        for (const auto& eintrag : std::filesystem::directory_iterator(argv[k])) {
            std::ifstream datei(eintrag.path(), std::ios::binary);
            const std::vector<char> inhalt{std::istreambuf_iterator<char>(datei), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(inhalt.data()),
                                   inhalt.size());
            ++anzahl;
        }
    }
    std::printf("replayed %d inputs\n", anzahl);
    return anzahl > 0 ? 0 : 1;
}
