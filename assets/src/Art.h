// The drawing code of every picture and the sound. Each function draws one
// asset (or one family of them) at its final size; the generator in
// tools/assetgen turns the results into the files the program embeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Raster.h"

namespace art {

using assetgen::Image;

// Colours shared by the whole game.
constexpr assetgen::Rgb kInk = assetgen::RgbOf(46, 26, 24);         // outlines
constexpr assetgen::Rgb kPanelDark = assetgen::RgbOf(46, 49, 54);   // button ground
constexpr assetgen::Rgb kRatPink = assetgen::RgbOf(240, 168, 178);
constexpr assetgen::Rgb kRatShade = assetgen::RgbOf(212, 128, 142);

Image Board();        // BACKGROUND
Image SpriteSheet();  // SPRITE; coverage gives MASK

Image Panel();                           // CONTROL1
enum class ButtonLook { Up, Over, Down };
Image PanelButton(int glyph, ButtonLook look);  // glyph 0 New .. 4 About
Image MinButton(bool pressed);           // MINUP, MINDOWN
Image MenuPicture();                     // MENU
Image LedDigits();                       // ten 16 x 21 digits side by side
Image ScoreDigits();

Image HighScoreBackdrop();               // HIGHSCORE
Image AboutBackdrop();                   // ABOUT
Image CloseButton(bool pressed);         // OKUP, OKDOWN

Image CatFace(int size);                 // TRAYICON 32
Image SmileyFace(int size);              // TRAYICON 16
Image GreyRat(int size);                 // MAINICON and the desktop icons
std::string GreyRatSvg(int size);        // the same drawing as SVG
Image StandingRat(int size);             // the About window's icon

std::vector<uint8_t> HitSound();         // 8-bit unsigned samples, 22050 Hz
constexpr int kHitSampleRate = 22050;
constexpr int kHitSampleCount = 4057;

}  // namespace art
