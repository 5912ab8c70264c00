// Names and addresses the program shows or registers under.
#pragma once

namespace appinfo {

inline constexpr char kApplicationTitle[] = "Burrowbop";
inline constexpr char kChineseTitle[] = "敲洞乐";   // playfield caption, tray tip
inline constexpr char kDesktopFileId[] = "org.example.Burrowbop";
inline constexpr char kHomePageUrl[] = "https://burrowbop.example.org/";
inline constexpr char kMakerEmail[] = "maker@burrowbop.example.org";

}  // namespace appinfo
