#pragma once
// A read-only list of text rows under column titles, each column a fixed
// number of units wide; used by the list windows (holidays, school
// holidays, yearly hours).

#include <gtkmm.h>

#include <string>
#include <vector>

#include "ui/Units.h"

namespace sk {

struct TextListColumn {
    std::string title;
    double widthUnits = 0;  // 0: takes what is left
    bool alignRight = false;
};

class TextList : public Gtk::ScrolledWindow {
public:
    static constexpr int kMaxColumns = 8;

    TextList(Units units, const std::vector<TextListColumn>& columns);

    // Replaces every row; cells beyond a row's end stay empty.
    void SetRows(const std::vector<std::vector<std::string>>& rows);
    // What the list is, for screen readers (its window's title, mostly).
    void SetName(const std::string& name);

private:
    struct Record : Gtk::TreeModelColumnRecord {
        Gtk::TreeModelColumn<Glib::ustring> cells[kMaxColumns];
        Record() {
            for (auto& c : cells) add(c);
        }
    };

    Record record_;
    Glib::RefPtr<Gtk::ListStore> store_;
    Gtk::TreeView view_;
    int columnCount_ = 0;
};

}  // namespace sk
