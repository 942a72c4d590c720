#include "settings/gtk/DataDirectoryWindow.h"

#include "settings/DataDirectoryModel.h"
#include "ui/ProgramStyle.h"
#include "settings/LoginModel.h"
#include "settings/Users.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/Accessible.h"

namespace sk {

namespace {

struct FolderColumns : Gtk::TreeModelColumnRecord {
    Gtk::TreeModelColumn<Glib::ustring> name;
    Gtk::TreeModelColumn<std::string> path;     // ends in "/"
    Gtk::TreeModelColumn<bool> listed;          // children read from the disk
    FolderColumns() {
        add(name);
        add(path);
        add(listed);
    }
};

// Folders are read when they are opened; a placeholder child makes a folder
// with subfolders show its expander before that.
void AddFolderRow(const Glib::RefPtr<Gtk::TreeStore>& store, const FolderColumns& cols, const Gtk::TreeRow* parent,
                  const std::string& name, const std::string& path, Gtk::TreeIter* added = nullptr) {
    Gtk::TreeRow row = parent ? *store->append(parent->children()) : *store->append();
    row[cols.name] = Glib::filename_display_name(name);
    row[cols.path] = path;
    row[cols.listed] = false;
    if (!ListSubfolders(path).empty()) {
        Gtk::TreeRow placeholder = *store->append(row.children());
        placeholder[cols.path] = std::string();
    }
    if (added) *added = row;
}

void ListChildren(const Glib::RefPtr<Gtk::TreeStore>& store, const FolderColumns& cols, const Gtk::TreeRow& row) {
    if (row[cols.listed]) return;
    row[cols.listed] = true;
    while (!row.children().empty()) store->erase(row.children().begin());
    const std::string path = row[cols.path];
    for (const std::string& name : ListSubfolders(path)) AddFolderRow(store, cols, &row, name, ChildFolder(path, name));
}

}  // namespace

std::string ChooseDataDirectory(WindowContext& context) {
    const Units units = context.units;
    ModalWindow window(&context.parent, kDataDirectoryWindowTitle, units, 65, 36);
    const std::string parent = DataDirectoryChooserStart(context.state.session);
    const std::string start = parent.empty() ? std::string(1, '/') : parent;
    const std::vector<FolderRoot> roots =
        DataDirectoryRoots(start, Glib::get_home_dir(), Glib::get_user_name());

    Gtk::Entry pathField;
    pathField.set_editable(false);
    pathField.set_can_focus(false);
    NameForScreenReaders(pathField, "Gewählter Ordner");
    FolderColumns cols;
    Glib::RefPtr<Gtk::TreeStore> store = Gtk::TreeStore::create(cols);
    // The local folder first, then every other place a share may be mounted.
    Gtk::TreeIter root;
    for (const FolderRoot& r : roots) {
        Gtk::TreeIter added;
        AddFolderRow(store, cols, nullptr, r.label, r.path, &added);
        if (!root) root = added;
    }
    Gtk::TreeView tree(store);
    tree.set_headers_visible(false);
    NameForScreenReaders(tree, "Ordner");
    tree.append_column("", cols.name);
    Gtk::ScrolledWindow scroller;
    scroller.set_shadow_type(Gtk::SHADOW_IN);
    scroller.add(tree);
    tree.show();
    Gtk::Button choose("Auswahl");
    Gtk::Button local("Lokaler Ordner");
    local.set_tooltip_text("Zurück zum Ordner des Programms auf diesem Rechner");
    Gtk::Button cancel("Abbruch");

    window.Place(pathField, 1, 1, 63, 1.3);
    window.Place(scroller, 1, 3, 63, 30);
    window.Place(choose, 1, 34, 10, 1.8);
    window.Place(local, 25, 34, 15, 1.8);
    window.Place(cancel, 54, 34, 10, 1.8);

    std::string selected;
    tree.signal_test_expand_row().connect([&](const Gtk::TreeIter& it, const Gtk::TreePath&) {
        ListChildren(store, cols, *it);
        return false;
    }, false);
    tree.get_selection()->signal_changed().connect([&] {
        Gtk::TreeIter it = tree.get_selection()->get_selected();
        if (!it) return;
        const std::string path = (*it)[cols.path];
        if (path.empty()) return;
        selected = path;
        pathField.set_text(Glib::filename_display_name(DisplayedFolderPath(path)));
    });
    bool answered = false;
    choose.signal_clicked().connect([&] {
        answered = !selected.empty();
        window.response(Gtk::RESPONSE_OK);
    });
    tree.signal_row_activated().connect([&](const Gtk::TreePath& p, Gtk::TreeViewColumn*) {
        if (tree.row_expanded(p)) tree.collapse_row(p);
        else tree.expand_row(p, false);
    });
    cancel.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });
    local.signal_clicked().connect([&] {
        const Gtk::TreePath path = store->get_path(root);
        tree.expand_row(path, false);
        tree.get_selection()->select(root);
        tree.scroll_to_row(path);
        tree.grab_focus();
    });

    UseProgramFont(*window.get_content_area());
    tree.expand_row(store->get_path(root), false);
    tree.get_selection()->select(root);
    tree.grab_focus();
    window.run();
    window.hide();
    return answered ? selected : std::string();
}

bool ChangeDataDirectory(WindowContext& context, const std::string& folder) {
    AppState& state = context.state;
    const ChangeDirectoryOutcome outcome = sk::ChangeDataDirectory(
        folder, state.settings, state.session,
        [&context] { return AskQuestion(&context.parent, user_texts::kFolderExists); },
        [&state, &context] {
            for (const std::string& path :
                 SaveChangedMarks(state.userDataFolder, state.calendarMarks, state.shiftMarks)) {
                ReportFailedSave(&context.parent, path);
            }
        });
    if (!outcome.changed) {
        if (outcome.error) context.host.ShowMessage(outcome.error->title, outcome.error->text);
        return false;
    }
    state.userDataFolder = outcome.userDataFolder;
    context.host.ReloadUserData();
    return true;
}

bool ChooseAndChangeDataDirectory(WindowContext& context) {
    const std::string folder = ChooseDataDirectory(context);
    if (folder.empty()) return false;
    return ChangeDataDirectory(context, folder);
}

}  // namespace sk
