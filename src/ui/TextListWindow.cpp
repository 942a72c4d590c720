#include "ui/TextListWindow.h"

#include "ui/Accessible.h"

#include <algorithm>

namespace sk {

TextList::TextList(Units units, const std::vector<TextListColumn>& columns)
    : store_(Gtk::ListStore::create(record_)),
      columnCount_(std::min<int>(static_cast<int>(columns.size()), kMaxColumns)) {
    view_.set_model(store_);
    view_.set_headers_clickable(false);
    view_.set_enable_search(false);
    view_.get_selection()->set_mode(Gtk::SELECTION_NONE);
    view_.set_can_focus(false);  // nothing to choose: no focus frame on a row
    for (int i = 0; i < columnCount_; ++i) {
        const TextListColumn& c = columns[static_cast<std::size_t>(i)];
        auto* renderer = Gtk::manage(new Gtk::CellRendererText());
        if (c.alignRight) renderer->property_xalign() = 1.0f;
        renderer->property_ypad() = 0;  // rows one line high, so the lists fit their windows
        auto* column = Gtk::manage(new Gtk::TreeViewColumn(c.title));
        column->pack_start(*renderer, true);
        column->add_attribute(renderer->property_text(), record_.cells[i]);
        if (c.widthUnits > 0) {
            column->set_sizing(Gtk::TREE_VIEW_COLUMN_FIXED);
            column->set_fixed_width(units.X(c.widthUnits));
        } else {
            column->set_expand(true);
        }
        if (c.alignRight) column->set_alignment(1.0f);
        view_.append_column(*column);
    }
    set_policy(Gtk::POLICY_AUTOMATIC, Gtk::POLICY_AUTOMATIC);
    set_shadow_type(Gtk::SHADOW_IN);
    add(view_);
    view_.show();
}

void TextList::SetRows(const std::vector<std::vector<std::string>>& rows) {
    store_->clear();
    for (const auto& row : rows) {
        Gtk::TreeModel::Row r = *store_->append();
        const int n = std::min<int>(static_cast<int>(row.size()), columnCount_);
        for (int i = 0; i < n; ++i) r[record_.cells[i]] = row[static_cast<std::size_t>(i)];
    }
}

void TextList::SetName(const std::string& name) { NameForScreenReaders(view_, name); }

}  // namespace sk
