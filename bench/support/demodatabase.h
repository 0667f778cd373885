#pragma once
// The database the database benchmarks measure against: `orva_bench` with 100,000 demo
// people unless ORVA_BENCH_DB and ORVA_BENCH_PEOPLE say otherwise, on the server that the
// ORVA_DB_* settings name (as for db/server.sh). It is made once with db/create_db.sh and
// kept for later runs.
#include "data/dataset.h"

#include <QString>

namespace orva::bench {

/// The name of the benchmarks' database.
const QString& benchDatabase();

/// The number of demo people it must hold.
int benchPeople();

/// Connects the module's links to the benchmarks' database, creating it with
/// db/create_db.sh when it is missing or holds fewer people, loads the statement catalogue
/// and checks that the people list's statement is in it. False once it has said why not.
bool prepareDemoDatabase();

/// The people list as the collaborator window opens it: the catalogued statement
/// `master_personal`, bound with every filter at -1 (not opened).
void assignPeopleList(data::Dataset& ds);

} // namespace orva::bench
