# A segment tree of sums over ten values: sixteen leaves, the last six empty.
# Run it in the window (zarni examples/segment-tree.zs) and step back over any
# operation with Ctrl+Left or the slider; the pending tags of the lazy adds
# show small at the boxes' corners, the array panel each position's value.
code on
array on
segment sum 5 8 6 3 2 7 2 6 1 4
segment query 1 8
segment add 2 7 3
segment add 0 5 -2
segment query 3 6
segment set 4 10
segment query 0 9
