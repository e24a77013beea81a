#pragma once

#include "core/WindowRegistry.h"

#include <QStringView>
#include <memory>
#include <span>

// Every window this build has, by the name each window class holds. The
// program registers them all; a test registers the ones it drives and puts
// stand-ins where it wants none.
namespace windowtable {

struct Entry {
    QStringView name;
    std::unique_ptr<Window> (*make)(MkMain&);
};

std::span<const Entry> entries();

void addAll(WindowRegistry& windows);
// False when this build has no window of that name.
bool add(WindowRegistry& windows, QStringView name);

} // namespace windowtable
