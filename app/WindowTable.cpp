#include "app/WindowTable.h"

#include "authoring/AddLesson.h"
#include "authoring/EnglishLesson.h"
#include "engine/Marokey.h"
#include "engine/compact/MarokeySVGA.h"
#include "game/MOGU1.h"
#include "game/MOGU2.h"
#include "logon/Ending.h"
#include "logon/IDPASS.h"
#include "logon/LogOn.h"
#include "logon/Menu.h"
#include "logon/Num_Lock.h"
#include "logon/SetUp.h"
#include "logon/StartUp.h"
#include "teacher/FileTool.h"
#include "teacher/Refarence.h"
#include "teacher/Renomix.h"

#include <algorithm>
#include <array>

namespace windowtable {
namespace {

template <class W> constexpr Entry entry() {
    return {W::kName,
            [](MkMain& mk) -> std::unique_ptr<Window> { return std::make_unique<W>(mk); }};
}

constexpr std::array kTable{
    entry<StartUp>(),  entry<LogOn>(),     entry<IDPASS>(),        entry<::SetUp>(),
    entry<Num_Lock>(), entry<Menu>(),      entry<Marokey>(),       entry<MarokeySVGA>(),
    entry<Ending>(),   entry<AddLesson>(), entry<EnglishLesson>(), entry<FileTool>(),
    entry<Renomix>(),  entry<Refarence>(), entry<MOGU1>(),         entry<MOGU2>(),
};

void addEntry(WindowRegistry& windows, const Entry& e) {
    windows.add(e.name.toString(), e.make);
}

} // namespace

std::span<const Entry> entries() {
    return kTable;
}

void addAll(WindowRegistry& windows) {
    for (const Entry& e : kTable)
        addEntry(windows, e);
}

bool add(WindowRegistry& windows, QStringView name) {
    const auto found =
        std::ranges::find_if(kTable, [name](const Entry& e) { return e.name == name; });
    if (found == kTable.end()) return false;
    addEntry(windows, *found);
    return true;
}

} // namespace windowtable
