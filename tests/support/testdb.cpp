#include "support/testdb.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace orva::test {
namespace {

std::string env(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

void run(const std::string& command) {
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("falló: " + command);
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

} // namespace

DbSettings dbSettings() {
    return {env("ORVA_DB_HOST", "127.0.0.1"),
            static_cast<unsigned>(std::stoul(env("ORVA_DB_PORT", "3417"))),
            env("ORVA_DB_USER", "orva"), env("ORVA_DB_PASSWORD", "orva")};
}

std::string sourceDir() { return env("ORVA_SOURCE_DIR", ORVA_TEST_SOURCE_DIR); }

void createDatabase(const std::string& name, int demoPeople) {
    std::string cmd = quoted(sourceDir() + "/db/create_db.sh") + " " + name + " --replace";
    if (demoPeople > 0)
        cmd += " --demo " + std::to_string(demoPeople);
    run(cmd + " >/dev/null");
}

void runSql(const std::string& database, const std::string& sql) {
    auto path = std::filesystem::temp_directory_path() /
                ("orva-test-" + std::to_string(::getpid()) + "-" + database + ".sql");
    {
        std::ofstream out(path);
        out << sql;
    }
    try {
        run(quoted(sourceDir() + "/db/server.sh") + " sql --default-character-set=utf8mb4 " +
            database + " < " + quoted(path.string()));
    } catch (...) {
        std::filesystem::remove(path);
        throw;
    }
    std::filesystem::remove(path);
}

} // namespace orva::test
