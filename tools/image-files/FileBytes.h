// Whole files in and out of memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// False when the file cannot be opened or read to its end.
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
