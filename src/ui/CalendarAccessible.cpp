#include "ui/CalendarAccessible.h"

#include <gtk/gtk-a11y.h>

#include <map>

namespace sk {

namespace {

constexpr const char* kAreaKey = "sk-calendar-area";
constexpr const char* kTableName = "Kalender";

// ---------------------------------------------------------------- state

// The table's cells made so far, by (column, row), each holding one
// reference; the cursor cell last announced.
struct TableState {
    std::map<std::pair<int, int>, AtkObject*> cells;
    AtkObject* announced = nullptr;
    // Set once anything beyond the focus tracking looked into the table: only
    // then are cursor moves announced.
    bool asked = false;
};

struct SkCalendarTable {
    GtkContainerAccessible parent;
    TableState* state;
};
struct SkCalendarTableClass {
    GtkContainerAccessibleClass parentClass;
};

struct SkCalendarCell {
    AtkObject parent;
    int column;
    int row;
    gboolean defunct;
    gchar* name;  // the last answer, kept until the next
};
struct SkCalendarCellClass {
    AtkObjectClass parentClass;
};

GType SkCalendarTableType();
GType SkCalendarCellType();
void sk_calendar_cell_component_init(AtkComponentIface* iface);
void sk_calendar_cell_table_cell_init(AtkTableCellIface* iface);
void sk_calendar_table_table_init(AtkTableIface* iface);
void sk_calendar_table_selection_init(AtkSelectionIface* iface);

SkCalendarTable* AsTable(gpointer p) { return G_TYPE_CHECK_INSTANCE_CAST(p, SkCalendarTableType(), SkCalendarTable); }
SkCalendarCell* AsCell(gpointer p) { return G_TYPE_CHECK_INSTANCE_CAST(p, SkCalendarCellType(), SkCalendarCell); }

CalendarArea* AreaOf(AtkObject* table) {
    GtkWidget* w = gtk_accessible_get_widget(GTK_ACCESSIBLE(table));
    if (!w) return nullptr;
    return static_cast<CalendarArea*>(g_object_get_data(G_OBJECT(w), kAreaKey));
}

CalendarCells* CellsOf(AtkObject* table) {
    CalendarArea* area = AreaOf(table);
    return area ? area->Cells() : nullptr;
}

int ColumnCount(AtkObject* table) {
    CalendarCells* cells = CellsOf(table);
    return cells ? cells->ColumnCount() : 0;
}

TableState& StateOf(AtkObject* table, bool asking = true) {
    TableState& s = *AsTable(table)->state;
    if (asking) s.asked = true;
    return s;
}

// The cell at (column, row), made on first use; the table keeps it.
AtkObject* CellAt(AtkObject* table, int column, int row) {
    if (column < 0 || row < 0 || row >= kCalendarTableRows || column >= ColumnCount(table)) return nullptr;
    TableState& s = StateOf(table);
    auto [it, made] = s.cells.try_emplace({column, row}, nullptr);
    if (made) {
        auto* cell = static_cast<SkCalendarCell*>(g_object_new(SkCalendarCellType(), nullptr));
        cell->column = column;
        cell->row = row;
        atk_object_set_parent(ATK_OBJECT(cell), table);
        it->second = ATK_OBJECT(cell);
    }
    return it->second;
}

AtkObject* RefCell(AtkObject* table, int column, int row) {
    AtkObject* cell = CellAt(table, column, row);
    return cell ? ATK_OBJECT(g_object_ref(cell)) : nullptr;
}

// Cells shown before a change of months or data: retired, so a screen
// reader holding one learns it is gone.
void RetireCells(AtkObject* table) {
    TableState& s = *AsTable(table)->state;
    for (auto& [where, cell] : s.cells) {
        AsCell(cell)->defunct = TRUE;
        atk_object_notify_state_change(cell, ATK_STATE_DEFUNCT, TRUE);
        g_object_unref(cell);
    }
    s.cells.clear();
    s.announced = nullptr;
}

std::optional<std::pair<int, int>> CursorOf(AtkObject* table) {
    CalendarCells* cells = CellsOf(table);
    return cells ? cells->Cursor() : std::nullopt;
}

// ---------------------------------------------------------------- cell

G_DEFINE_TYPE_WITH_CODE(SkCalendarCell, sk_calendar_cell, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, sk_calendar_cell_component_init)
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_TABLE_CELL, sk_calendar_cell_table_cell_init))

GType SkCalendarCellType() { return sk_calendar_cell_get_type(); }

void sk_calendar_cell_init(SkCalendarCell* cell) {
    cell->column = cell->row = 0;
    cell->defunct = FALSE;
    cell->name = nullptr;
    atk_object_set_role(ATK_OBJECT(cell), ATK_ROLE_TABLE_CELL);
}

void CellFinalize(GObject* object) {
    g_free(AsCell(object)->name);
    G_OBJECT_CLASS(sk_calendar_cell_parent_class)->finalize(object);
}

const gchar* CellName(AtkObject* object) {
    SkCalendarCell* cell = AsCell(object);
    AtkObject* table = atk_object_get_parent(object);
    CalendarCells* cells = cell->defunct || !table ? nullptr : CellsOf(table);
    g_free(cell->name);
    cell->name = g_strdup(cells && cells->HasDay(cell->column, cell->row)
                              ? cells->CellName(cell->column, cell->row).c_str()
                              : "");
    return cell->name;
}

gint CellIndex(AtkObject* object) {
    SkCalendarCell* cell = AsCell(object);
    AtkObject* table = atk_object_get_parent(object);
    if (cell->defunct || !table) return -1;
    return cell->row * ColumnCount(table) + cell->column;
}

bool IsCursorCell(SkCalendarCell* cell, AtkObject* table) {
    const auto cursor = CursorOf(table);
    return cursor && cursor->first == cell->column && cursor->second == cell->row;
}

AtkStateSet* CellStates(AtkObject* object) {
    AtkStateSet* set = atk_state_set_new();
    SkCalendarCell* cell = AsCell(object);
    AtkObject* table = atk_object_get_parent(object);
    GtkWidget* w = table ? gtk_accessible_get_widget(GTK_ACCESSIBLE(table)) : nullptr;
    if (cell->defunct || !w) {
        atk_state_set_add_state(set, ATK_STATE_DEFUNCT);
        return set;
    }
    for (AtkStateType s : {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_TRANSIENT}) atk_state_set_add_state(set, s);
    CalendarCells* cells = CellsOf(table);
    if (cells && cells->HasDay(cell->column, cell->row)) {
        for (AtkStateType s : {ATK_STATE_VISIBLE, ATK_STATE_SHOWING, ATK_STATE_FOCUSABLE, ATK_STATE_SELECTABLE})
            atk_state_set_add_state(set, s);
    }
    if (IsCursorCell(cell, table)) {
        atk_state_set_add_state(set, ATK_STATE_SELECTED);
        atk_state_set_add_state(set, ATK_STATE_ACTIVE);
        if (gtk_widget_has_focus(w)) atk_state_set_add_state(set, ATK_STATE_FOCUSED);
    }
    return set;
}

void sk_calendar_cell_class_init(SkCalendarCellClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = CellFinalize;
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_name = CellName;
    atk->get_index_in_parent = CellIndex;
    atk->ref_state_set = CellStates;
}

void CellExtents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType coords) {
    *x = *y = *width = *height = 0;
    SkCalendarCell* cell = AsCell(component);
    AtkObject* table = atk_object_get_parent(ATK_OBJECT(component));
    CalendarCells* cells = cell->defunct || !table ? nullptr : CellsOf(table);
    if (!cells) return;
    gint tx = 0, ty = 0, tw = 0, th = 0;
    atk_component_get_extents(ATK_COMPONENT(table), &tx, &ty, &tw, &th, coords);
    const Gdk::Rectangle box = cells->CellBox(cell->column, cell->row);
    *x = tx + box.get_x();
    *y = ty + box.get_y();
    *width = box.get_width();
    *height = box.get_height();
}

gboolean CellGrabFocus(AtkComponent* component) {
    SkCalendarCell* cell = AsCell(component);
    AtkObject* table = atk_object_get_parent(ATK_OBJECT(component));
    CalendarCells* cells = cell->defunct || !table ? nullptr : CellsOf(table);
    if (!cells || !cells->HasDay(cell->column, cell->row)) return FALSE;
    if (GtkWidget* w = gtk_accessible_get_widget(GTK_ACCESSIBLE(table))) gtk_widget_grab_focus(w);
    cells->PutCursorOn(cell->column, cell->row);
    return TRUE;
}

void sk_calendar_cell_component_init(AtkComponentIface* iface) {
    iface->get_extents = CellExtents;
    iface->grab_focus = CellGrabFocus;
}

gboolean CellPosition(AtkTableCell* tableCell, gint* row, gint* column) {
    SkCalendarCell* cell = AsCell(tableCell);
    *row = cell->row;
    *column = cell->column;
    return !cell->defunct;
}

gint CellSpan(AtkTableCell*) { return 1; }

gboolean CellRowColumnSpan(AtkTableCell* tableCell, gint* row, gint* column, gint* rowSpan, gint* columnSpan) {
    *rowSpan = *columnSpan = 1;
    return CellPosition(tableCell, row, column);
}

AtkObject* CellTable(AtkTableCell* tableCell) {
    AtkObject* table = atk_object_get_parent(ATK_OBJECT(tableCell));
    return table ? ATK_OBJECT(g_object_ref(table)) : nullptr;
}

void sk_calendar_cell_table_cell_init(AtkTableCellIface* iface) {
    iface->get_position = CellPosition;
    iface->get_row_span = CellSpan;
    iface->get_column_span = CellSpan;
    iface->get_row_column_span = CellRowColumnSpan;
    iface->get_table = CellTable;
}

// ---------------------------------------------------------------- table

G_DEFINE_TYPE_WITH_CODE(SkCalendarTable, sk_calendar_table, GTK_TYPE_CONTAINER_ACCESSIBLE,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_TABLE, sk_calendar_table_table_init)
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_SELECTION, sk_calendar_table_selection_init))

GType SkCalendarTableType() { return sk_calendar_table_get_type(); }

void sk_calendar_table_init(SkCalendarTable* table) { table->state = new TableState; }

void TableFinalize(GObject* object) {
    RetireCells(ATK_OBJECT(object));
    delete AsTable(object)->state;
    G_OBJECT_CLASS(sk_calendar_table_parent_class)->finalize(object);
}

void TableInitialize(AtkObject* object, gpointer data) {
    ATK_OBJECT_CLASS(sk_calendar_table_parent_class)->initialize(object, data);
    atk_object_set_role(object, ATK_ROLE_TABLE);
    atk_object_set_name(object, kTableName);
    if (CalendarArea* area = AreaOf(object)) area->table = object;
}

gint TableChildCount(AtkObject* object) { return ColumnCount(object) * kCalendarTableRows; }

AtkObject* TableChild(AtkObject* object, gint i) {
    const int columns = ColumnCount(object);
    if (columns == 0 || i < 0) return nullptr;
    return RefCell(object, i % columns, i / columns);
}

AtkStateSet* TableStates(AtkObject* object) {
    AtkStateSet* set = ATK_OBJECT_CLASS(sk_calendar_table_parent_class)->ref_state_set(object);
    atk_state_set_add_state(set, ATK_STATE_MANAGES_DESCENDANTS);
    return set;
}

void sk_calendar_table_class_init(SkCalendarTableClass* klass) {
    G_OBJECT_CLASS(klass)->finalize = TableFinalize;
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->initialize = TableInitialize;
    atk->get_n_children = TableChildCount;
    atk->ref_child = TableChild;
    atk->ref_state_set = TableStates;
}

AtkObject* TableRefAt(AtkTable* table, gint row, gint column) { return RefCell(ATK_OBJECT(table), column, row); }

gint TableIndexAt(AtkTable* table, gint row, gint column) {
    const int columns = ColumnCount(ATK_OBJECT(table));
    if (row < 0 || row >= kCalendarTableRows || column < 0 || column >= columns) return -1;
    return row * columns + column;
}

gint TableColumnAtIndex(AtkTable* table, gint index) {
    const int columns = ColumnCount(ATK_OBJECT(table));
    return columns > 0 && index >= 0 ? index % columns : -1;
}

gint TableRowAtIndex(AtkTable* table, gint index) {
    const int columns = ColumnCount(ATK_OBJECT(table));
    return columns > 0 && index >= 0 ? index / columns : -1;
}

gint TableColumns(AtkTable* table) {
    StateOf(ATK_OBJECT(table));
    return ColumnCount(ATK_OBJECT(table));
}

gint TableRows(AtkTable* table) {
    StateOf(ATK_OBJECT(table));
    return ColumnCount(ATK_OBJECT(table)) > 0 ? kCalendarTableRows : 0;
}

const gchar* TableColumnDescription(AtkTable* table, gint column) {
    CalendarCells* cells = CellsOf(ATK_OBJECT(table));
    if (!cells || column < 0 || column >= cells->ColumnCount()) return nullptr;
    // Kept on the table until the column's next question.
    const std::string name = cells->ColumnName(column);
    const std::string key = "sk-column-" + std::to_string(column);
    g_object_set_data_full(G_OBJECT(table), key.c_str(), g_strdup(name.c_str()), g_free);
    return static_cast<const gchar*>(g_object_get_data(G_OBJECT(table), key.c_str()));
}

gboolean TableIsSelected(AtkTable* table, gint row, gint column) {
    const auto cursor = CursorOf(ATK_OBJECT(table));
    return cursor && cursor->first == column && cursor->second == row;
}

void sk_calendar_table_table_init(AtkTableIface* iface) {
    iface->ref_at = TableRefAt;
    iface->get_index_at = TableIndexAt;
    iface->get_column_at_index = TableColumnAtIndex;
    iface->get_row_at_index = TableRowAtIndex;
    iface->get_n_columns = TableColumns;
    iface->get_n_rows = TableRows;
    iface->get_column_description = TableColumnDescription;
    iface->is_selected = TableIsSelected;
}

// The selection is the cursor cell: one day at a time.
gint SelectionCount(AtkSelection* selection) { return CursorOf(ATK_OBJECT(selection)) ? 1 : 0; }

AtkObject* SelectionRef(AtkSelection* selection, gint i) {
    const auto cursor = CursorOf(ATK_OBJECT(selection));
    if (!cursor || i != 0) return nullptr;
    return RefCell(ATK_OBJECT(selection), cursor->first, cursor->second);
}

gboolean SelectionHas(AtkSelection* selection, gint i) {
    const auto cursor = CursorOf(ATK_OBJECT(selection));
    const int columns = ColumnCount(ATK_OBJECT(selection));
    return cursor && i == cursor->second * columns + cursor->first;
}

gboolean SelectionAdd(AtkSelection* selection, gint i) {
    AtkObject* table = ATK_OBJECT(selection);
    const int columns = ColumnCount(table);
    CalendarCells* cells = CellsOf(table);
    if (!cells || columns == 0 || i < 0 || i >= columns * kCalendarTableRows) return FALSE;
    if (!cells->HasDay(i % columns, i / columns)) return FALSE;
    cells->PutCursorOn(i % columns, i / columns);
    return TRUE;
}

void sk_calendar_table_selection_init(AtkSelectionIface* iface) {
    iface->get_selection_count = SelectionCount;
    iface->ref_selection = SelectionRef;
    iface->is_child_selected = SelectionHas;
    iface->add_selection = SelectionAdd;
}

void CalendarAreaClassInitFunction(void* klass, void*) {
    gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass), SkCalendarTableType());
}

}  // namespace

CalendarAreaClassInit::CalendarAreaClassInit() : Glib::ExtraClassInit(CalendarAreaClassInitFunction) {}

CalendarArea::CalendarArea() : Glib::ObjectBase("SkCalendarArea"), CalendarAreaClassInit(), Gtk::EventBox() {
    g_object_set_data(G_OBJECT(gobj()), kAreaKey, this);
}

CalendarArea::~CalendarArea() {
    g_object_set_data(G_OBJECT(gobj()), kAreaKey, nullptr);
    // The cells keep the table; let them go with the area.
    if (table) RetireCells(table);
}

void CalendarArea::AfterRepaint(bool contentChanged) {
    if (!table || !cells_) return;
    TableState& s = StateOf(table, false);
    if (!s.asked) return;
    if (contentChanged && !s.cells.empty()) {
        RetireCells(table);
        g_signal_emit_by_name(table, "visible-data-changed");
    }
    AtkObject* old = s.announced;
    const auto cursor = cells_->Cursor();
    AtkObject* now = cursor ? CellAt(table, cursor->first, cursor->second) : nullptr;
    if (now == old) return;
    if (old) {
        atk_object_notify_state_change(old, ATK_STATE_FOCUSED, FALSE);
        atk_object_notify_state_change(old, ATK_STATE_SELECTED, FALSE);
    }
    s.announced = now;
    if (!now) return;
    g_signal_emit_by_name(table, "active-descendant-changed", now);
    g_signal_emit_by_name(table, "selection-changed");
    atk_object_notify_state_change(now, ATK_STATE_SELECTED, TRUE);
    if (has_focus()) atk_object_notify_state_change(now, ATK_STATE_FOCUSED, TRUE);
}

}  // namespace sk
