// The committed asset files are exactly what the generator draws today, so
// nobody edits a picture by hand and loses it at the next regeneration.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "Assets.h"
#include "AssetFiles.h"

namespace {

namespace fs = std::filesystem;

// Drawing everything takes a few seconds; both tests share one run.
const assetgen::RenderedAssets& Rendered() {
    static const assetgen::RenderedAssets rendered = assetgen::RenderAll();
    return rendered;
}

TEST(CommittedAssets, AreByteForByteWhatTheGeneratorWrites) {
    const assetgen::RenderedAssets& rendered = Rendered();
    const fs::path root = BURROWBOP_ASSET_DIR;
    for (const auto& [path, bytes] : rendered.Files) {
        ASSERT_TRUE(fs::exists(root / path)) << path << " is not committed";
        EXPECT_TRUE(assettest::ReadBytes((root / path).string()) == bytes)
            << path << " differs from the generator's output; rebuild target regenerate-assets";
    }
}

TEST(CommittedAssets, HoldNoFileTheGeneratorDoesNotWrite) {
    const assetgen::RenderedAssets& rendered = Rendered();
    const fs::path root = BURROWBOP_ASSET_DIR;
    for (const char* dir : {"res", "icons"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / dir)) {
            if (!entry.is_regular_file()) continue;
            const std::string rel = fs::relative(entry.path(), root).generic_string();
            EXPECT_TRUE(rendered.Files.count(rel)) << rel << " is not drawn by the generator";
        }
    }
}

}  // namespace
