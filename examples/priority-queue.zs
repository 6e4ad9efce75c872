# A priority queue on a min-heap: values arrive, the smallest leaves first.
# Run it in the window (zarni examples/priority-queue.zs) and step back over
# any operation with Ctrl+Left or the slider; or headless, to see the state.
nodes 7
values 31 12 45 7 26 18 3
code on
array on
heap min
heap build
heap insert 5
heap extract
heap extract
heap key 6 1
heap delete 2
heap insert 40
