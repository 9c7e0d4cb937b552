#!/usr/bin/env bash
# The offline panel: with DRAVONELLE_OFFLINE=1 the connection check answers
# "offline". No panel when the window opens nor at 15 s; the first tick of
# NonConnectéTimer (the real 20 s) shows it in the middle of the window with
# the logo page on its background; its OK hides it again. The banners show
# their installed pages meanwhile. About 25 s.
#
#   test_offline_panel.sh <path-to-dravonelle> <artifact-dir>
source "$(dirname "$0")/common.sh" "$@"

read_places "" NonConnectéPic NonConnectéCmd NonConnectéLbl LogoFondPic LogoWeb Pub0Pic Pub1Pic Halte
within NonConnectéPic NonConnectéCmd NonConnectéLbl LogoFondPic
within LogoFondPic LogoWeb
panel=$(box NonConnectéPic)
start_xvfb
launched=$(date +%s)
launch_game DRAVONELLE_OFFLINE=1
sleep 1
shoot offline-start
uneven offline-start "$(inside Pub0Pic)" && uneven offline-start "$(inside Pub1Pic)" || fail "a banner shows nothing"

while (($(date +%s) - launched < 15)); do sleep 0.5; done
shoot offline-before-tick
region_differs offline-start offline-before-tick "$panel" && fail "something came over the window's middle before the first tick"
while (($(date +%s) - launched < 22)); do sleep 0.5; done
wait_for 30 eval 'shoot offline-panel && region_differs offline-start offline-panel "$panel"' ||
    fail "the offline panel did not appear after the first tick"
sleep 0.5
shoot offline-panel
for part in "$(box LogoWeb)" "$(inside NonConnectéLbl)" "$(inside NonConnectéCmd)"; do
    uneven offline-panel "$part" || fail "the panel shows nothing at $part (the logo, the message, OK)"
done
click_on NonConnectéCmd
sleep 0.3
shoot offline-closed
region_differs offline-start offline-closed "$panel" && fail "the window's middle did not come back after OK"
leave_by_halte
echo "screenshots: $artifacts/offline-start.png $artifacts/offline-panel.png $artifacts/offline-closed.png"
echo "1 passed, 0 failed"
