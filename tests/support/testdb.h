#pragma once
// Access to the private database server of the test run (see tests/CMakeLists.txt).
#include <string>

namespace orva::test {

struct DbSettings {
    std::string host;
    unsigned port = 0;
    std::string user;
    std::string password;
};

/// Connection settings of the test run's private server, from the environment.
DbSettings dbSettings();

/// Root of the source tree (db/, resources/).
std::string sourceDir();

/// Creates database `name` afresh from the same schema and catalog files the program
/// uses; with demoPeople > 0 also loads that many demo people. Throws on failure.
void createDatabase(const std::string& name, int demoPeople = 0);

/// Runs SQL text against `database` through the command-line client (fixtures only).
void runSql(const std::string& database, const std::string& sql);

} // namespace orva::test
