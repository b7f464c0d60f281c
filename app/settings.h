// The settings store: one line-based key/value document at a time, with groups and comments.
#pragma once

#include <string_view>

bool settings_open(std::string_view name);
bool settings_create(std::string_view name);
float settings_read_float(std::string_view key, float default_value);
void settings_write_float(std::string_view key, float value);
void settings_close();
