#include "ContactSheet.h"

#include <algorithm>

#include "BoardLayout.h"
#include "Playfield.h"

namespace assetgen {
namespace {

using burrowbop::RgbBitmap;

constexpr uint32_t kGround = 0x707880;
constexpr int kGap = 8;

struct Sheet {
    int Width = 1800, Height = 0;
    std::vector<uint32_t> Rgb;
    int X = kGap, Y = kGap, RowHeight = 0;

    void Put(const Pixels& p, int scale, const std::vector<double>* alpha = nullptr) {
        const int w = p.Width * scale, h = p.Height * scale;
        if (X + w + kGap > Width) X = kGap, Y += RowHeight + kGap, RowHeight = 0;
        Grow(Y + h + kGap);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const size_t k = size_t(y / scale) * p.Width + x / scale;
                uint32_t c = p.Rgb[k];
                if (alpha && (*alpha)[k] < 0.5) c = ((x / 4 + y / 4) % 2) ? 0xC8C8C8 : 0xA0A0A0;
                Rgb[size_t(Y + y) * Width + X + x] = c;
            }
        }
        X += w + kGap;
        RowHeight = std::max(RowHeight, h);
    }
    void NewRow() { X = kGap, Y += RowHeight + kGap, RowHeight = 0; }
    void Grow(int h) {
        if (h > Height) Rgb.resize(size_t(Width) * h, kGround), Height = h;
    }
};

RgbBitmap ToBitmap(const Pixels& p) {
    RgbBitmap b(p.Width, p.Height);
    for (size_t i = 0; i < p.Rgb.size(); ++i) b.Pixels[i] = 0xFF000000u | p.Rgb[i];
    return b;
}

Pixels FromBitmap(const RgbBitmap& b) {
    Pixels p{b.Width, b.Height, {}};
    for (uint32_t c : b.Pixels) p.Rgb.push_back(c & 0xFFFFFF);
    return p;
}

Pixels Crop(const Pixels& p, int x0, int y0, int w, int h) {
    Pixels out{w, h, {}};
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            const bool in = x >= 0 && y >= 0 && x < p.Width && y < p.Height;
            out.Rgb.push_back(in ? p.Rgb[size_t(y) * p.Width + x] : kGround);
        }
    }
    return out;
}

// A small red cross marks the pointer.
void MarkPointer(Pixels& p, int x, int y) {
    for (int d = -3; d <= 3; ++d) {
        for (auto [px, py] : {std::pair{x + d, y}, std::pair{x, y + d}}) {
            if (px >= 0 && py >= 0 && px < p.Width && py < p.Height) p.Rgb[size_t(py) * p.Width + px] = 0xFF0000;
        }
    }
}

struct Composer {
    RgbBitmap Background, Sprite, Mask, Buffer;
    burrowbop::PlayfieldSheets Sheets;
    explicit Composer(const RenderedAssets& a)
        : Background(ToBitmap(a.Pictures.at("BACKGROUND"))), Sprite(ToBitmap(a.Pictures.at("SPRITE"))),
          Mask(ToBitmap(a.Pictures.at("MASK"))), Buffer(burrowbop::kBoardWidth, burrowbop::kBoardHeight) {
        Sheets = {&Background, &Sprite, &Mask};
    }
    Pixels Compose(const std::array<int, 9>& frames, bool mallet, uint8_t pose, int mx, int my) {
        burrowbop::TBurrows burrows{};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) {
                auto& b = burrows[size_t(r)][size_t(c)];
                b.X = burrowbop::kBurrowPositions[size_t(r)][size_t(c)].X;
                b.Y = burrowbop::kBurrowPositions[size_t(r)][size_t(c)].Y;
                b.Frame = frames[size_t(r * 3 + c)];
            }
        }
        burrowbop::PlayfieldScene scene{&burrows, &burrowbop::kRatFrameTable, mallet, pose, mx, my};
        burrowbop::ComposePlayfield(Buffer, Sheets, scene);
        return FromBitmap(Buffer);
    }
};

void PlayfieldFrames(Sheet& s, const RenderedAssets& a) {
    Composer comp(a);
    const auto& B = burrowbop::kBurrowPositions;
    // Whole boards: every frame somewhere, the mallet in each pose over a rat.
    const std::array<std::array<int, 9>, 3> boards{{{11, 10, 9, 8, 7, 6, 5, 4, 3}, {2, 1, 12, 13, 14, 1, 2, 3, 4},
                                                    {1, 1, 1, 1, 1, 1, 13, 14, 1}}};
    for (int pose = 0; pose < 3; ++pose) {
        const auto& target = B[1][1];
        const int px = target.X + 29, py = target.Y + 44;
        Pixels p = comp.Compose(boards[size_t(pose)], true, uint8_t(pose), px - burrowbop::kMalletPointerOffsetX,
                                py - burrowbop::kMalletPointerOffsetY);
        MarkPointer(p, px, py);
        s.Put(p, 2);
        if (pose == 0) s.NewRow();
    }
    s.NewRow();
    // One front burrow through all fourteen frames, close up.
    const auto& b = B[2][1];
    for (int f = 1; f <= 14; ++f) {
        std::array<int, 9> frames{};
        frames[7] = f;
        s.Put(Crop(comp.Compose(frames, false, 0, 0, 0), b.X - 10, b.Y - 6, 80, 84), 3);
    }
    s.NewRow();
    // The back row, and the mallet at the edges of the playfield.
    std::array<int, 9> back{6, 9, 10, 0, 0, 0, 0, 0, 0};
    s.Put(Crop(comp.Compose(back, false, 0, 0, 0), 170, 30, 240, 100), 3);
    for (int pose = 0; pose < 3; ++pose) {
        const int px = 6, py = 278;
        Pixels p = comp.Compose({}, true, uint8_t(pose), px - burrowbop::kMalletPointerOffsetX,
                                py - burrowbop::kMalletPointerOffsetY);
        MarkPointer(p, px, py);
        s.Put(Crop(p, 0, 184, 130, 100), 3);
    }
}

}  // namespace

Bytes ContactSheet(const RenderedAssets& a) {
    Sheet s;
    PlayfieldFrames(s, a);
    s.NewRow();
    for (const char* name : {"BACKGROUND", "SPRITE", "MASK", "CONTROL1", "HIGHSCORE", "ABOUT"}) s.Put(a.Pictures.at(name), 2);
    s.NewRow();
    for (const auto& [name, p] : a.Pictures) {
        if (p.Width <= 160 && p.Height <= 25) s.Put(p, 3);
    }
    s.NewRow();
    for (const auto& [name, img] : a.Icons) {
        const Pixels p = ToPixels(img);
        s.Put(p, img.Width >= 128 ? 1 : 4, &img.Coverage);
    }
    std::vector<uint8_t> rgba;
    for (uint32_t c : s.Rgb) rgba.insert(rgba.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 255});
    return Png(s.Width, s.Height, rgba);
}

}  // namespace assetgen
