#pragma once
// Local files of the object storage client named by UTF-8 paths, on Linux and Windows.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace orva::exchange {

std::filesystem::path PathFromUtf8(const std::string& path);
std::string PathToUtf8(const std::filesystem::path& path);

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileClose>;

/// fopen with a UTF-8 path; null when the file cannot be opened.
FileHandle OpenFile(const std::filesystem::path& path, const char* mode);

/// Opens a file for reading so that no one else writes to it while it is open (on
/// Windows the share mode denies writing; elsewhere an advisory shared lock is taken).
FileHandle OpenFileForUpload(const std::filesystem::path& path);

/// Size of an open file from its current end, restoring the position; -1 on failure.
long long OpenFileSize(std::FILE* file);

} // namespace orva::exchange
