#include "host/block_file.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

bool LoadBlockFile(const std::string& path, TEffectParamBlock& block)
{
    std::memset(&block, 0, sizeof block);
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    if (bytes.size() != sizeof block)
        return false;
    std::memcpy(&block, bytes.data(), sizeof block);
    return true;
}

bool SaveBlockFile(const std::string& path, const TEffectParamBlock& block)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(&block), sizeof block);
    return static_cast<bool>(file);
}

bool WriteTextFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file);
}
