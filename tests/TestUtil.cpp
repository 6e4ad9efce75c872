#include "TestUtil.h"

#include <QTest>

std::unique_ptr<CZarniView> MakeView(QSize client)
{
    auto view = std::make_unique<CZarniView>();
    view->resize(client + QSize(4, 4));
    view->OnInitialUpdate();
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        qWarning("view not exposed");
    return view;
}

QImage Render(CZarniView *view)
{
    view->Invalidate();
    view->UpdateWindow();
    return view->RetainedImage();
}

static void Walk(const TreeNode *node, std::vector<const TreeNode *> &out)
{
    if (!node)
        return;
    out.push_back(node);
    Walk(node->m_pLeft, out);
    Walk(node->m_pRight, out);
}

std::vector<const TreeNode *> PreOrder(const CZarniView *view)
{
    std::vector<const TreeNode *> nodes;
    Walk(view->m_pRoot, nodes);
    return nodes;
}

QColor Pixel(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y)).toRgb();
}

CPoint ExpectedPosition(int64_t index, int width, int height, int depth)
{
    int level = 0;
    while ((int64_t(1) << level) <= index)
        ++level;
    const __int128 p = __int128(1) << level;
    const __int128 k = index - p / 2;
    const __int128 x = ((2 * k + 1) * width) / p;
    const __int128 y = (__int128(2 * level - 1) * height) / (2 * depth);
    return {int(x), int(y)};
}
