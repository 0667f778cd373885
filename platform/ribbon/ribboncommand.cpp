#include "platform/ribbon/ribboncommand.h"

#include <QMenu>

namespace orva::platform {

RibbonCommand::RibbonCommand(const QString& name, const QString& caption, int tag, Kind kind,
                             QObject* parent)
    : QAction(caption, parent), tag_(tag), kind_(kind) {
    setObjectName(name);
    setToolTip(caption);
    if (kind == Kind::SubMenu) {
        menu_ = new QMenu(caption);
        menu_->setObjectName(name + QStringLiteral("_menu"));
        setMenu(menu_);
        connect(this, &QObject::destroyed, menu_, [m = menu_] { m->deleteLater(); });
    }
}

RibbonCommand* RibbonCommand::addItem(const QString& name, const QString& caption, int tag,
                                      Kind kind) {
    if (!menu_)
        return nullptr;
    auto* item = new RibbonCommand(name, caption, tag, kind, parent());
    menu_->addAction(item);
    return item;
}

} // namespace orva::platform
