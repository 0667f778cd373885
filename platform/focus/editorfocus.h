#pragma once
// Keyboard and focus behaviour of data windows, installed once per window:
// Enter moves to the next control as Tab does (and is consumed), and the focused editor
// is painted in a highlight colour, white again when left.
#include <QColor>
#include <QObject>
#include <QPointer>

class QWidget;

namespace orva::platform {

class EditorFocus : public QObject {
    Q_OBJECT
public:
    /// The light blue of an active window caption's gradient, the default highlight.
    static QColor defaultHighlight();

    explicit EditorFocus(QObject* parent = nullptr);

    /// Watches `window` and every editor inside it now; call again after adding editors.
    /// The filter belongs to the window afterwards.
    static EditorFocus* install(QWidget* window, QColor highlight = defaultHighlight());

    void setHighlight(const QColor& colour) { highlight_ = colour; }
    QColor highlight() const { return highlight_; }
    /// Enter moving the focus can be turned off (windows that only colour their editors).
    void setEnterMovesFocus(bool on) { enterMoves_ = on; }
    /// Watches the editors inside `root` (text, masked, date, number, memo, combo, lookup).
    void watch(QWidget* root);

    /// Whether a widget is an editor that takes the highlight.
    static bool isEditor(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(QWidget* editor, const QColor& colour);

    QColor highlight_;
    bool enterMoves_ = true;
};

} // namespace orva::platform
