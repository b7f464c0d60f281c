// The fixed numbers by which the caliper addresses its platform objects.
#pragma once

inline constexpr int MAIN_WINDOW = 0;
inline constexpr int CANVAS = 0;
inline constexpr int TIMER_SHAPE = 280; // repeating, re-applies the window shape
inline constexpr int POPUP_MENU = 1;

inline constexpr int FONT_READOUT = 1; // Arial 15 pt: the reading on the sliding jaw
inline constexpr int FONT_LABEL = 2;   // Arial 8 pt, proof quality: the scale's numbers

// Items of the popup menu; their numbers do not follow the order in which the menu shows them.
inline constexpr int MENU_CHANGE_DIAGONAL = 0;
inline constexpr int MENU_VERTICAL = 1;
inline constexpr int MENU_HORIZONTAL = 2;
inline constexpr int MENU_CHANGE_LENGTH = 3;
inline constexpr int MENU_QUIT = 4;

// Image slots: 0 to 4 make up the horizontal caliper, 5 to 9 the vertical one.
inline constexpr int IMG_H_FIXED_JAW = 0;
inline constexpr int IMG_H_SLIDER = 1;
inline constexpr int IMG_H_TIP = 2;
inline constexpr int IMG_H_TIP_BASE = 3;
inline constexpr int IMG_H_SCALE = 4;
inline constexpr int IMG_V_BODY = 5;
inline constexpr int IMG_V_SLIDER = 6;
inline constexpr int IMG_V_TIP = 7;
inline constexpr int IMG_V_TIP_BASE = 8;
inline constexpr int IMG_V_SCALE = 9;
inline constexpr int IMAGE_SLOTS = 10;
