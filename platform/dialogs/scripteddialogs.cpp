#include "platform/dialogs/scripteddialogs.h"

#include <QGuiApplication>

namespace orva::platform {
namespace {

QString answerName(int prepared) {
    static const char* names[] = {"Sí", "No", "Cancelar", "Aceptar", "texto"};
    return QString::fromUtf8(names[prepared]);
}

} // namespace

ScriptedDialogs& ScriptedDialogs::answerYes() {
    return prepare(Prepared::Yes);
}
ScriptedDialogs& ScriptedDialogs::answerNo() {
    return prepare(Prepared::No);
}
ScriptedDialogs& ScriptedDialogs::answerCancel() {
    return prepare(Prepared::Cancel);
}
ScriptedDialogs& ScriptedDialogs::answerOk() {
    return prepare(Prepared::Ok);
}
ScriptedDialogs& ScriptedDialogs::answerText(const QString& text) {
    return prepare(Prepared::Text, text);
}
ScriptedDialogs& ScriptedDialogs::answerFile(const QString& path) {
    return prepare(Prepared::Text, path);
}

ScriptedDialogs& ScriptedDialogs::prepare(Prepared kind, const QString& text) {
    answers_.push_back({kind, text});
    return *this;
}

QStringList ScriptedDialogs::texts(DialogKind kind) const {
    QStringList result;
    for (const auto& d : shown_)
        if (d.kind == kind)
            result << d.text;
    return result;
}

const ShownDialog& ScriptedDialogs::last() const {
    if (shown_.isEmpty())
        throw ScriptedDialogsError("no se mostró ningún diálogo");
    return shown_.last();
}

void ScriptedDialogs::record(DialogKind kind, const QString& title, const QString& text,
                             const QString& answer) {
    shown_.append({kind, title, text, answer});
}

ScriptedDialogs::PreparedAnswer ScriptedDialogs::take(DialogKind kind, const QString& title,
                                                      const QString& text,
                                                      std::initializer_list<Prepared> allowed) {
    const QString what =
        QStringLiteral("%1 «%2» titulada «%3»").arg(dialogKindName(kind), text, title);
    if (answers_.empty()) {
        record(kind, title, text, QStringLiteral("(sin respuesta)"));
        throw ScriptedDialogsError(
            QStringLiteral("llegó %1 sin respuesta preparada").arg(what).toStdString());
    }
    PreparedAnswer answer = answers_.front();
    bool fits = false;
    for (Prepared p : allowed)
        fits = fits || p == answer.kind;
    if (!fits) {
        record(kind, title, text, QStringLiteral("(respuesta equivocada)"));
        throw ScriptedDialogsError(QStringLiteral("llegó %1 y la respuesta preparada era «%2»")
                                       .arg(what, answerName(static_cast<int>(answer.kind)))
                                       .toStdString());
    }
    answers_.pop_front();
    record(kind, title, text,
           answer.kind == Prepared::Text ? answer.text : answerName(static_cast<int>(answer.kind)));
    return answer;
}

void ScriptedDialogs::message(const QString& text) {
    record(DialogKind::Message, QGuiApplication::applicationDisplayName(), text);
}

void ScriptedDialogs::information(const QString& text, const QString& title) {
    record(DialogKind::Information, title.isEmpty() ? QStringLiteral("Información") : title, text);
}

void ScriptedDialogs::warning(const QString& text, const QString& title) {
    record(DialogKind::Warning, title.isEmpty() ? QStringLiteral("Advertencia") : title, text);
}

void ScriptedDialogs::error(const QString& text, const QString& title) {
    record(DialogKind::Error, title.isEmpty() ? QStringLiteral("Error") : title, text);
}

bool ScriptedDialogs::confirm(const QString& text, const QString& title) {
    return take(DialogKind::Confirm, title, text, {Prepared::Yes, Prepared::No}).kind ==
           Prepared::Yes;
}

Answer ScriptedDialogs::yesNoCancel(const QString& text, const QString& title) {
    switch (
        take(DialogKind::YesNoCancel, title, text, {Prepared::Yes, Prepared::No, Prepared::Cancel})
            .kind) {
    case Prepared::Yes:
        return Answer::Yes;
    case Prepared::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool ScriptedDialogs::okCancel(const QString& text, const QString& title) {
    return take(DialogKind::OkCancel, title, text, {Prepared::Ok, Prepared::Cancel}).kind ==
           Prepared::Ok;
}

std::optional<QString> ScriptedDialogs::input(const QString& title, const QString& prompt,
                                              const InputOptions&) {
    const auto answer = take(DialogKind::Input, title, prompt, {Prepared::Text, Prepared::Cancel});
    if (answer.kind == Prepared::Cancel)
        return std::nullopt;
    return answer.text;
}

QString ScriptedDialogs::fileAnswer(DialogKind kind, const QString& title, const QString& filter) {
    const auto answer = take(kind, title, filter, {Prepared::Text, Prepared::Cancel});
    return answer.kind == Prepared::Cancel ? QString() : answer.text;
}

QString ScriptedDialogs::openFileName(const QString& title, const QString& filter, const QString&) {
    return fileAnswer(DialogKind::OpenFile, title, filter);
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& filter, const QString&) {
    return fileAnswer(DialogKind::SaveFile, title, filter);
}

bool ScriptedDialogs::openWithDefaultProgram(const QString& pathOrUrl) {
    record(DialogKind::OpenDocument, {}, pathOrUrl);
    return openSucceeds_;
}

} // namespace orva::platform
