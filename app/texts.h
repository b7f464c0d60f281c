// The caliper's own texts, Windows-1252 byte strings.
#pragma once

#include <string_view>

inline constexpr std::string_view WINDOW_TITLE = "Tastolin";

inline constexpr std::string_view SETTINGS_FILE = "Tastolin.prefs";
inline constexpr std::string_view DIAGONAL_KEY = "Diagonale";

inline constexpr std::string_view MENU_VIEW_TEXT = "Ansicht";
inline constexpr std::string_view MENU_CHANGE_DIAGONAL_TEXT = "Bildschirmdiagonale \xE4ndern";
inline constexpr std::string_view MENU_CHANGE_LENGTH_TEXT = "L\xE4nge anpassen";
inline constexpr std::string_view MENU_HORIZONTAL_TEXT = "Horizontal";
inline constexpr std::string_view MENU_VERTICAL_TEXT = "Vertikal";
inline constexpr std::string_view MENU_QUIT_TEXT = "Beenden";

inline constexpr std::string_view FIRST_DIAGONAL_TITLE = "Bildschirmdiagonale einstellen";
inline constexpr std::string_view CHANGE_DIAGONAL_TITLE = MENU_CHANGE_DIAGONAL_TEXT;
inline constexpr std::string_view DIAGONAL_MESSAGE = "Geben Sie ihre Bildschirmdiagonale in Zoll(``) ein";
inline constexpr std::string_view CHANGE_LENGTH_TITLE = "Neue L\xE4nge der Tastolin definieren";
inline constexpr std::string_view LENGTH_MESSAGE = "Geben Sie eine neue L\xE4nge in Zentimeter ein.";
