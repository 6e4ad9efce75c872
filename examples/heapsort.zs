# Heapsort of 15 values on the numbered tree, shown with its pseudocode.
# Run it in the window (zarni examples/heapsort.zs) and step with Ctrl+Left
# and Ctrl+Right, or drag the slider; or headless, to see the state.
nodes 15
values 38 12 91 5 67 44 73 20 86 59 31 8 95 50 26
code on
array on
heap max
heap sort
