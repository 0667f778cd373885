#pragma once
// One dialogs service for every message box, question, input box, file dialog and
// "open with the default program": windows never create QMessageBox or QFileDialog
// themselves, so tests can answer them through ScriptedDialogs.
#include <QString>
#include <memory>
#include <optional>

namespace orva::platform {

/// What a dialog was; the scripted service records it with every message.
enum class DialogKind {
    Message,     ///< plain message box (no icon), titled with the application's name
    Information, ///< information icon, OK
    Warning,     ///< warning icon, OK
    Error,       ///< error icon, OK
    Confirm,     ///< question icon, Yes/No
    YesNoCancel, ///< question icon, Yes/No/Cancel
    OkCancel,    ///< error icon, OK/Cancel
    Input,       ///< input box
    OpenFile,    ///< open-file dialog
    SaveFile,    ///< save-file dialog
    OpenDocument ///< hand a file or address to the desktop's default program
};

/// Spanish name of a dialog kind, for failure messages of tests and logs.
QString dialogKindName(DialogKind kind);

enum class Answer { Yes, No, Cancel };

/// Options of the input box.
struct InputOptions {
    QString initial;     ///< text already in the box
    bool hidden = false; ///< typed characters shown as "*" (access codes, passwords)
    QString inputMask;   ///< Qt input mask (see editors/delphimask.h for the translation)
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// Default titles of the standard boxes.
    static QString confirmTitle() { return QStringLiteral("Confirmación"); }

    virtual void message(const QString& text) = 0;
    virtual void information(const QString& text, const QString& title = {}) = 0;
    virtual void warning(const QString& text, const QString& title = {}) = 0;
    virtual void error(const QString& text, const QString& title = {}) = 0;
    /// Yes/No question; true on Yes.
    virtual bool confirm(const QString& text, const QString& title = confirmTitle()) = 0;
    virtual Answer yesNoCancel(const QString& text, const QString& title = confirmTitle()) = 0;
    /// OK/Cancel with the error icon; true on OK.
    virtual bool okCancel(const QString& text, const QString& title) = 0;
    /// Input box; nothing when the user cancels.
    virtual std::optional<QString> input(const QString& title, const QString& prompt,
                                         const InputOptions& options = {}) = 0;
    /// Open-file dialog; `filter` in the "Description|*.a;*.b|Other|*.c" form
    /// (see filefilter.h). Empty text when cancelled.
    virtual QString openFileName(const QString& title, const QString& filter = {},
                                 const QString& folder = {}) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter = {},
                                 const QString& folder = {}) = 0;
    /// Opens a file path or an address with the desktop's default program; false
    /// when the desktop refused.
    virtual bool openWithDefaultProgram(const QString& pathOrUrl) = 0;
};

/// The service installed for the process (the Qt one unless a test installed another).
Dialogs& dialogs();

/// Installs `service` as the process's dialogs service and returns the previous one.
std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> service);

} // namespace orva::platform
