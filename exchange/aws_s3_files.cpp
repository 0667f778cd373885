#include "exchange/aws_s3_files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <sys/file.h>
#endif

namespace orva::exchange {

std::filesystem::path PathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

FileHandle OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return FileHandle(_wfopen(path.c_str(), wideMode.c_str()));
#else
    return FileHandle(std::fopen(path.c_str(), mode));
#endif
}

FileHandle OpenFileForUpload(const std::filesystem::path& path) {
#ifdef _WIN32
    return FileHandle(_wfsopen(path.c_str(), L"rb", _SH_DENYWR));
#else
    FileHandle file = OpenFile(path, "rb");
    // Advisory only: it keeps out writers that also lock, such as another instance of
    // the program saving the same file. A change made anyway is caught by the service,
    // which refuses a body whose hash is not the signed one.
    if (file)
        ::flock(fileno(file.get()), LOCK_SH | LOCK_NB);
    return file;
#endif
}

long long OpenFileSize(std::FILE* file) {
#ifdef _WIN32
    const long long previous = _ftelli64(file);
    if (previous < 0 || _fseeki64(file, 0, SEEK_END) != 0)
        return -1;
    const long long size = _ftelli64(file);
    _fseeki64(file, previous, SEEK_SET);
#else
    const off_t previous = ftello(file);
    if (previous < 0 || fseeko(file, 0, SEEK_END) != 0)
        return -1;
    const long long size = ftello(file);
    fseeko(file, previous, SEEK_SET);
#endif
    return size;
}

} // namespace orva::exchange
