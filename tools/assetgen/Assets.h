// Every file the generator writes, by its path under the output directory.
#pragma once

#include <map>
#include <string>

#include "Files.h"

namespace assetgen {

// The pictures after quantising, as the files hold them (for the contact sheet).
struct RenderedAssets {
    std::map<std::string, Bytes> Files;    // relative path -> content
    std::map<std::string, Pixels> Pictures;  // resource name -> pixels
    std::map<std::string, Image> Icons;      // icon name -> straight RGBA picture
};

RenderedAssets RenderAll();

}  // namespace assetgen
