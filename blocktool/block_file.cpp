#include "blocktool/block_file.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace scrubwell::blocktool {
namespace {

bool Failed(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool ReadBlockFile(const std::string& path, TEffectParamBlock& block, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return Failed(error, "cannot read " + path);
    }
    const std::vector<char> bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    if (bytes.size() != sizeof block) {
        return Failed(error,
            path + " has " + std::to_string(bytes.size()) + " bytes; a parameter block has "
                + std::to_string(sizeof block));
    }
    std::memcpy(&block, bytes.data(), sizeof block);
    return true;
}

bool WriteBlockFile(const std::string& path, const TEffectParamBlock& block, std::string* error)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(&block), sizeof block);
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Failed(error, "cannot write " + temporary);
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        const std::string reason = failure.message();
        std::filesystem::remove(temporary, failure);
        return Failed(error, "cannot replace " + path + ": " + reason);
    }
    return true;
}

} // namespace scrubwell::blocktool
