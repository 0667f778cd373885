#include "platform/grid/gridfooter.h"

#include "platform/grid/gridmodel.h"

#include <QHeaderView>
#include <QPainter>

namespace orva::platform {

GridFooter::GridFooter(GridModel* model, QHeaderView* header, QWidget* parent)
    : QWidget(parent), model_(model), header_(header) {
    auto repaint = [this] { update(); };
    connect(header_, &QHeaderView::sectionResized, this, repaint);
    connect(header_, &QHeaderView::sectionMoved, this, repaint);
    connect(header_, &QHeaderView::geometriesChanged, this, repaint);
    connect(model_, &GridModel::displayChanged, this, repaint);
    connect(model_, &GridModel::dataChanged, this, repaint);
}

void GridFooter::setLeftMargin(int pixels) {
    left_ = pixels;
    update();
}

QSize GridFooter::sizeHint() const {
    return {100, fontMetrics().height() + 8};
}

void GridFooter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().topLeft(), rect().topRight());
    painter.setPen(palette().color(QPalette::WindowText));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (header_->isSectionHidden(column))
            continue;
        const QString text = model_->footerText(column);
        if (text.isEmpty())
            continue;
        const QRect cell(left_ + header_->sectionViewportPosition(column) + 4, 0,
                         header_->sectionSize(column) - 8, height());
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

} // namespace orva::platform
