#include "platform/dialogs/qtdialogs.h"

#include "platform/dialogs/filefilter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>

namespace orva::platform {
namespace {

QWidget* parentWindow() {
    return QApplication::activeWindow();
}

QString orDefault(const QString& title, const char* fallback) {
    return title.isEmpty() ? QString::fromUtf8(fallback) : title;
}

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parentWindow());
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void QtDialogs::message(const QString& text) {
    showBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtDialogs::information(const QString& text, const QString& title) {
    showBox(QMessageBox::Information, orDefault(title, "Información"), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtDialogs::warning(const QString& text, const QString& title) {
    showBox(QMessageBox::Warning, orDefault(title, "Advertencia"), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

void QtDialogs::error(const QString& text, const QString& title) {
    showBox(QMessageBox::Critical, orDefault(title, "Error"), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

bool QtDialogs::confirm(const QString& text, const QString& title) {
    return showBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
}

Answer QtDialogs::yesNoCancel(const QString& text, const QString& title) {
    switch (showBox(QMessageBox::Question, title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtDialogs::okCancel(const QString& text, const QString& title) {
    return showBox(QMessageBox::Critical, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                   QMessageBox::Ok) == QMessageBox::Ok;
}

std::optional<QString> QtDialogs::input(const QString& title, const QString& prompt,
                                        const InputOptions& options) {
    // Our own small dialog rather than QInputDialog: it takes an input mask.
    QDialog dialog(parentWindow());
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt, &dialog));
    auto* edit = new QLineEdit(&dialog);
    if (!options.inputMask.isEmpty())
        edit->setInputMask(options.inputMask);
    edit->setText(options.initial);
    if (options.hidden)
        edit->setEchoMode(QLineEdit::Password);
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(320);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text();
}

QString QtDialogs::openFileName(const QString& title, const QString& filter,
                                const QString& folder) {
    return QFileDialog::getOpenFileName(parentWindow(), title, folder, qtFileFilter(filter));
}

QString QtDialogs::saveFileName(const QString& title, const QString& filter,
                                const QString& folder) {
    return QFileDialog::getSaveFileName(parentWindow(), title, folder, qtFileFilter(filter));
}

bool QtDialogs::openWithDefaultProgram(const QString& pathOrUrl) {
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl)
                                                  : QUrl::fromUserInput(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

} // namespace orva::platform
