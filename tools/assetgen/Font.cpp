#include "Font.h"

#include <map>

namespace assetgen {
namespace {

// Rows top to bottom, '#' lit. Lower-case glyphs sit on the same baseline.
const std::map<char, const char*>& Glyphs() {
    static const std::map<char, const char*> g{
        {'A', ".###.#...##...#######...##...##...#"},
        {'B', "####.#...##...#####.#...##...#####."},
        {'C', ".#####....#....#....#....#.....####"},
        {'E', "######....#....####.#....#....#####"},
        {'I', "#####..#....#....#....#....#..#####"},
        {'L', "#....#....#....#....#....#....#####"},
        {'M', "#...###.###.#.##.#.##...##...##...#"},
        {'O', ".###.#...##...##...##...##...#.###."},
        {'P', "####.#...##...#####.#....#....#...."},
        {'R', "####.#...##...#####.#.#..#..#.#...#"},
        {'S', ".#####....#.....###.....#....#####."},
        {'T', "#####..#....#....#....#....#....#.."},
        {'U', "#...##...##...##...##...##...#.###."},
        {'W', "#...##...##...##.#.##.#.###.###...#"},
        {'l', ".##....#....#....#....#....#...###."},
        {'o', "...........###.#...##...##...#.###."},
        {'s', "...........#####.....###.....#####."},
        {'e', "...........###.#...#######.....###."},
        {'p', "..........####.#...#####.#....#...."},
        {'0', ".###.#...##..###.#.###..##...#.###."},
        {'1', "..#...##....#....#....#....#...###."},
        {' ', "..................................."},
    };
    return g;
}

}  // namespace

double TextWidth(const std::string& text, double cell) {
    return text.empty() ? 0 : (double(text.size()) * 6 - 1) * cell;
}

Shape TextShape(const std::string& text, Vec topLeft, double cell, double boldness) {
    Shape s;
    double x = topLeft.X;
    for (char ch : text) {
        auto it = Glyphs().find(ch);
        const char* rows = it != Glyphs().end() ? it->second : Glyphs().at(' ');
        for (int r = 0; r < 7; ++r) {
            for (int c = 0; c < 5; ++c) {
                if (rows[r * 5 + c] != '#') continue;
                s.push_back(Rect(x + c * cell - boldness, topLeft.Y + r * cell - boldness,
                                 cell + 2 * boldness, cell + 2 * boldness));
            }
        }
        x += 6 * cell;
    }
    return s;
}

}  // namespace assetgen
