# Five sorted runs merged by a winner tree: the first tournament plays, then
# six values are written out, each one playing its leaf's path again.
ID_ZOOM_IN_X
runs 95 80 62 40 11 / 88 87 50 3 / 76 70 69 68 20 / 99 14 / 60 59 58 57 1
repeat 6 ID_WINNER_POP
export merge.png
