# A played winner tree on a wider canvas, saved as PNG and SVG.
ID_ZOOM_IN_X
ID_WINNER_TREE
ID_WINNER_GO
export winner.png
export winner.svg
