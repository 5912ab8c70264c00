#include "Files.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace assetgen {
namespace {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void Put32Be(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(uint8_t(v >> s));
}
void PutText(Bytes& b, const char* s) {
    while (*s) b.push_back(uint8_t(*s++));
}

int Channel(uint32_t c, int k) { return int((c >> (16 - 8 * k)) & 0xFF); }

uint32_t Pack(double r, double g, double b) {
    auto q = [](double v) { return uint32_t(std::clamp(std::lround(v), 0L, 255L)); };
    return q(r) << 16 | q(g) << 8 | q(b);
}

struct ColourCount {
    uint32_t Colour;
    uint64_t Count;
};

// Splits the box with the largest weighted spread at its weighted median.
std::vector<uint32_t> MedianCut(std::vector<ColourCount> colours, int n) {
    using Box = std::vector<ColourCount>;
    std::vector<Box> boxes{std::move(colours)};
    auto spread = [](const Box& b, int& axis) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (const auto& c : b) lo = std::min(lo, Channel(c.Colour, k)), hi = std::max(hi, Channel(c.Colour, k));
            if (hi - lo > best) best = hi - lo, axis = k;
        }
        uint64_t total = 0;
        for (const auto& c : b) total += c.Count;
        return double(best) * std::sqrt(double(total));
    };
    while (int(boxes.size()) < n) {
        int pick = -1, axis = 0;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            int a = 0;
            const double s = boxes[i].size() > 1 ? spread(boxes[i], a) : 0;
            if (s > bestScore) bestScore = s, pick = int(i), axis = a;
        }
        if (pick < 0) break;
        Box& b = boxes[size_t(pick)];
        std::stable_sort(b.begin(), b.end(), [axis](const ColourCount& p, const ColourCount& q) {
            return Channel(p.Colour, axis) < Channel(q.Colour, axis);
        });
        uint64_t total = 0, run = 0;
        for (const auto& c : b) total += c.Count;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < b.size(); ++i) {
            run += b[i].Count;
            cut = i + 1;
            if (run * 2 >= total) break;
        }
        Box upper(b.begin() + long(cut), b.end());
        b.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<uint32_t> palette;
    for (const Box& b : boxes) {
        double s[3] = {0, 0, 0};
        uint64_t total = 0;
        for (const auto& c : b) {
            for (int k = 0; k < 3; ++k) s[k] += double(Channel(c.Colour, k)) * double(c.Count);
            total += c.Count;
        }
        palette.push_back(Pack(s[0] / double(total), s[1] / double(total), s[2] / double(total)));
    }
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

int Nearest(const std::vector<uint32_t>& palette, size_t from, uint32_t c) {
    int best = int(from);
    long bestD = -1;
    for (size_t i = from; i < palette.size(); ++i) {
        // Weighted as the eye sees it: green counts most, then blue, then red.
        static constexpr long kWeight[3] = {2, 4, 3};
        long d = 0;
        for (int k = 0; k < 3; ++k) {
            const long e = Channel(palette[i], k) - Channel(c, k);
            d += kWeight[k] * e * e;
        }
        if (bestD < 0 || d < bestD) bestD = d, best = int(i);
    }
    return best;
}

uint32_t Crc32(const uint8_t* p, size_t n, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
    Put32Be(out, uint32_t(data.size()));
    Bytes body;
    PutText(body, type);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32Be(out, Crc32(body.data(), body.size()));
}

// DIB rows bottom-up, each padded to four bytes.
void PutIndexedRows(Bytes& b, const Indexed& img, int bits) {
    const int rowBytes = ((img.Width * bits + 31) / 32) * 4;
    for (int y = img.Height - 1; y >= 0; --y) {
        Bytes row(size_t(rowBytes), 0);
        for (int x = 0; x < img.Width; ++x) {
            const uint8_t v = img.Index[size_t(y) * img.Width + x];
            if (bits == 8) row[size_t(x)] = v;
            else row[size_t(x / 2)] |= uint8_t(x % 2 == 0 ? v << 4 : v);
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

void PutInfoHeader(Bytes& b, int w, int h, int bits, int colours, uint32_t imageBytes) {
    Put32(b, 40);
    Put32(b, uint32_t(w));
    Put32(b, uint32_t(h));
    Put16(b, 1);
    Put16(b, uint32_t(bits));
    Put32(b, 0);  // BI_RGB
    Put32(b, imageBytes);
    Put32(b, 2835);  // 72 dpi
    Put32(b, 2835);
    Put32(b, uint32_t(colours));
    Put32(b, 0);
}

void PutPalette(Bytes& b, const std::vector<uint32_t>& palette, int entries) {
    for (int i = 0; i < entries; ++i) {
        const uint32_t c = i < int(palette.size()) ? palette[size_t(i)] : 0;
        b.push_back(uint8_t(c));
        b.push_back(uint8_t(c >> 8));
        b.push_back(uint8_t(c >> 16));
        b.push_back(0);
    }
}

}  // namespace

Pixels ToPixels(const Image& img) {
    Pixels p{img.Width, img.Height, {}};
    for (const Rgb& c : img.Colour) p.Rgb.push_back(Pack(c.R, c.G, c.B));
    return p;
}

Pixels ToHardEdged(const Image& img, uint32_t empty) {
    Pixels p = ToPixels(img);
    for (size_t i = 0; i < p.Rgb.size(); ++i) {
        if (img.Coverage[i] < 0.5) p.Rgb[i] = empty;
    }
    return p;
}

Indexed Quantise(const Pixels& p, int maxColours, const std::vector<uint32_t>& keep) {
    std::map<uint32_t, uint64_t> hist;
    for (uint32_t c : p.Rgb) {
        if (std::find(keep.begin(), keep.end(), c) == keep.end()) ++hist[c];
    }
    std::vector<ColourCount> colours;
    for (const auto& [c, n] : hist) colours.push_back({c, n});
    const int room = maxColours - int(keep.size());
    std::vector<uint32_t> palette = keep;
    std::vector<uint32_t> rest;
    if (int(colours.size()) <= room) {
        for (const auto& c : colours) rest.push_back(c.Colour);
    } else if (room > 0) {
        rest = MedianCut(colours, room);
    }
    // A mixed colour that lands on a kept colour is nudged off it.
    for (uint32_t& c : rest) {
        while (std::find(keep.begin(), keep.end(), c) != keep.end()) c ^= 0x010101;
    }
    palette.insert(palette.end(), rest.begin(), rest.end());
    Indexed out{p.Width, p.Height, palette, {}};
    std::map<uint32_t, uint8_t> lookup;
    for (uint32_t c : p.Rgb) {
        auto it = lookup.find(c);
        if (it == lookup.end()) {
            const auto k = std::find(keep.begin(), keep.end(), c);
            // Other colours map onto the kept ones only when nothing else is left.
            const size_t from = rest.empty() ? 0 : keep.size();
            const int idx = k != keep.end() ? int(k - keep.begin()) : Nearest(palette, from, c);
            it = lookup.emplace(c, uint8_t(idx)).first;
        }
        out.Index.push_back(it->second);
    }
    return out;
}

Bytes Bmp(const Indexed& img, int bits) {
    const int entries = 1 << bits;
    if (int(img.Palette.size()) > entries) throw std::runtime_error("palette too large");
    Bytes pixels;
    PutIndexedRows(pixels, img, bits);
    const uint32_t offset = 14 + 40 + uint32_t(entries) * 4;
    Bytes b;
    PutText(b, "BM");
    Put32(b, offset + uint32_t(pixels.size()));
    Put32(b, 0);
    Put32(b, offset);
    PutInfoHeader(b, img.Width, img.Height, bits, entries, uint32_t(pixels.size()));
    PutPalette(b, img.Palette, entries);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes Ico(const std::vector<IconImage>& images) {
    std::vector<Bytes> dibs;
    for (const IconImage& im : images) {
        const Indexed& c = im.Colours;
        Bytes xorBits, andBits;
        PutIndexedRows(xorBits, c, 4);
        const int maskRow = ((c.Width + 31) / 32) * 4;
        for (int y = c.Height - 1; y >= 0; --y) {
            Bytes row(size_t(maskRow), 0);
            for (int x = 0; x < c.Width; ++x) {
                if (!im.Opaque[size_t(y) * c.Width + x]) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
            }
            andBits.insert(andBits.end(), row.begin(), row.end());
        }
        Bytes d;
        PutInfoHeader(d, c.Width, c.Height * 2, 4, 16, uint32_t(xorBits.size() + andBits.size()));
        PutPalette(d, c.Palette, 16);
        d.insert(d.end(), xorBits.begin(), xorBits.end());
        d.insert(d.end(), andBits.begin(), andBits.end());
        dibs.push_back(std::move(d));
    }
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, uint32_t(images.size()));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        b.push_back(uint8_t(images[i].Colours.Width));
        b.push_back(uint8_t(images[i].Colours.Height));
        b.push_back(16);
        b.push_back(0);
        Put16(b, 1);
        Put16(b, 4);
        Put32(b, uint32_t(dibs[i].size()));
        Put32(b, offset);
        offset += uint32_t(dibs[i].size());
    }
    for (const Bytes& d : dibs) b.insert(b.end(), d.begin(), d.end());
    return b;
}

Bytes Png(int w, int h, const std::vector<uint8_t>& rgba) {
    Bytes raw;
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba.begin() + long(size_t(y) * w * 4), rgba.begin() + long(size_t(y + 1) * w * 4));
    }
    // zlib stream of stored deflate blocks.
    Bytes z{0x78, 0x01};
    for (size_t pos = 0; pos < raw.size() || pos == 0;) {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n >= raw.size();
        z.push_back(last ? 1 : 0);
        Put16(z, uint32_t(n));
        Put16(z, uint32_t(~n & 0xFFFF));
        z.insert(z.end(), raw.begin() + long(pos), raw.begin() + long(pos + n));
        pos += n;
        if (last) break;
    }
    uint32_t a = 1, bsum = 0;
    for (uint8_t v : raw) a = (a + v) % 65521, bsum = (bsum + a) % 65521;
    Put32Be(z, bsum << 16 | a);
    Bytes out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    Put32Be(ihdr, uint32_t(w));
    Put32Be(ihdr, uint32_t(h));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
    PngChunk(out, "IHDR", ihdr);
    PngChunk(out, "IDAT", z);
    PngChunk(out, "IEND", {});
    return out;
}

Bytes Wav(const std::vector<uint8_t>& samples, int rate) {
    const uint32_t n = uint32_t(samples.size());
    const uint32_t pad = n % 2;
    Bytes b;
    PutText(b, "RIFF");
    Put32(b, 4 + 24 + 8 + n + pad);
    PutText(b, "WAVE");
    PutText(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1);  // PCM
    Put16(b, 1);  // mono
    Put32(b, uint32_t(rate));
    Put32(b, uint32_t(rate));  // bytes per second
    Put16(b, 1);               // block align
    Put16(b, 8);
    PutText(b, "data");
    Put32(b, n);
    b.insert(b.end(), samples.begin(), samples.end());
    if (pad) b.push_back(0x80);  // RIFF chunks are padded to an even length
    return b;
}

void WriteFile(const std::string& path, const Bytes& data) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace assetgen
