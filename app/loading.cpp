#include "app/loading.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMovie>
#include <QScreen>
#include <QVBoxLayout>

namespace orva::app {

Tfrm_Loading::Tfrm_Loading(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Image(new QLabel(this)) {
    setObjectName(QStringLiteral("frm_Loading"));
    setWindowTitle(QStringLiteral("Loading"));
    setFixedSize(157, 128);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setAlignment(Qt::AlignCenter);
    Image->setScaledContents(true);
    layout->addWidget(Image);

    const QString gif = QDir::current().filePath(QStringLiteral("GIF_prueba62.gif"));
    if (QFile::exists(gif)) {
        auto* movie = new QMovie(gif, QByteArray(), this);
        if (movie->isValid()) {
            movie_ = movie;
            Image->setMovie(movie_);
            movie_->start();
        } else {
            delete movie;
        }
    }
    if (QScreen* pantalla = QGuiApplication::primaryScreen()) {
        QRect marco = rect();
        marco.moveCenter(pantalla->availableGeometry().center());
        move(marco.topLeft());
    }
}

} // namespace orva::app
