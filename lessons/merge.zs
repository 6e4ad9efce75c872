# Five sorted runs merged by a winner tree: the first tournament plays, then
# each value written out plays its leaf's path again.
code on
say Five sorted runs, one at each leaf: the tournament finds the greatest head.
wait
runs 95 80 62 40 11 / 88 87 50 3 / 76 70 69 68 20 / 99 14 / 60 59 58 57 1
say The winner is written out; the next value of its run takes its leaf, and only that path plays again.
wait
repeat 6 ID_WINNER_POP
