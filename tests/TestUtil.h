#pragma once
// Helpers shared by the tests: views shown offscreen, their rendered pixels,
// and walks over their trees.

#include "view/ZarniView.h"

#include <QImage>
#include <memory>
#include <vector>

// A view shown in a window whose client area (without scroll bars when the
// canvas fits) is at least the given size.
std::unique_ptr<CZarniView> MakeView(QSize client = QSize(840, 640));

// Repaints the whole client area and returns its pixels.
QImage Render(CZarniView *view);

// The nodes of the view's tree in pre-order.
std::vector<const TreeNode *> PreOrder(const CZarniView *view);

// The colour of one pixel as (r, g, b).
QColor Pixel(const QImage &image, int x, int y);

// The position a node of heap index i must have, computed independently of
// the view with 128-bit products.
CPoint ExpectedPosition(int64_t index, int width, int height, int depth);
