// The game's colours: one village palette, shared by every picture so places and people match.
#pragma once

#include <QColor>

namespace artgen::pal {

// Skies.
inline const QColor skyWarmTop(92, 150, 200);
inline const QColor skyWarmBottom(246, 214, 160);
inline const QColor skyCoolTop(120, 160, 205);
inline const QColor skyCoolBottom(214, 228, 236);
inline const QColor skyNightTop(18, 24, 52);
inline const QColor skyNightBottom(62, 58, 98);
inline const QColor sun(255, 236, 170);
inline const QColor cloud(255, 248, 236);

// Land.
inline const QColor hillFar(150, 170, 120);
inline const QColor hillNear(118, 150, 84);
inline const QColor grass(124, 160, 72);
inline const QColor grassDry(178, 172, 92);
inline const QColor foliage(82, 128, 62);
inline const QColor foliageLight(132, 170, 78);
inline const QColor foliageAutumn(196, 140, 60);
inline const QColor trunk(104, 72, 48);
inline const QColor cobble(168, 150, 128);
inline const QColor cobbleDark(128, 112, 96);
inline const QColor asphalt(108, 104, 102);
inline const QColor earth(150, 118, 82);
inline const QColor water(70, 110, 130);

// Buildings.
inline const QColor plasterCream(236, 214, 168);
inline const QColor plasterOchre(222, 176, 96);
inline const QColor plasterPink(226, 170, 150);
inline const QColor plasterWhite(236, 232, 220);
inline const QColor plasterGreen(178, 196, 150);
inline const QColor plasterBlue(170, 190, 206);
inline const QColor roofTile(176, 78, 52);
inline const QColor roofDark(120, 60, 48);
inline const QColor roofSlate(84, 90, 104);
inline const QColor woodDark(96, 62, 40);
inline const QColor woodMid(140, 96, 58);
inline const QColor woodLight(190, 148, 96);
inline const QColor stone(150, 144, 134);
inline const QColor stoneDark(92, 88, 84);
inline const QColor brick(164, 84, 62);
inline const QColor concrete(170, 168, 160);
inline const QColor metal(140, 150, 158);
inline const QColor metalDark(70, 76, 84);
inline const QColor glass(150, 190, 210);
inline const QColor glassDark(58, 78, 96);
inline const QColor lampLight(255, 214, 130);

// Interiors.
inline const QColor wallpaperWarm(214, 186, 140);
inline const QColor wallpaperGreen(164, 178, 132);
inline const QColor wallOffice(206, 200, 178);
inline const QColor floorBoards(150, 104, 64);
inline const QColor floorTiles(176, 160, 140);
inline const QColor carpetRed(150, 58, 52);

// Signs.
inline const QColor signCream(246, 236, 206);
inline const QColor signGreen(44, 96, 64);
inline const QColor signBlue(36, 70, 130);
inline const QColor signRed(170, 42, 36);
inline const QColor ink(34, 30, 28);

// Apples: the village lives from them.
inline const QColor appleRed(196, 44, 36);
inline const QColor appleGreen(150, 186, 60);

}  // namespace artgen::pal
