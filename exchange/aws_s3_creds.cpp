#include "exchange/aws_s3_creds.h"

#include "exchange/aws_s3_files.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#ifdef _WIN32
#include <knownfolders.h>
#include <shlobj.h>
#include <windows.h>
#endif

#ifndef ORVA_AWS_DEV_INI
#define ORVA_AWS_DEV_INI ""
#endif

namespace orva::exchange {

namespace fs = std::filesystem;

namespace {

std::string trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

/// Where each key of section [aws] goes.
std::string* fieldFor(TAwsCreds& creds, const std::string& key) {
    if (key == "access_key")
        return &creds.AccessKey;
    if (key == "secret_key")
        return &creds.SecretKey;
    if (key == "region")
        return &creds.Region;
    if (key == "bucket")
        return &creds.Bucket;
    if (key == "domain")
        return &creds.Domain;
    if (key == "endpoint")
        return &creds.Endpoint;
    return nullptr;
}

#ifdef _WIN32
fs::path knownFolder(REFKNOWNFOLDERID id) {
    PWSTR folder = nullptr;
    fs::path result;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &folder)))
        result = fs::path(folder);
    CoTaskMemFree(folder);
    return result;
}

fs::path executableFolder() {
    std::wstring buffer(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
    if (length == 0 || length >= buffer.size())
        return {};
    buffer.resize(length);
    return fs::path(buffer).parent_path();
}

fs::path documentsFolder() {
    return knownFolder(FOLDERID_Documents);
}
fs::path configurationFolder() {
    return knownFolder(FOLDERID_RoamingAppData);
}
#else
fs::path executableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

fs::path homeFolder() {
    return PathFromUtf8(environment("HOME"));
}

fs::path configurationFolder() {
    const std::string configured = environment("XDG_CONFIG_HOME");
    if (!configured.empty() && PathFromUtf8(configured).is_absolute())
        return PathFromUtf8(configured);
    const fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / ".config";
}

/// The documents folder of the desktop's user folders (XDG_DOCUMENTS_DIR in
/// user-dirs.dirs, which names it in the user's language), else ~/Documents.
fs::path documentsFolder() {
    const fs::path home = homeFolder();
    if (home.empty())
        return {};
    const fs::path config = configurationFolder();
    std::ifstream dirs(config / "user-dirs.dirs");
    for (std::string line; std::getline(dirs, line);) {
        line = trimmed(line);
        const std::string prefix = "XDG_DOCUMENTS_DIR=";
        if (line.rfind(prefix, 0) != 0)
            continue;
        std::string value = line.substr(prefix.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            return PathFromUtf8(PathToUtf8(home) + value.substr(5));
        if (!value.empty() && value.front() == '/')
            return PathFromUtf8(value);
    }
    return home / "Documents";
}
#endif

} // namespace

void ReadAwsIni(const std::string& path, TAwsCreds& creds) {
    creds = TAwsCreds{};
    std::ifstream file(PathFromUtf8(path), std::ios::binary);
    if (!file)
        return;
    std::ostringstream content;
    content << file.rdbuf();
    std::string text = content.str();
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);

    std::istringstream lines(text);
    bool inAws = false;
    for (std::string raw; std::getline(lines, raw);) {
        const std::string line = trimmed(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            inAws =
                close != std::string::npos && lowered(trimmed(line.substr(1, close - 1))) == "aws";
            continue;
        }
        const auto equals = line.find('=');
        if (!inAws || equals == std::string::npos)
            continue;
        if (std::string* field = fieldFor(creds, lowered(trimmed(line.substr(0, equals)))))
            *field = trimmed(line.substr(equals + 1));
    }
}

std::vector<std::string> AwsCredentialFiles() {
    std::vector<std::string> files;
    const std::string developerCopy = ORVA_AWS_DEV_INI;
    if (!developerCopy.empty())
        files.push_back(developerCopy);
    const auto add = [&files](const fs::path& folder, const fs::path& name) {
        if (!folder.empty())
            files.push_back(PathToUtf8(folder / name));
    };
    add(executableFolder(), "aws.ini");
    add(documentsFolder(), fs::path("Salida") / "aws.ini");
    add(configurationFolder(), fs::path("Salida") / "aws.ini");
    return files;
}

void LoadAwsCreds(TAwsCreds& creds) {
    for (const std::string& file : AwsCredentialFiles()) {
        ReadAwsIni(file, creds);
        if (!creds.AccessKey.empty())
            return;
    }
    creds = TAwsCreds{};
    creds.AccessKey = environment("AWS_ACCESS_KEY_ID");
    creds.SecretKey = environment("AWS_SECRET_ACCESS_KEY");
    creds.Region = environment("AWS_REGION");
    creds.Bucket = environment("AWS_BUCKET");
}

} // namespace orva::exchange
