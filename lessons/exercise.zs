# An exercise: build a max-heap bottom-up by swapping nodes, graded as you go.
exercise heap-build random 7 seed 4
say Build a max-heap: click two nodes to swap them, starting at the last parent. Each swap is graded as you make it.
