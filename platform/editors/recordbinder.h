#pragma once
// One binder per data panel: loads the editors from the current record and writes them
// back before the record is posted.
#include "platform/editors/boundeditor.h"

#include <QList>

namespace orva::platform {

class RecordBinder {
public:
    void add(BoundEditor* editor) { editors_ << editor; }
    /// Adds every bound editor (with a field name) found inside `panel`, in focus order.
    void addAll(QWidget* panel);
    /// Editor of a field (case-insensitive), nullptr when none.
    BoundEditor* editor(const QString& field) const;
    const QList<BoundEditor*>& editors() const { return editors_; }

    /// Shows the record's values in the editors.
    void load(const Record& record) const;
    /// Writes the editors' values into the record; read-only editors write nothing.
    void store(Record& record) const;

private:
    QList<BoundEditor*> editors_;
};

} // namespace orva::platform
