#pragma once
// What a screen reader finds of a view: the tree, whose children are its
// nodes, each named by its index, its label and its mark ("節點 5：11，勝者"),
// described by its relatives and placed where its box is on the screen. The
// keyboard's node cursor is the focus.

// Makes every view answer as such a tree (once, before the first asks).
void InstallTreeAccessibility();
