#pragma once

#include "core/Window.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

// The names of the controls a person can see, in the window's own order.
inline QStringList shownNames(const Window& w) {
    QStringList names;
    for (const Control* c : w.controls())
        if (c->visible) names << c->name;
    return names;
}

// Every shown control lies inside the window and apart from every other. An
// empty label draws nothing; a window whose labels fill in later counts it.
inline void expectNothingOverlaps(const Window& w, bool emptyLabelsCount = true) {
    std::vector<const Control*> things;
    for (const Control* c : w.controls())
        if (c->visible &&
            (emptyLabelsCount || c->kind != ControlKind::Label || !c->caption.isEmpty()))
            things.push_back(c);
    for (size_t i = 0; i < things.size(); ++i) {
        const Twips a = things[i]->geometry;
        EXPECT_LE(a.left + a.width, w.geometry.width) << things[i]->name.toStdString();
        for (size_t j = i + 1; j < things.size(); ++j) {
            const Twips b = things[j]->geometry;
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << things[i]->name.toStdString() << " and "
                               << things[j]->name.toStdString();
        }
    }
}
