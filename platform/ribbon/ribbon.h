#pragma once
// The main window's command bar: tabs with groups of large and small buttons and
// submenus, a quick-access bar and an application menu. Every command can be found by
// its component name, so the rights code can walk and set them.
#include "platform/ribbon/ribboncommand.h"

#include <QList>
#include <QWidget>

class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace orva::platform {

class Ribbon;

class RibbonGroup : public QWidget {
    Q_OBJECT
public:
    RibbonGroup(const QString& caption, Ribbon* ribbon, QWidget* parent);
    QString caption() const;

    RibbonCommand* addLargeButton(const QString& name, const QString& caption, int tag);
    RibbonCommand* addButton(const QString& name, const QString& caption, int tag);
    /// A button that opens a menu; add its items with RibbonCommand::addItem.
    RibbonCommand* addSubMenu(const QString& name, const QString& caption, int tag,
                              bool large = true);
    /// The button showing a command of this group.
    QToolButton* button(const RibbonCommand* command) const;

private:
    RibbonCommand* add(RibbonCommand* command);
    void updateVisibility();

    Ribbon* ribbon_;
    QHBoxLayout* buttons_;
    QLabel* caption_;
    QList<QToolButton*> buttonList_;
    QVBoxLayout* smallColumn_ = nullptr;
    int smallInColumn_ = 0;
};

class RibbonTab : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag WRITE setTag)
public:
    RibbonTab(const QString& name, const QString& caption, int tag, Ribbon* ribbon);
    QString caption() const { return caption_; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    RibbonGroup* addGroup(const QString& caption);
    QList<RibbonGroup*> groups() const { return groups_; }

    /// Shows or hides the tab itself in the ribbon's tab row.
    void setTabVisible(bool visible);
    bool isTabVisible() const { return tabVisible_; }

signals:
    void tabVisibilityChanged(bool visible);

private:
    Ribbon* ribbon_;
    QString caption_;
    int tag_;
    bool tabVisible_ = true;
    QHBoxLayout* layout_;
    QList<RibbonGroup*> groups_;
};

class Ribbon : public QWidget {
    Q_OBJECT
public:
    explicit Ribbon(QWidget* parent = nullptr);

    RibbonTab* addTab(const QString& name, const QString& caption, int tag);
    QList<RibbonTab*> tabs() const { return tabs_; }
    /// Tab by component name (case-insensitive), nullptr when absent.
    RibbonTab* tab(const QString& name) const;
    void setCurrentTab(RibbonTab* tab);
    RibbonTab* currentTab() const;
    QTabBar* tabBar() const { return tabBar_; }

    RibbonCommand* addQuickAccessButton(const QString& name, const QString& caption, int tag);
    RibbonCommand* addQuickAccessSubMenu(const QString& name, const QString& caption, int tag);

    /// The application button's menu (caption of the button: `setApplicationCaption`).
    QMenu* applicationMenu() const { return appMenu_; }
    void setApplicationCaption(const QString& caption);
    RibbonCommand* addApplicationButton(const QString& name, const QString& caption, int tag);
    RibbonCommand* addApplicationSubMenu(const QString& name, const QString& caption, int tag);
    /// Puts an existing submenu (for example one of a tab) into the application menu too.
    void addToApplicationMenu(RibbonCommand* command);

    /// Every command (buttons, submenus and their items, quick access, application menu),
    /// in the order they were added.
    QList<RibbonCommand*> commands() const;
    /// Command by component name (case-insensitive), nullptr when absent.
    RibbonCommand* command(const QString& name) const;

private:
    QToolButton* quickButton(RibbonCommand* command);

    QHBoxLayout* quickAccess_;
    QToolButton* appButton_;
    QMenu* appMenu_;
    QTabBar* tabBar_;
    QStackedWidget* pages_;
    QList<RibbonTab*> tabs_;
};

} // namespace orva::platform
