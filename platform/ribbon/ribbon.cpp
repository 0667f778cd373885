#include "platform/ribbon/ribbon.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace orva::platform {
namespace {

constexpr int kSmallPerColumn = 3;

QToolButton* makeButton(RibbonCommand* command, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(command);
    button->setObjectName(command->objectName() + QStringLiteral("_boton"));
    button->setAutoRaise(true);
    if (command->subMenu())
        button->setPopupMode(QToolButton::InstantPopup);
    button->setVisible(command->isVisible());
    // Tool buttons follow their action's enabled state, not its visibility.
    QObject::connect(command, &QAction::changed, button,
                     [button, command] { button->setVisible(command->isVisible()); });
    return button;
}

} // namespace

// ---------------------------------------------------------------- group

RibbonGroup::RibbonGroup(const QString& caption, Ribbon* ribbon, QWidget* parent)
    : QWidget(parent), ribbon_(ribbon), buttons_(new QHBoxLayout),
      caption_(new QLabel(caption, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);
    buttons_->setSpacing(2);
    layout->addLayout(buttons_, 1);
    caption_->setAlignment(Qt::AlignCenter);
    QPalette p = caption_->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Disabled, QPalette::WindowText));
    caption_->setPalette(p);
    layout->addWidget(caption_);
}

QString RibbonGroup::caption() const {
    return caption_->text();
}

RibbonCommand* RibbonGroup::add(RibbonCommand* command) {
    QToolButton* button = makeButton(command, this);
    const bool large =
        command->kind() == RibbonCommand::Kind::LargeButton ||
        (command->kind() == RibbonCommand::Kind::SubMenu && command->property("large").toBool());
    if (large) {
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(QSize(32, 32));
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        buttons_->addWidget(button);
        smallColumn_ = nullptr;
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(16, 16));
        if (!smallColumn_ || smallInColumn_ == kSmallPerColumn) {
            smallColumn_ = new QVBoxLayout;
            smallColumn_->setSpacing(0);
            buttons_->addLayout(smallColumn_);
            smallInColumn_ = 0;
        }
        smallColumn_->addWidget(button);
        ++smallInColumn_;
    }
    buttonList_ << button;
    connect(command, &QAction::changed, this, &RibbonGroup::updateVisibility);
    updateVisibility();
    return command;
}

void RibbonGroup::updateVisibility() {
    bool any = false;
    for (QToolButton* b : buttonList_)
        any = any || b->defaultAction()->isVisible();
    setVisible(any);
}

RibbonCommand* RibbonGroup::addLargeButton(const QString& name, const QString& caption, int tag) {
    return add(new RibbonCommand(name, caption, tag, RibbonCommand::Kind::LargeButton, ribbon_));
}

RibbonCommand* RibbonGroup::addButton(const QString& name, const QString& caption, int tag) {
    return add(new RibbonCommand(name, caption, tag, RibbonCommand::Kind::Button, ribbon_));
}

RibbonCommand* RibbonGroup::addSubMenu(const QString& name, const QString& caption, int tag,
                                       bool large) {
    auto* command = new RibbonCommand(name, caption, tag, RibbonCommand::Kind::SubMenu, ribbon_);
    command->setProperty("large", large);
    return add(command);
}

QToolButton* RibbonGroup::button(const RibbonCommand* command) const {
    for (QToolButton* b : buttonList_)
        if (b->defaultAction() == command)
            return b;
    return nullptr;
}

// ---------------------------------------------------------------- tab

RibbonTab::RibbonTab(const QString& name, const QString& caption, int tag, Ribbon* ribbon)
    : QWidget(nullptr), ribbon_(ribbon), caption_(caption), tag_(tag),
      layout_(new QHBoxLayout(this)) {
    setObjectName(name);
    layout_->setContentsMargins(2, 2, 2, 2);
    layout_->setSpacing(0);
    layout_->addStretch(1);
}

RibbonGroup* RibbonTab::addGroup(const QString& caption) {
    auto* group = new RibbonGroup(caption, ribbon_, this);
    if (!groups_.isEmpty()) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        layout_->insertWidget(layout_->count() - 1, line);
    }
    layout_->insertWidget(layout_->count() - 1, group);
    groups_ << group;
    return group;
}

void RibbonTab::setTabVisible(bool visible) {
    if (tabVisible_ == visible)
        return;
    tabVisible_ = visible;
    emit tabVisibilityChanged(visible);
}

// ---------------------------------------------------------------- ribbon

Ribbon::Ribbon(QWidget* parent)
    : QWidget(parent), quickAccess_(new QHBoxLayout), appButton_(new QToolButton(this)),
      appMenu_(new QMenu(this)), tabBar_(new QTabBar(this)), pages_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("ribbon"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* top = new QHBoxLayout;
    appButton_->setText(QStringLiteral("Archivo"));
    appButton_->setObjectName(QStringLiteral("botonAplicacion"));
    appButton_->setPopupMode(QToolButton::InstantPopup);
    appButton_->setMenu(appMenu_);
    appMenu_->setObjectName(QStringLiteral("menu"));
    top->addWidget(appButton_);
    quickAccess_->setSpacing(0);
    top->addLayout(quickAccess_);
    top->addStretch(1);
    layout->addLayout(top);

    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    layout->addWidget(tabBar_);
    pages_->setFixedHeight(100);
    pages_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(pages_);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0 && index < tabs_.size())
            pages_->setCurrentWidget(tabs_.at(index));
    });
}

RibbonTab* Ribbon::addTab(const QString& name, const QString& caption, int tag) {
    auto* tab = new RibbonTab(name, caption, tag, this);
    pages_->addWidget(tab);
    const int index = tabBar_->addTab(caption);
    tabs_ << tab;
    connect(tab, &RibbonTab::tabVisibilityChanged, this, [this, tab](bool visible) {
        const int i = static_cast<int>(tabs_.indexOf(tab));
        tabBar_->setTabVisible(i, visible);
    });
    if (index == 0)
        pages_->setCurrentWidget(tab);
    return tab;
}

RibbonTab* Ribbon::tab(const QString& name) const {
    for (RibbonTab* t : tabs_)
        if (t->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

void Ribbon::setCurrentTab(RibbonTab* tab) {
    const qsizetype i = tabs_.indexOf(tab);
    if (i >= 0)
        tabBar_->setCurrentIndex(static_cast<int>(i));
}

RibbonTab* Ribbon::currentTab() const {
    const int i = tabBar_->currentIndex();
    return i >= 0 && i < tabs_.size() ? tabs_.at(i) : nullptr;
}

QToolButton* Ribbon::quickButton(RibbonCommand* command) {
    QToolButton* button = makeButton(command, this);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    quickAccess_->addWidget(button);
    return button;
}

RibbonCommand* Ribbon::addQuickAccessButton(const QString& name, const QString& caption, int tag) {
    auto* command = new RibbonCommand(name, caption, tag, RibbonCommand::Kind::Button, this);
    quickButton(command);
    return command;
}

RibbonCommand* Ribbon::addQuickAccessSubMenu(const QString& name, const QString& caption, int tag) {
    auto* command = new RibbonCommand(name, caption, tag, RibbonCommand::Kind::SubMenu, this);
    quickButton(command);
    return command;
}

void Ribbon::setApplicationCaption(const QString& caption) {
    appButton_->setText(caption);
}

RibbonCommand* Ribbon::addApplicationButton(const QString& name, const QString& caption, int tag) {
    auto* command = new RibbonCommand(name, caption, tag, RibbonCommand::Kind::Button, this);
    appMenu_->addAction(command);
    return command;
}

RibbonCommand* Ribbon::addApplicationSubMenu(const QString& name, const QString& caption, int tag) {
    auto* command = new RibbonCommand(name, caption, tag, RibbonCommand::Kind::SubMenu, this);
    appMenu_->addAction(command);
    return command;
}

void Ribbon::addToApplicationMenu(RibbonCommand* command) {
    appMenu_->addAction(command);
}

QList<RibbonCommand*> Ribbon::commands() const {
    return findChildren<RibbonCommand*>(QString(), Qt::FindDirectChildrenOnly);
}

RibbonCommand* Ribbon::command(const QString& name) const {
    for (RibbonCommand* c : commands())
        if (c->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

} // namespace orva::platform
