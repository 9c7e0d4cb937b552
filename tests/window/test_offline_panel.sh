#!/usr/bin/env bash
# The offline panel: with DRAVONELLE_OFFLINE=1 the connection check answers
# "offline". The panel is not there when the window opens; the first tick of
# NonConnectéTimer (20 s) shows it in the middle of the window with the logo
# page on its background; its OK hides it again. The web panels show their
# installed pages meanwhile (the game's web site cannot be reached here).
#
#   test_offline_panel.sh <path-to-dravonelle> <artifact-dir>
#
# The controls' places are read from the layout through dravonelle-script,
# built beside the game. The test waits for the real timer: about 25 s.
set -u

source "$(dirname "$0")/common.sh" "$@"

[ -x "$script_driver" ] || fail "no dravonelle-script beside the game"

# ---- where the controls are ------------------------------------------------

# The places after start-up (which centres the panel), in window pixels. The
# panel's controls count from their holders: the holders' corners are added.
read_offline_layout() {
    read_places "" NonConnectéPic NonConnectéCmd NonConnectéLbl LogoFondPic LogoWeb Pub0Pic Pub1Pic \
        Halte >"$scratch/layout.raw"
    [ "$(wc -l <"$scratch/layout.raw")" -eq 8 ] || return 1
    awk '{ name[NR] = $1; l[$1] = $2; t[$1] = $3; w[$1] = $4; h[$1] = $5 }
        END {
            pl = l["NonConnectéPic"]; pt = t["NonConnectéPic"]
            l["NonConnectéCmd"] += pl; t["NonConnectéCmd"] += pt
            l["NonConnectéLbl"] += pl; t["NonConnectéLbl"] += pt
            l["LogoFondPic"] += pl; t["LogoFondPic"] += pt
            l["LogoWeb"] += l["LogoFondPic"]; t["LogoWeb"] += t["LogoFondPic"]
            for (i = 1; i <= NR; i++) print name[i], l[name[i]], t[name[i]], w[name[i]], h[name[i]]
        }' "$scratch/layout.raw" >"$scratch/layout.txt"
}

# uneven SHOT "LEFT TOP WIDTH HEIGHT": the rectangle is not one flat colour
# (something is written or drawn there).
uneven() {
    local r
    read -r -a r <<<"$2"
    awk -v s="$(convert "$artifacts/$1.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage \
        -colorspace Gray -format '%[fx:standard_deviation]' info:)" 'BEGIN { exit !(s > 0.02) }'
}

read_offline_layout || fail "the layout could not be read through $script_driver"
panel=$(box NonConnectéPic)
read -r -a p <<<"$panel"
[ "${p[2]}" -gt 0 ] && [ "${p[3]}" -gt 0 ] || fail "the offline panel has no size: $panel"

start_xvfb || fail "no X server could be started"
launched=$(date +%s)
launch_game DRAVONELLE_OFFLINE=1

# 1. At first: no panel; the banners show our pages.
sleep 1
shoot offline-start
uneven offline-start "$(inside Pub0Pic)" || fail "the first banner shows nothing"
uneven offline-start "$(inside Pub1Pic)" || fail "the second banner shows nothing"

# 2. Still no panel well before the first tick.
while (($(date +%s) - launched < 15)); do sleep 0.5; done
alive "before the first tick"
shoot offline-before-tick
region_differs offline-start offline-before-tick "$panel" && fail "something came over the window's middle before the first tick"

# 3. The first tick (20 s after the window was made) shows the panel.
while (($(date +%s) - launched < 22)); do sleep 0.5; done
appeared=no
for ((i = 0; i < 16; i++)); do
    shoot offline-panel
    if region_differs offline-start offline-panel "$panel"; then
        appeared=yes
        break
    fi
    sleep 0.5
done
[ "$appeared" = yes ] || fail "the offline panel did not appear after the first tick"
sleep 0.5
shoot offline-panel
uneven offline-panel "$(box LogoWeb)" || fail "the panel shows no logo"
uneven offline-panel "$(inside NonConnectéLbl)" || fail "the panel shows no message"
uneven offline-panel "$(inside NonConnectéCmd)" || fail "the panel shows no OK"

# 4. Its OK hides it: the middle of the window is as it was at first.
click_on NonConnectéCmd
sleep 0.3
shoot offline-closed
region_differs offline-panel offline-closed "$panel" || fail "OK left the panel on the screen"
region_differs offline-start offline-closed "$panel" && fail "the window's middle did not come back after OK"
alive "after OK"

# 5. Away by Halte, as the other tests leave.
leave_by_halte
ended_well

echo "screenshots: $artifacts/offline-start.png $artifacts/offline-panel.png $artifacts/offline-closed.png"
echo "1 passed, 0 failed"
