#pragma once
#include "platform/dialogs/dialogs.h"

namespace orva::platform {

/// The dialogs service of the running program: Qt's standard boxes, parented to the
/// active window, with Spanish titles (the buttons are Spanish once
/// installQtTranslations() has run).
class QtDialogs : public Dialogs {
public:
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
};

} // namespace orva::platform
