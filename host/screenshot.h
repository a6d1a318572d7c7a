// Screenshots for the demo tour.
#pragma once

#include <string>

// Saves the whole screen as a 24-bit BMP file.
bool SaveScreenBitmap(const std::string& path);
