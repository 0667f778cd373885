#pragma once
// Dialogs service for tests: every question takes the next prepared answer, in order;
// every dialog shown is recorded with its kind, title and text.
#include "platform/dialogs/dialogs.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <stdexcept>

namespace orva::platform {

/// Raised when a question comes with no answer prepared, or with an answer prepared
/// for another kind of question: the test is out of step with the window.
class ScriptedDialogsError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

/// One dialog as it was shown.
struct ShownDialog {
    DialogKind kind;
    QString title;
    QString text;   ///< message, question, input prompt, file filter or opened path
    QString answer; ///< "Sí", "No", "Cancelar", "Aceptar", the text or path given; empty for plain
                    ///< messages
};

class ScriptedDialogs : public Dialogs {
public:
    // Answers, consumed in the order they were prepared.
    ScriptedDialogs& answerYes();
    ScriptedDialogs& answerNo();
    ScriptedDialogs&
    answerCancel(); ///< Cancel for Yes/No/Cancel, OK/Cancel, input and file dialogs
    ScriptedDialogs& answerOk();
    ScriptedDialogs& answerText(const QString& text); ///< input box
    ScriptedDialogs& answerFile(const QString& path); ///< open or save dialog

    /// Makes openWithDefaultProgram() report failure instead of success.
    void setOpenSucceeds(bool succeeds) { openSucceeds_ = succeeds; }

    const QList<ShownDialog>& shown() const { return shown_; }
    /// Texts of the dialogs of one kind, in order.
    QStringList texts(DialogKind kind) const;
    /// The last dialog shown; raises when none was.
    const ShownDialog& last() const;
    void clearShown() { shown_.clear(); }
    /// Answers prepared and not yet used.
    qsizetype pendingAnswers() const { return static_cast<qsizetype>(answers_.size()); }

    void message(const QString& text) override;
    void information(const QString& text, const QString& title = {}) override;
    void warning(const QString& text, const QString& title = {}) override;
    void error(const QString& text, const QString& title = {}) override;
    bool confirm(const QString& text, const QString& title = confirmTitle()) override;
    Answer yesNoCancel(const QString& text, const QString& title = confirmTitle()) override;
    bool okCancel(const QString& text, const QString& title) override;
    std::optional<QString> input(const QString& title, const QString& prompt,
                                 const InputOptions& options = {}) override;
    QString openFileName(const QString& title, const QString& filter = {},
                         const QString& folder = {}) override;
    QString saveFileName(const QString& title, const QString& filter = {},
                         const QString& folder = {}) override;
    bool openWithDefaultProgram(const QString& pathOrUrl) override;

private:
    enum class Prepared { Yes, No, Cancel, Ok, Text };
    struct PreparedAnswer {
        Prepared kind;
        QString text;
    };

    ScriptedDialogs& prepare(Prepared kind, const QString& text = {});
    /// Takes the next answer, which must be one of `allowed`; raises otherwise.
    PreparedAnswer take(DialogKind kind, const QString& title, const QString& text,
                        std::initializer_list<Prepared> allowed);
    void record(DialogKind kind, const QString& title, const QString& text,
                const QString& answer = {});
    QString fileAnswer(DialogKind kind, const QString& title, const QString& filter);

    std::deque<PreparedAnswer> answers_;
    QList<ShownDialog> shown_;
    bool openSucceeds_ = true;
};

} // namespace orva::platform
