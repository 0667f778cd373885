#pragma once
#include <QDialog>

class QListWidget;

namespace orva::platform {

class GridView;

/// "Selector de columnas": every column of a grid with a check mark; checking a hidden
/// column shows it, unchecking hides it.
class ColumnChooser : public QDialog {
    Q_OBJECT
public:
    explicit ColumnChooser(GridView* grid, QWidget* parent = nullptr);
    QListWidget* list() const { return list_; }

private:
    void refresh();

    GridView* grid_;
    QListWidget* list_;
};

} // namespace orva::platform
