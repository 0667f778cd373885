#pragma once
// The lower record toolbar: "Aceptar" and "Cancelar", right-aligned. The window connects
// them to its btnPostClick and btnCancelClick.
#include <QFrame>

class QPushButton;

namespace orva::shell {

class TFrmBarraInferior : public QFrame {
    Q_OBJECT
public:
    /// Placed in windows under the name FrmBarraInferior1.
    explicit TFrmBarraInferior(QWidget* parent = nullptr);

    QPushButton* btnPost;   ///< "Aceptar"
    QPushButton* btnCancel; ///< "Cancelar"
};

} // namespace orva::shell
