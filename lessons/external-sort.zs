# An external sort: replacement selection on a loser tree cuts the input into
# runs (about twice the memory on random input), then the runs are merged.
code on
tree loser
say Memory holds three values. Replacement selection writes the least that still fits the current run.
wait
replace 3 31 12 57 8 40 3 66 25 19 71 5 48 36 90 14 27
say Sixteen values made runs longer than the memory. Now the runs are merged.
wait
merge-runs
repeat 5 ID_WINNER_POP
