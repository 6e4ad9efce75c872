# A whole external sort in one window: replacement selection on a loser
# tree cuts the input into runs (about twice the memory on random input),
# then the runs are merged. Run it in the window (zarni examples/external-sort.zs)
# and step through either part with Ctrl+Right / Ctrl+Left or the slider.
code on
tree loser
replace 3 31 12 57 8 40 3 66 25 19 71 5 48 36 90 14 27
merge-runs
ID_WINNER_POP_ALL
