#pragma once
// The grid's header with the filter row: one edit under each column caption. An edit
// applies its text after a pause in the typing, so that a fast typist does not wait for
// the grid between keystrokes; Enter applies at once. Syntax: columnfilter.h.
#include <QHeaderView>
#include <QList>

class QLineEdit;
class QTimer;

namespace orva::platform {

class FilterHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit FilterHeader(QWidget* parent = nullptr);

    void setFilterRowVisible(bool visible);
    bool isFilterRowVisible() const { return filterRowVisible_; }
    /// Milliseconds of typing pause before a filter applies (300 by default).
    void setTypingPause(int milliseconds) { pause_ = milliseconds; }
    int typingPause() const { return pause_; }

    /// The edit of a column (logical index), nullptr when there is none.
    QLineEdit* filterEdit(int column) const;
    /// Sets a column's edit text without emitting filterChanged.
    void setFilterText(int column, const QString& text);
    void clearFilters();

    QSize sizeHint() const override;
    /// Puts the edits under their columns again (after a horizontal scroll).
    void placeEdits();

signals:
    void filterChanged(int column, const QString& text);

protected:
    void updateGeometries() override;

private:
    void rebuildEdits();
    int editHeight() const;

    QList<QLineEdit*> edits_;
    QList<QTimer*> timers_;
    bool filterRowVisible_ = true;
    int pause_ = 300;
};

} // namespace orva::platform
