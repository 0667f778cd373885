#pragma once
// What the data layer asks of the user interface: message boxes it shows and the end of
// the program. The application installs its dialogs service here; tests install a
// scripted one. Without one, messages go to the log and questions are answered no.
#include <QString>

namespace orva::data {

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void information(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    /// A box with the error icon and OK / Cancel; true for OK.
    virtual bool okCancelError(const QString& text, const QString& title) = 0;
    /// Asks the application to end (after the current event).
    virtual void quitApplication() = 0;
};

/// The installed prompts (a logging stand-in when none is).
Prompts& prompts();
/// Installs `p` (not owned; nullptr restores the stand-in).
void setPrompts(Prompts* p);

} // namespace orva::data
