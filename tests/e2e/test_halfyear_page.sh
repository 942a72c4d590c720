#!/bin/bash
# Calendar type 5 (key X): the half-year page in the main window, its size
# and place, legend colours, Christmas circles, paging by half years, the
# keys it ignores.
source "$(dirname "$0")/lib.sh"

TODAY='2024-08-15 10:00:00'   # a Thursday; the page shows July-December 2024

# Half-year page geometry for the window's width and row height: prints
# "cw ch imageWidth imageHeight imageX imageY" (image position in the window).
halfyear_geometry() {
  python3 - "$WIN_W" "$R" <<'EOF'
import sys
wa, r = int(sys.argv[1]), int(sys.argv[2])
ha = 32 * r + 2
if wa / ha > 1.44:
    pw, ph = int(ha * 1.44), ha
else:
    pw, ph = wa, int(wa / 1.44)
cw, ch = pw // 48, ph // 40
gw, gh = 48 * cw, 40 * ch
cx = (wa - gw) // 2
cy = 2 * r + int((32 * r - gh - 2) / 2)
print(cw, ch, gw + 4, gh + 4, cx + 2, cy)
EOF
}
RD() { python3 -c "import math;x=$1;f=math.floor(x);print(int(f if x-f<0.5 or (x-f==0.5 and f%2==0) else f+1))"; }

# page_is shot picture: the page in that screenshot (cut out beside it as
# shot_area.png) is the picture.
page_is() { crop "$1" "$IX" "$IY" "$IW" "$IH" "${1%.png}_area.png"; same_image "$2" "${1%.png}_area.png"; }
page_size() { [ "$(size_of "$1" 2>/dev/null)" = "${IW}x${IH}" ]; }

start_app || exit 1
keys x
read -r CW CH IW IH IX IY <<<"$(halfyear_geometry)"

# Z copies the page: the copy is exactly the page image shown in the window.
keys z
press_in '^Information$' Return
clip_until "$WORK/clip.png" page_size "$WORK/clip.png"
[ "$(size_of "$WORK/clip.png")" = "${IW}x${IH}" ] || fail "copied page is $(size_of "$WORK/clip.png"), expected ${IW}x${IH}"
main_focus
check_shot "$WORK/page.png" "" "copied page differs from the page on the screen" page_is "$WORK/page.png" "$WORK/clip.png"

# Page pixels, relative to the image: white page, double black frame.
at() { pixel "$WORK/clip.png" "$1" "$2"; }
[ "$(at 0 0)" = "255,255,255" ] || fail "image corner is $(at 0 0)"
[ "$(at 1 1)" = "0,0,0" ] && [ "$(at 2 2)" = "0,0,0" ] || fail "double frame missing"
# Legend squares in the crew colours.
i=0
for colour in "255,0,0" "0,0,255" "255,255,0" "0,255,0" "235,167,11"; do
  row=$(echo "35.8 36.5 37.2 37.9 38.6" | cut -d' ' -f$((i + 1)))
  y=$((2 + $(RD "$row * $CH")))
  c=$(at $((2 + 26 * CW + 2)) $((y + 2)))
  [ "$c" = "$colour" ] || fail "legend square $((i + 1)) is $c, expected $colour"
  i=$((i + 1))
done
# 25 December (block 5): the working crews are circles, so the corners of
# their cells stay white while the top of the circle is coloured (a standby
# box, smaller, leaves that point white).
top=$((2 + $(RD "2.5 * $CH") + 25 * CH))
radius=$(RD "$CH / 2.3")
circles=0
for j in 0 1 2 3 4; do
  x=$((2 + 40 * CW + (3 + j) * CW))
  cx=$((2 + 40 * CW + $(RD "3.5 * $CW") + j * CW + 1))
  mid=$(at "$cx" $((top + CH / 2 - radius + 1)))
  corner=$(at $((x + 1)) $((top + 1)))
  if [ "$mid" != "255,255,255" ] && [ "$corner" = "255,255,255" ]; then circles=$((circles + 1)); fi
done
[ "$circles" -eq 3 ] || fail "Christmas Day shows $circles circles, expected 3"

# Keys the page ignores leave it as it is; F7 pages to the next half year, F5 back.
main_focus
keys Left Down F2 F3 KP_Add KP_Subtract
check_shot "$WORK/ignored.png" "" "an ignored key changed the page" page_is "$WORK/ignored.png" "$WORK/page_area.png"
keys F7
check_shot "$WORK/next.png" "" "F7 did not page" eval '! page_is "$WORK/next.png" "$WORK/page_area.png"'
keys F5
check_shot "$WORK/back.png" "" "F7 then F5 is not the first half year" page_is "$WORK/back.png" "$WORK/page_area.png"
# The page of January-June 2025 differs from July-December 2024 in its header.
keys F7 F7 F5
check_shot "$WORK/jan.png" "" "F7 F7 F5 is not January-June 2025" page_is "$WORK/jan.png" "$WORK/next_area.png"
stop_app

finish
