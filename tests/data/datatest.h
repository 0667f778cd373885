#pragma once
// Shared by the data tests: a database of the suite's own, the connection module pointed
// at it, and prompts that record what the user would have been shown.
#include "data/connection.h"
#include "data/prompts.h"
#include "support/testdb.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <string>

namespace orva::test {

/// Records every message; answers OK/Cancel questions from a script (Cancel when empty).
class RecordingPrompts : public data::Prompts {
public:
    RecordingPrompts() { data::setPrompts(this); }
    ~RecordingPrompts() override { data::setPrompts(nullptr); }

    void information(const QString& text) override { shown << QStringLiteral("info: ") + text; }
    void warning(const QString& text) override { shown << QStringLiteral("warning: ") + text; }
    bool okCancelError(const QString& text, const QString& title) override {
        shown << QStringLiteral("okcancel: ") + title + QStringLiteral(" | ") + text;
        if (answers.empty())
            return false;
        const bool ok = answers.front();
        answers.pop_front();
        return ok;
    }
    void quitApplication() override { ++quitRequests; }

    QStringList shown;
    std::deque<bool> answers;
    int quitRequests = 0;
};

/// Points `c` at `database` on the test server (not connected).
void configure(data::DbConnection& c, const std::string& database);

/// Points both links of the connection module at `database` and connects them.
void connectModule(const std::string& database);

/// Kills the server thread `threadId` from `admin` and waits until the server has ended
/// it (its named locks are free by then).
void killAndWait(data::DbConnection& admin, unsigned long threadId);

/// Closes the module's links and shared datasets.
void disconnectModule();

} // namespace orva::test
