#include "platform/editors/recordbinder.h"

#include <QWidget>

namespace orva::platform {

void RecordBinder::addAll(QWidget* panel) {
    for (QWidget* w = panel->nextInFocusChain(); w && w != panel; w = w->nextInFocusChain()) {
        if (!panel->isAncestorOf(w))
            continue;
        auto* editor = dynamic_cast<BoundEditor*>(w);
        if (editor && !editor->fieldName().isEmpty() && !editors_.contains(editor))
            editors_ << editor;
    }
    // Editors outside the focus chain (NoFocus) still bind.
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        auto* editor = dynamic_cast<BoundEditor*>(w);
        if (editor && !editor->fieldName().isEmpty() && !editors_.contains(editor))
            editors_ << editor;
    }
}

BoundEditor* RecordBinder::editor(const QString& field) const {
    for (BoundEditor* e : editors_)
        if (e->fieldName().compare(field, Qt::CaseInsensitive) == 0)
            return e;
    return nullptr;
}

void RecordBinder::load(const Record& record) const {
    for (BoundEditor* e : editors_) {
        // Typing stops at the field's size, so nothing is refused by the server later.
        if (const int limit = record.maxLength(e->fieldName()); limit > 0)
            e->limitLength(limit);
        e->setEditorValue(record.value(e->fieldName()));
    }
}

void RecordBinder::store(Record& record) const {
    for (BoundEditor* e : editors_)
        if (!e->isReadOnlyEditor())
            record.setValue(e->fieldName(), e->editorValue());
}

} // namespace orva::platform
