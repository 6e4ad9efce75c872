# A lecture on heapsort: a presenter's remote (PageDown) walks it through.
nodes 7
values 31 7 52 18 90 4 66
present on
say A heap of seven values: each parent at least as large as its children?
wait
heap build
say Built bottom-up: each sift-down starts at the last parent.
wait
heap sort
seek 0
say Now the sort: the root swaps with the last leaf, then sifts down.
wait
ID_WINNER_STEP
