#pragma once

#include <QPointer>
#include <QTabBar>
#include <QWidget>

// What a selector found: a widget, or one tab of a tab bar (tabs are not widgets).
struct Target {
    QPointer<QWidget> widget;
    int tab = -1;

    bool isTab() const { return tab >= 0; }
    QTabBar *tabBar() const { return isTab() ? qobject_cast<QTabBar *>(widget.data()) : nullptr; }
    bool operator==(const Target &other) const {
        return widget == other.widget && tab == other.tab;
    }
};
