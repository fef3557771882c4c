// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over files and directories of inputs, for the ordinary
// build: the committed corpus and every input that ever failed.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar);

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> pliki;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path sciezka = argv[i];
        if (std::filesystem::is_directory(sciezka)) {
            for (const auto& wpis : std::filesystem::directory_iterator(sciezka))
                if (wpis.is_regular_file() && wpis.path().filename().string().front() != '.')
                    pliki.push_back(wpis.path());
        } else if (std::filesystem::is_regular_file(sciezka)) {
            pliki.push_back(sciezka);
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
    }
    // A replay of nothing would pass whatever the target does.
    if (pliki.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    for (const auto& plik : pliki) {
        std::ifstream wejscie(plik, std::ios::binary);
        const std::string dane { std::istreambuf_iterator<char>(wejscie), std::istreambuf_iterator<char>() };
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dane.data()), dane.size());
    }
    std::printf("%zu passed, 0 failed\n", pliki.size());
    return 0;
}
