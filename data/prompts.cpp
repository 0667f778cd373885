#include "data/prompts.h"

#include <QtDebug>

namespace orva::data {
namespace {

class LogPrompts : public Prompts {
public:
    void information(const QString& text) override { qInfo().noquote() << text; }
    void warning(const QString& text) override { qWarning().noquote() << text; }
    bool okCancelError(const QString& text, const QString& title) override {
        qWarning().noquote() << title << ":" << text;
        return false;
    }
    void quitApplication() override {}
};

LogPrompts logPrompts;
Prompts* installed = nullptr;

} // namespace

Prompts& prompts() {
    return installed ? *installed : logPrompts;
}

void setPrompts(Prompts* p) {
    installed = p;
}

} // namespace orva::data
