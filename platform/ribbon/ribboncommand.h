#pragma once
#include <QAction>

class QMenu;

namespace orva::platform {

/// A command of the ribbon, the quick-access bar or the application menu. Its object
/// name is the component name the rights code looks up; its `tag` is the number the
/// rights code reads (a tab number, or 100 for "never governed by rights").
class RibbonCommand : public QAction {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag WRITE setTag)
public:
    enum class Kind {
        LargeButton, ///< big icon, caption below
        Button,      ///< small button, or an item of a submenu or the application menu
        SubMenu      ///< opens a menu of further commands
    };

    RibbonCommand(const QString& name, const QString& caption, int tag, Kind kind, QObject* parent);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    Kind kind() const { return kind_; }
    /// Whether the rights code treats it as a button (large or small); submenus are not.
    bool isButton() const { return kind_ != Kind::SubMenu; }

    /// The menu of a SubMenu command (nullptr for buttons).
    QMenu* subMenu() const { return menu_; }
    /// Adds an item to this submenu; the new command belongs to the same owner.
    RibbonCommand* addItem(const QString& name, const QString& caption, int tag,
                           Kind kind = Kind::Button);

private:
    int tag_;
    Kind kind_;
    QMenu* menu_ = nullptr;
};

} // namespace orva::platform
