#include "view/PaperMillPicture.h"

#include <cmath>
#include <initializer_list>

namespace sk {

namespace {

void Colour(const Cairo::RefPtr<Cairo::Context>& cr, int r, int g, int b) {
    cr->set_source_rgb(r / 255.0, g / 255.0, b / 255.0);
}

void Box(const Cairo::RefPtr<Cairo::Context>& cr, double x, double y, double w, double h, int r, int g, int b) {
    Colour(cr, r, g, b);
    cr->rectangle(x, y, w, h);
    cr->fill();
}

// An axis-aligned ellipse path around (cx, cy).
void EllipsePath(const Cairo::RefPtr<Cairo::Context>& cr, double cx, double cy, double rx, double ry) {
    cr->save();
    cr->translate(cx, cy);
    cr->scale(rx, ry);
    cr->arc(0, 0, 1, 0, 2 * M_PI);
    cr->restore();
}

void Cloud(const Cairo::RefPtr<Cairo::Context>& cr, double x, double y, double size, int grey) {
    Colour(cr, grey, grey, grey + 4 > 255 ? 255 : grey + 4);
    struct Puff { double dx, dy, f; };
    for (const Puff& p : {Puff{0.0, 0.0, 1.0}, Puff{0.9, -0.3, 0.8}, Puff{1.6, 0.1, 0.7}, Puff{-0.8, 0.2, 0.7}}) {
        cr->arc(x + p.dx * size, y + p.dy * size, p.f * size, 0, 2 * M_PI);
        cr->fill();
    }
}

void Sky(const Cairo::RefPtr<Cairo::Context>& cr) {
    auto sky = Cairo::LinearGradient::create(0, 0, 0, 112);
    sky->add_color_stop_rgb(0, 120 / 255.0, 170 / 255.0, 220 / 255.0);
    sky->add_color_stop_rgb(1, 225 / 255.0, 236 / 255.0, 245 / 255.0);
    cr->set_source(sky);
    cr->rectangle(0, 0, kPaperMillPictureWidth, 112);
    cr->fill();
    // Hills behind the mill.
    Colour(cr, 128, 158, 128);
    cr->move_to(0, 100);
    cr->curve_to(30, 82, 60, 96, 90, 88);
    cr->curve_to(115, 80, 135, 92, 146, 86);
    cr->line_to(146, 112);
    cr->line_to(0, 112);
    cr->close_path();
    cr->fill();
}

void Chimney(const Cairo::RefPtr<Cairo::Context>& cr) {
    // Steam drifting to the right, lightest at the top.
    Cloud(cr, 112, 10, 7, 250);
    Cloud(cr, 122, 4, 5, 240);
    Box(cr, 104, 18, 12, 90, 158, 66, 48);
    Box(cr, 104, 26, 12, 5, 240, 240, 240);
    Box(cr, 104, 36, 12, 3, 240, 240, 240);
    Box(cr, 102, 16, 16, 3, 90, 40, 30);
    // Brick joints.
    Colour(cr, 128, 52, 38);
    cr->set_line_width(1);
    for (int y = 44; y < 108; y += 6) {
        cr->move_to(104, y + 0.5);
        cr->line_to(116, y + 0.5);
    }
    cr->stroke();
}

void MillHall(const Cairo::RefPtr<Cairo::Context>& cr) {
    // Machine hall with a saw-tooth roof, its glazing facing north.
    Box(cr, 6, 62, 98, 46, 214, 202, 176);
    for (int k = 0; k < 4; ++k) {
        const double x = 6 + 24.5 * k;
        Colour(cr, 92, 92, 104);
        cr->move_to(x, 62);
        cr->line_to(x, 47);
        cr->line_to(x + 24.5, 62);
        cr->close_path();
        cr->fill();
        Box(cr, x, 48, 3, 14, 176, 214, 236);
    }
    // Stock house at the right end, a little taller.
    Box(cr, 80, 54, 24, 54, 192, 178, 150);
    Box(cr, 78, 51, 28, 4, 92, 92, 104);
    // Windows in two rows and the gate.
    for (int x = 12; x < 76; x += 11) {
        Box(cr, x, 70, 6, 9, 64, 88, 118);
        Box(cr, x, 86, 6, 9, 64, 88, 118);
    }
    for (int y = 62; y < 100; y += 12) Box(cr, 88, y, 8, 7, 64, 88, 118);
    Box(cr, 42, 94, 14, 14, 110, 84, 60);
    Colour(cr, 84, 62, 44);
    cr->set_line_width(1);
    cr->move_to(49.5, 94);
    cr->line_to(49.5, 108);
    cr->stroke();
}

void RiverBank(const Cairo::RefPtr<Cairo::Context>& cr) {
    Box(cr, 0, 108, kPaperMillPictureWidth, 67, 118, 156, 86);
    Box(cr, 0, 112, kPaperMillPictureWidth, 12, 74, 124, 182);
    Colour(cr, 170, 204, 234);
    cr->set_line_width(1);
    struct Ripple { int x, y, w; };
    for (const Ripple& q : {Ripple{8, 115, 14}, Ripple{40, 119, 18}, Ripple{76, 116, 12}, Ripple{108, 120, 20},
                            Ripple{128, 114, 10}}) {
        cr->move_to(q.x, q.y + 0.5);
        cr->line_to(q.x + q.w, q.y + 0.5);
    }
    cr->stroke();
}

void PaperRoll(const Cairo::RefPtr<Cairo::Context>& cr) {
    // Shadow on the grass.
    Colour(cr, 88, 120, 64);
    EllipsePath(cr, 86, 168, 52, 5);
    cr->fill();
    // The roll lies on its side: a shaded body between two end faces.
    auto body = Cairo::LinearGradient::create(0, 130, 0, 168);
    body->add_color_stop_rgb(0, 1.0, 1.0, 0.98);
    body->add_color_stop_rgb(0.45, 0.93, 0.92, 0.88);
    body->add_color_stop_rgb(1, 0.72, 0.71, 0.66);
    cr->set_source(body);
    cr->rectangle(40, 131, 90, 36);
    cr->fill();
    EllipsePath(cr, 130, 149, 11, 18);
    cr->fill();
    Colour(cr, 150, 148, 140);
    cr->set_line_width(1);
    cr->move_to(40, 131.5);
    cr->line_to(130, 131.5);
    cr->move_to(40, 166.5);
    cr->line_to(130, 166.5);
    cr->stroke();
    // The visible end shows the wound layers around a cardboard core.
    Colour(cr, 246, 244, 236);
    EllipsePath(cr, 40, 149, 11, 18);
    cr->fill();
    Colour(cr, 196, 192, 180);
    for (double f = 0.3; f < 1.0; f += 0.17) {
        EllipsePath(cr, 40, 149, 11 * f, 18 * f);
        cr->stroke();
    }
    Colour(cr, 150, 148, 140);
    EllipsePath(cr, 40, 149, 11, 18);
    cr->stroke();
    Colour(cr, 160, 118, 70);
    EllipsePath(cr, 40, 149, 3.5, 5.5);
    cr->fill();
    Colour(cr, 70, 50, 30);
    EllipsePath(cr, 40, 149, 2, 3.5);
    cr->fill();
    // The loose end of the web.
    Colour(cr, 232, 230, 222);
    cr->move_to(92, 167);
    cr->line_to(118, 167);
    cr->line_to(124, 171);
    cr->line_to(96, 171);
    cr->close_path();
    cr->fill();
}

}  // namespace

Cairo::RefPtr<Cairo::ImageSurface> PaperMillPicture() {
    auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, kPaperMillPictureWidth, kPaperMillPictureHeight);
    auto cr = Cairo::Context::create(surface);
    Sky(cr);
    Chimney(cr);
    MillHall(cr);
    RiverBank(cr);
    PaperRoll(cr);
    surface->flush();
    return surface;
}

}  // namespace sk
