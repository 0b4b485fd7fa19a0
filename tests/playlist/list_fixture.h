#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "playlist/list_commands.h"
#include "support/program_fixture.h"

namespace zuk::test {

using Entries = std::vector<std::string>;

// A started program whose list window holds the given entries (the count display refreshed).
struct ListFixture {
    ProgramFixture f;
    ListWindow& w = f.list();
    ListBox& list = f.list().List1;

    explicit ListFixture(const Entries& entries = {}) {
        f.start();
        list.addMany(entries);
        ListRefresh(*f.program);
    }
    void select(std::initializer_list<int> indices) {
        for (int i : indices) list.setSelected(i, true);
    }
    std::vector<int> selected() const {
        std::vector<int> out;
        for (int i = 0; i < list.count(); ++i)
            if (list.selected(i)) out.push_back(i);
        return out;
    }
};

}  // namespace zuk::test
