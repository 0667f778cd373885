#pragma once
// The number every command and control can carry (its "Tag"): the ribbon commands carry
// their tab's number (100: never governed by rights), and a window's own buttons may
// carry 10 to 14 to put a record right on them (see permisos.h).
#include <QObject>
#include <QVariant>

namespace orva::shell {

inline int Tag(const QObject* objeto) {
    return objeto ? objeto->property("tag").toInt() : 0;
}

inline void setTag(QObject* objeto, int tag) {
    objeto->setProperty("tag", tag);
}

} // namespace orva::shell
