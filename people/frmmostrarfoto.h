#pragma once
// The small viewer of the selected collaborator's photo ("Imagen Colaborador").
#include <QDialog>
#include <QPointer>

class QLabel;

namespace orva::people {

class TfrmColaboradores;

class TfrmMostrarFoto : public QDialog {
    Q_OBJECT
public:
    /// Shows the photo of the row selected in `colaboradores` (its owner) each time it
    /// is shown.
    explicit TfrmMostrarFoto(TfrmColaboradores* colaboradores, QWidget* parent = nullptr);

    QLabel* bImagen;

public slots:
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPointer<TfrmColaboradores> colaboradores_;
};

} // namespace orva::people
