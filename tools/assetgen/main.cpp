// burrowbop_assetgen OUTDIR [--contact-sheet FILE.png]
// Draws every picture and the sound and writes the files the program embeds
// under OUTDIR (res/ and icons/). Run it with OUTDIR = assets/ of the source
// tree after changing the drawing code, and commit what it writes.
#include <cstdio>
#include <exception>
#include <string>

#include "Assets.h"
#include "ContactSheet.h"

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--contact-sheet")) {
        std::fprintf(stderr, "usage: %s OUTDIR [--contact-sheet FILE.png]\n", argv[0]);
        return 2;
    }
    try {
        const assetgen::RenderedAssets assets = assetgen::RenderAll();
        const std::string out = argv[1];
        for (const auto& [path, bytes] : assets.Files) assetgen::WriteFile(out + "/" + path, bytes);
        if (argc == 4) assetgen::WriteFile(argv[3], assetgen::ContactSheet(assets));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
