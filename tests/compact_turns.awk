# Expands the compact lines of a script into the driver's lines. A line
#   : 11146 c0 11234 c32 d4 5 z
# is one turn as a player plays it: a group of faces is "dice" with those
# faces then "click Ok", cN clicks Cases N, dN clicks ChoixDés N (a die taken
# back or kept again), z clicks Zéro, o clicks Ok with no new faces, r clicks
# Retour, and kWXC presses the keys W, X and C. A line "keys Tab Down*3"
# presses each key named, K*N N times. Every other line passes as it is.
/^keys / {
    for (i = 2; i <= NF; i++) {
        n = split($i, part, "*")
        times = n > 1 ? part[2] : 1
        for (j = 0; j < times; j++) print "key " part[1]
    }
    next
}
/^: / {
    for (i = 2; i <= NF; i++) {
        t = $i
        if (t ~ /^[1-6]+$/) {
            line = "dice"
            for (j = 1; j <= length(t); j++) line = line " " substr(t, j, 1)
            print line
            print "click Ok"
        } else if (t ~ /^c[0-9]+$/) {
            print "click Cases " substr(t, 2)
        } else if (t ~ /^d[0-4]$/) {
            print "click ChoixDés " substr(t, 2)
        } else if (t == "z") {
            print "click Zéro"
        } else if (t == "o") {
            print "click Ok"
        } else if (t == "r") {
            print "click Retour"
        } else if (t ~ /^k[A-Za-z]+$/) {
            for (j = 2; j <= length(t); j++) print "key " substr(t, j, 1)
        } else {
            print "compact line " NR ": unknown step " t > "/dev/stderr"
            exit 2
        }
    }
    next
}
{ print }
