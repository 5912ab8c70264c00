#include "Assets.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "Art.h"

namespace assetgen {
namespace {

constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
// Sprite colours darker than this would read as "no picture" after a
// rounding slip; outlines keep at least this much colour.
constexpr uint32_t kDarkestInk = 0x0A0605;

const char* const kButtonNames[5] = {"NEW", "PAUSE", "CLOSE", "HIGHSCORE", "ABOUT"};
const char* const kLookNames[3] = {"UP", "OVER", "DOWN"};

Pixels FromIndexed(const Indexed& i) {
    Pixels p{i.Width, i.Height, {}};
    for (uint8_t k : i.Index) p.Rgb.push_back(i.Palette[k]);
    return p;
}

void AddBitmap(RenderedAssets& out, const std::string& name, const Image& img, int bits,
               const std::vector<uint32_t>& keep = {}) {
    const Indexed ix = Quantise(ToPixels(img), 1 << bits, keep);
    out.Files["res/" + name + ".bmp"] = Bmp(ix, bits);
    out.Pictures[name] = FromIndexed(ix);
}

void AddSpriteAndMask(RenderedAssets& out) {
    const Image sheet = art::SpriteSheet();
    Pixels sprite = ToHardEdged(sheet, kBlack);
    Indexed mask{sheet.Width, sheet.Height, {kBlack, kWhite}, {}};
    for (size_t i = 0; i < sprite.Rgb.size(); ++i) {
        const bool picture = sheet.Coverage[i] >= 0.5;
        if (picture && sprite.Rgb[i] == kBlack) sprite.Rgb[i] = kDarkestInk;
        mask.Index.push_back(picture ? 0 : 1);
    }
    const Indexed ix = Quantise(sprite, 256, {kBlack});
    out.Files["res/SPRITE.bmp"] = Bmp(ix, 8);
    out.Pictures["SPRITE"] = FromIndexed(ix);
    out.Files["res/MASK.bmp"] = Bmp(mask, 8);
    out.Pictures["MASK"] = FromIndexed(mask);
}

// Sixteen colours: the most used ones (the flat fills and the outline)
// keep their exact values and edge blends take the nearest of them, so the
// small icons stay crisp instead of muddy.
IconImage ToIconImage(const Image& img) {
    IconImage icon;
    const Pixels p = ToHardEdged(img, kBlack);
    std::map<uint32_t, int> counts;
    for (uint32_t c : p.Rgb) ++counts[c];
    std::vector<std::pair<int, uint32_t>> byUse;
    for (const auto& [c, n] : counts) byUse.push_back({-n, c});
    std::sort(byUse.begin(), byUse.end());
    std::vector<uint32_t> keep;
    for (size_t i = 0; i < byUse.size() && i < 16; ++i) keep.push_back(byUse[i].second);
    icon.Colours = Quantise(p, 16, keep);
    for (double a : img.Coverage) icon.Opaque.push_back(a >= 0.5);
    return icon;
}

Bytes ToPng(const Image& img) {
    std::vector<uint8_t> rgba;
    const Pixels p = ToPixels(img);
    for (size_t i = 0; i < p.Rgb.size(); ++i) {
        const uint8_t a = uint8_t(std::lround(img.Coverage[i] * 255));
        if (a == 0) {
            rgba.insert(rgba.end(), {0, 0, 0, 0});
        } else {
            rgba.insert(rgba.end(), {uint8_t(p.Rgb[i] >> 16), uint8_t(p.Rgb[i] >> 8), uint8_t(p.Rgb[i]), a});
        }
    }
    return Png(img.Width, img.Height, rgba);
}

void AddIcons(RenderedAssets& out) {
    const Image cat = art::CatFace(32), smiley = art::SmileyFace(16), rat = art::GreyRat(32);
    out.Files["res/TRAYICON.ico"] = Ico({ToIconImage(cat), ToIconImage(smiley)});
    out.Files["res/MAINICON.ico"] = Ico({ToIconImage(rat)});
    const Image standing = art::StandingRat(32);
    out.Files["res/ABOUTICON.png"] = ToPng(standing);
    out.Icons["TRAYICON 32"] = cat;
    out.Icons["TRAYICON 16"] = smiley;
    out.Icons["MAINICON"] = rat;
    out.Icons["ABOUTICON"] = standing;
    for (int n : {16, 32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(n) + "x" + std::to_string(n);
        const Image big = art::GreyRat(n);
        out.Files["icons/hicolor/" + size + "/apps/org.example.Burrowbop.png"] = ToPng(big);
        if (n == 128) out.Icons["desktop 128"] = big;
    }
    const std::string svg = art::GreyRatSvg(256);
    out.Files["icons/hicolor/scalable/apps/org.example.Burrowbop.svg"] = Bytes(svg.begin(), svg.end());
}

}  // namespace

RenderedAssets RenderAll() {
    RenderedAssets out;
    AddBitmap(out, "BACKGROUND", art::Board(), 8);
    AddSpriteAndMask(out);
    AddBitmap(out, "CONTROL1", art::Panel(), 8, {kBlack});
    AddBitmap(out, "HIGHSCORE", art::HighScoreBackdrop(), 8);
    AddBitmap(out, "ABOUT", art::AboutBackdrop(), 8);
    AddBitmap(out, "OKUP", art::CloseButton(false), 8);
    AddBitmap(out, "OKDOWN", art::CloseButton(true), 8);
    for (int b = 0; b < 5; ++b) {
        for (int l = 0; l < 3; ++l) {
            AddBitmap(out, std::string(kButtonNames[b]) + kLookNames[l],
                      art::PanelButton(b, art::ButtonLook(l)), 8);
        }
    }
    AddBitmap(out, "MINUP", art::MinButton(false), 8);
    AddBitmap(out, "MINDOWN", art::MinButton(true), 4);
    AddBitmap(out, "MENU", art::MenuPicture(), 8);
    AddBitmap(out, "LEDDIGITS", art::LedDigits(), 8, {kBlack, 0x51C6FF, 0x38596B, kWhite});
    AddBitmap(out, "SCOREDIGITS", art::ScoreDigits(), 8, {kBlack, 0xEFEFEF});
    AddIcons(out);
    out.Files["res/HIT.wav"] = Wav(art::HitSound(), art::kHitSampleRate);
    return out;
}

}  // namespace assetgen
