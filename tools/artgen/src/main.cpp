// artgen: writes the program's bitmaps, icon, cursor and page files, or PNG previews of them.
#include "art.h"
#include "preview.h"
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

int WriteFile(const std::string& path, const Bytes& data) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    size_t n = std::fwrite(data.data(), 1, data.size(), f);
    return std::fclose(f) == 0 && n == data.size();
}

} // namespace

int main(int argc, char** argv) {
    bool bPreview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
    if (argc != 2 && !bPreview) {
        std::fprintf(stderr, "usage: artgen <outdir> | artgen --preview <dir>\n");
        return 2;
    }
    std::string dir = argv[argc - 1];
    FileSet files;
    try {
        files = bPreview ? MakePreviews() : MakeAllArt();
        if (!bPreview) {
            FileSet lang = MakeLanguageArt();
            files.insert(lang.begin(), lang.end());
        }
    } catch (const CLabelError& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    for (auto& f : files)
        if (!WriteFile(dir + "/" + f.first, f.second)) {
            std::fprintf(stderr, "artgen: cannot write %s/%s\n", dir.c_str(), f.first.c_str());
            return 1;
        }
    return 0;
}
