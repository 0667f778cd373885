#include "platform/grid/filterheader.h"

#include "platform/grid/columnfilter.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

namespace orva::platform {

FilterHeader::FilterHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSectionsMovable(true);
    setSortIndicatorShown(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QHeaderView::sectionResized, this, &FilterHeader::placeEdits);
    connect(this, &QHeaderView::sectionMoved, this, &FilterHeader::placeEdits);
    connect(this, &QHeaderView::sectionCountChanged, this, &FilterHeader::rebuildEdits);
    connect(this, &QHeaderView::geometriesChanged, this, &FilterHeader::placeEdits);
}

int FilterHeader::editHeight() const {
    if (!filterRowVisible_)
        return 0;
    return QLineEdit().sizeHint().height();
}

QSize FilterHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(size.height() + editHeight());
    return size;
}

void FilterHeader::updateGeometries() {
    setViewportMargins(0, 0, 0, editHeight());
    QHeaderView::updateGeometries();
    placeEdits();
}

QLineEdit* FilterHeader::filterEdit(int column) const {
    return column >= 0 && column < edits_.size() ? edits_.at(column) : nullptr;
}

void FilterHeader::setFilterRowVisible(bool visible) {
    filterRowVisible_ = visible;
    updateGeometries();
    updateGeometry();
}

void FilterHeader::setFilterText(int column, const QString& text) {
    if (QLineEdit* edit = filterEdit(column)) {
        timers_.at(column)->stop();
        edit->setText(text);
    }
}

void FilterHeader::clearFilters() {
    for (int i = 0; i < edits_.size(); ++i)
        setFilterText(i, {});
}

void FilterHeader::rebuildEdits() {
    QStringList texts;
    for (QLineEdit* edit : edits_)
        texts << edit->text();
    qDeleteAll(edits_);
    qDeleteAll(timers_);
    edits_.clear();
    timers_.clear();
    for (int column = 0; column < count(); ++column) {
        auto* edit = new QLineEdit(this);
        edit->setPlaceholderText(QStringLiteral("Filtrar…"));
        edit->setToolTip(columnFilterHelp());
        edit->setClearButtonEnabled(true);
        edit->setObjectName(QStringLiteral("filtro%1").arg(column));
        if (column < texts.size())
            edit->setText(texts.at(column));
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        // Only the user's typing waits for the pause; setFilterText() applies nothing.
        connect(edit, &QLineEdit::textEdited, timer, [this, timer] { timer->start(pause_); });
        connect(timer, &QTimer::timeout, this,
                [this, column, edit] { emit filterChanged(column, edit->text()); });
        connect(edit, &QLineEdit::returnPressed, this, [this, column, edit, timer] {
            timer->stop();
            emit filterChanged(column, edit->text());
        });
        edits_ << edit;
        timers_ << timer;
    }
    placeEdits();
}

void FilterHeader::placeEdits() {
    const int labelHeight = QHeaderView::sizeHint().height();
    for (int column = 0; column < edits_.size(); ++column) {
        QLineEdit* edit = edits_.at(column);
        if (!filterRowVisible_ || isSectionHidden(column)) {
            edit->hide();
            continue;
        }
        edit->setGeometry(sectionViewportPosition(column), labelHeight, sectionSize(column),
                          editHeight());
        edit->show();
    }
}

} // namespace orva::platform
