#pragma once
#include <QWidget>

class QHeaderView;

namespace orva::platform {

class GridModel;

/// The row under the grid's records that shows each summed column's total, aligned
/// with the column.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    GridFooter(GridModel* model, QHeaderView* header, QWidget* parent = nullptr);

    /// Left margin of the records area inside the grid (frame width).
    void setLeftMargin(int pixels);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GridModel* model_;
    QHeaderView* header_;
    int left_ = 0;
};

} // namespace orva::platform
