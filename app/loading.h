#pragma once
// The small borderless window shown while the program starts.
#include <QWidget>

class QLabel;
class QMovie;

namespace orva::app {

class Tfrm_Loading : public QWidget {
    Q_OBJECT
public:
    /// Loads "GIF_prueba62.gif" of the current working folder when it is there; without
    /// it the window shows no picture.
    explicit Tfrm_Loading(QWidget* parent = nullptr);

    /// Whether the picture was found and is playing.
    bool tieneImagen() const { return movie_ != nullptr; }

private:
    QLabel* Image;
    QMovie* movie_ = nullptr;
};

} // namespace orva::app
