#include "blocktool/block_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace scrubwell::blocktool {
namespace {

namespace fs = std::filesystem;

bool Failed(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

std::string Reason(int code)
{
    return std::generic_category().message(code);
}

#ifndef _WIN32
// Writes the block into a new file that only its owner may read until it has
// the owner and mode of the file it is to replace (or a new file's mode, when
// like is null). Returns 0 or the errno of the failure.
int WriteNewFile(const fs::path& file, const TEffectParamBlock& block, const struct stat* like)
{
    unlink(file.c_str());
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, like ? 0600 : 0666);
    if (fd < 0)
        return errno;
    const char* bytes = reinterpret_cast<const char*>(&block);
    size_t written = 0;
    int failure = 0;
    while (written < sizeof block && !failure) {
        const ssize_t count = write(fd, bytes + written, sizeof block - written);
        if (count >= 0)
            written += static_cast<size_t>(count);
        else if (errno != EINTR)
            failure = errno;
    }
    if (!failure && like) {
        // The owner where the process may set it (otherwise the file becomes
        // the user's); the mode after it, since a change of owner may clear
        // the set-id bits.
        [[maybe_unused]] const bool ownerKept = fchown(fd, like->st_uid, like->st_gid) == 0;
        if (fchmod(fd, like->st_mode & 07777) != 0)
            failure = errno;
    }
    if (!failure && fsync(fd) != 0)
        failure = errno;
    if (close(fd) != 0 && !failure)
        failure = errno;
    return failure;
}
#else
int WriteNewFile(const fs::path& file, const TEffectParamBlock& block, const void*)
{
    std::FILE* stream = std::fopen(file.string().c_str(), "wb");
    if (!stream)
        return errno;
    const bool written = std::fwrite(&block, sizeof block, 1, stream) == 1;
    const int failure = written ? 0 : errno;
    return std::fclose(stream) != 0 && written ? errno : failure;
}
#endif

} // namespace

bool ReadBlockFile(const std::string& path, TEffectParamBlock& block, std::string* error)
{
    std::error_code ignored;
    if (fs::is_directory(path, ignored))
        return Failed(error, "cannot read " + path + ": " + Reason(EISDIR));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return Failed(error, "cannot read " + path + ": " + Reason(errno));
    unsigned char bytes[sizeof block + 1];
    const size_t count = std::fread(bytes, 1, sizeof bytes, file);
    const int failure = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (failure)
        return Failed(error, "cannot read " + path + ": " + Reason(failure));
    if (count != sizeof block) {
        const auto size = fs::file_size(path, ignored);
        return Failed(error,
            path + " has " + std::to_string(ignored ? count : size) + " bytes; a parameter block has "
                + std::to_string(sizeof block));
    }
    std::memcpy(&block, bytes, sizeof block);
    return true;
}

bool WriteBlockFile(const std::string& path, const TEffectParamBlock& block, std::string* error)
{
    const auto failed
        = [&](const std::string& reason) { return Failed(error, "cannot write " + path + ": " + reason); };
    std::error_code failure;
    fs::path target = path;
    const fs::file_status status = fs::status(path, failure);
    const bool replacing = fs::exists(status);
    if (replacing) {
        // A symbolic link stays: its target gets the new bytes.
        target = fs::canonical(path, failure);
        if (failure)
            return failed(failure.message());
        if (fs::is_directory(status))
            return failed(Reason(EISDIR));
        if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
            return failed("the file is read-only");
    }
#ifndef _WIN32
    struct stat like;
    if (replacing && (access(target.c_str(), W_OK) != 0 || stat(target.c_str(), &like) != 0))
        return failed(Reason(errno));
    const struct stat* keep = replacing ? &like : nullptr;
#else
    const void* keep = nullptr;
#endif
    fs::path temporary = target;
    temporary += ".tmp";
    if (const int code = WriteNewFile(temporary, block, keep)) {
        fs::remove(temporary, failure);
        return failed(Reason(code));
    }
    fs::rename(temporary, target, failure);
    if (failure) {
        const std::string reason = failure.message();
        fs::remove(temporary, failure);
        return failed(reason);
    }
    return true;
}

} // namespace scrubwell::blocktool
