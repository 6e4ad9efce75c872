# A segment tree of sums over ten values: sixteen leaves, the last six empty.
code on
array on
say Each node holds the sum of the positions under it.
wait
segment sum 5 8 6 3 2 7 2 6 1 4
say A query over positions 1 to 8 takes a few whole nodes instead of every leaf.
wait
segment query 1 8
say A lazy add leaves a pending tag on the nodes it covers whole; it goes down only when needed.
wait
segment add 2 7 3
segment query 3 6
