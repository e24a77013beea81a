#pragma once

#include "app/WindowTable.h"
#include "core/Window.h"

#include <gtest/gtest.h>
#include <initializer_list>

// The program's own windows for the ones a test drives, and plain windows
// standing in for the ones it only opens.
inline void addWindows(WindowRegistry& windows, std::initializer_list<QStringView> names) {
    for (QStringView name : names)
        EXPECT_TRUE(windowtable::add(windows, name)) << name.toString().toStdString();
}

inline void addStandIns(WindowRegistry& windows, std::initializer_list<QStringView> names) {
    for (QStringView name : names)
        windows.add(name.toString(),
                    [n = name.toString()](MkMain& mk) { return std::make_unique<Window>(mk, n); });
}
