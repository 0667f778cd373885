#include "shell/avisosdatos.h"

#include "platform/dialogs/dialogs.h"

namespace orva::shell {

AvisosDialogos::AvisosDialogos(std::function<void()> terminar) : terminar_(std::move(terminar)) {
    data::setPrompts(this);
}

AvisosDialogos::~AvisosDialogos() {
    if (&data::prompts() == this)
        data::setPrompts(nullptr);
}

void AvisosDialogos::information(const QString& text) {
    platform::dialogs().information(text);
}

void AvisosDialogos::warning(const QString& text) {
    platform::dialogs().warning(text);
}

bool AvisosDialogos::okCancelError(const QString& text, const QString& title) {
    return platform::dialogs().okCancel(text, title);
}

void AvisosDialogos::quitApplication() {
    if (terminar_)
        terminar_();
}

} // namespace orva::shell
