# A priority queue on a min-heap: values arrive, the smallest leaves first.
nodes 7
values 31 12 45 7 26 18 3
code on
array on
heap min
say A min-heap keeps the smallest value at the root; the array panel shows the same heap, level by level.
wait
heap build
say Insert 5: it goes in as the last leaf and rises while it is smaller than its parent.
wait
heap insert 5
say Extract: the root leaves, the last leaf takes its place and sinks.
wait
heap extract
say A key made smaller rises; a deleted node is replaced by the last leaf, which rises or sinks.
wait
heap key 6 1
heap delete 2
