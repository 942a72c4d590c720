#include "calendar/gtk/HolidayListWindow.h"

#include "calendar/Holidays.h"
#include "ui/TextListWindow.h"
#include "ui/ModalWindow.h"

namespace sk {

bool OpenHolidayListWindow(WindowContext& context) {
    const HolidayList holidays = BuildHolidayList(context.state.view.firstYear, context.state.settings.region);

    ModalWindow window(&context.parent, kHolidayListTitle, context.units, 50, 38);
    window.set_name("sk-main");  // the program font and background of the main window
    TextList list(context.units, {{holidays.yearHeading, 16}, {kHolidayListNameHeading, 27}, {"", 0}});
    std::vector<std::vector<std::string>> rows;
    for (const HolidayListRow& row : holidays.rows) rows.push_back({row.dateText, row.name});
    list.SetRows(rows);
    list.SetName(kHolidayListTitle);
    window.Place(list, 1, 1, 48, 36);
    window.run();
    return false;
}

}  // namespace sk
