// Text files that the demo host's tour leaves behind.
#pragma once

#include <string>

bool WriteTextFile(const std::string& path, const std::string& text);
