#include "help/gtk/InfoMenuWindow.h"

#include <memory>
#include <optional>
#include <vector>

#include "help/gtk/HelpTextWindow.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"

namespace sk {

namespace {

// Frames in character widths and rows: one width in from the sides, the
// buttons one width in from the frame.
constexpr double kFrameX = 1;
constexpr double kFrameWidth = 23;
constexpr double kButtonX = 1;
constexpr double kFirstFrameY = 0.5;
constexpr double kFrameGap = 0.6;

int EntriesOfGroup(int group) {
    int n = 0;
    for (const InfoMenuEntry& e : kInfoMenuEntries) n += e.group == group ? 1 : 0;
    return n;
}

}  // namespace

bool ShowInfoMenu(WindowContext& context) {
    const Units units = context.units;
    const int u = units.u, r = units.r;
    ModalWindow window(&context.parent, kInfoMenuTitle, units, kInfoMenuWidthUnits, kInfoMenuHeightRows);
    const int buttonHeight = units.Y(1.8);
    std::optional<int> chosen;

    Gtk::Fixed area;
    Gtk::Frame frames[2];
    int frameTop[2];
    frameTop[0] = units.Y(kFirstFrameY);
    for (int group = 1; group <= 2; ++group) {
        const int n = EntriesOfGroup(group);
        // The k-th button of a group lies at (2k + 1) r - r / 3 in its frame.
        const int height = (2 * (n - 1) + 1) * r - r / 3 + buttonHeight + r / 2;
        Gtk::Frame& frame = frames[group - 1];
        area.put(frame, units.X(kFrameX), frameTop[group - 1]);
        frame.set_size_request(units.X(kFrameWidth), height);
        frame.show();
        if (group == 1) frameTop[1] = frameTop[0] + height + units.Y(kFrameGap);
    }

    std::vector<std::unique_ptr<Gtk::Button>> buttons;
    int indexInGroup[3] = {0, 0, 0};
    for (int i = 0; i < kInfoMenuEntryCount; ++i) {
        const InfoMenuEntry& e = kInfoMenuEntries[i];
        const int k = indexInGroup[e.group]++;
        auto button = std::make_unique<Gtk::Button>(e.label);
        button->set_tooltip_text(e.tooltip);
        UseProgramFont(*button);
        area.put(*button, units.X(kFrameX + kButtonX), frameTop[e.group - 1] + (2 * k + 1) * r - r / 3);
        button->set_size_request(kInfoMenuButtonWidthUnits * u, buttonHeight);
        button->signal_clicked().connect([&window, &chosen, i] {
            chosen = i;
            window.response(Gtk::RESPONSE_OK);
        });
        button->show();
        buttons.push_back(std::move(button));
    }
    // The frames end a width and a row and a half short of the window's
    // edges; the dialog's own border takes part of that room.
    window.Place(area, 0, 0, kInfoMenuWidthUnits - 1, kInfoMenuHeightRows - 1.5);
    window.signal_key_press_event().connect(
        [&window, &chosen](GdkEventKey* event) {
            if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return false;
            const guint32 c = gdk_keyval_to_unicode(event->keyval);
            if (c == 0 || c > 127) return false;
            const std::optional<InfoMenuAction> action = InfoMenuActionForKey(static_cast<char>(c));
            if (!action) return false;
            for (int i = 0; i < kInfoMenuEntryCount; ++i) {
                if (kInfoMenuEntries[i].action == *action) chosen = i;
            }
            window.response(Gtk::RESPONSE_OK);
            return true;
        },
        false);
    if (!buttons.empty()) buttons.front()->grab_focus();
    window.run();
    window.hide();
    if (chosen) RunInfoMenuAction(context, kInfoMenuEntries[*chosen].action);
    return false;
}

void RunInfoMenuAction(WindowContext& context, InfoMenuAction action) {
    switch (action) {
        case InfoMenuAction::kYearHours: OpenWindow(context, menu::kYearHours); return;
        case InfoMenuAction::kSchoolHolidays: OpenWindow(context, menu::kSchoolHolidayList); return;
        case InfoMenuAction::kPublicHolidays: OpenWindow(context, menu::kHolidayList); return;
        default: break;
    }
    if (const HelpText* help = HelpTextOfAction(action)) {
        ShowHelpText(context, help->title, help->text, help->heightRows);
    }
}

}  // namespace sk
