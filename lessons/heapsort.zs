# Heapsort: build a max-heap bottom-up, then move the root to the end again
# and again. A presenter's remote (PageDown, Space or Right) walks it through.
nodes 7
values 31 7 52 18 90 4 66
code on
say Seven values in a complete binary tree. Is every parent at least as large as its children?
wait
heap build
say Built bottom-up: each sift-down starts at the last parent and goes back to the root.
wait
heap sort
seek 0
say Now the sort: the root swaps with the last leaf of the heap, which shrinks by one, then sifts down.
wait
ID_WINNER_STEP
