#pragma once
// The data layer's messages (data/prompts.h) shown through the dialogs service, so that
// they look like every other message and tests answer them with the scripted service.
#include "data/prompts.h"

#include <functional>

namespace orva::shell {

class AvisosDialogos : public data::Prompts {
public:
    /// `terminar` ends the application (the program passes the event loop's exit).
    explicit AvisosDialogos(std::function<void()> terminar);
    ~AvisosDialogos() override;

    void information(const QString& text) override;
    void warning(const QString& text) override;
    bool okCancelError(const QString& text, const QString& title) override;
    void quitApplication() override;

private:
    std::function<void()> terminar_;
};

} // namespace orva::shell
