#include "TestUtil.h"

#include "app/CommandNames.h"

#include <QRandomGenerator>
#include <algorithm>

#include "app/Zarni.h"
#include "frames/MainFrm.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QSettings>

#include "res/Images.h"

#include <QBitmap>
#include <QPainter>
#include <QEventLoop>
#include <QPointer>
#include <QMouseEvent>
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

void SendMouse(CZarniView *view, QEvent::Type type, QPoint p, Qt::MouseButtons buttons, Qt::MouseButton button)
{
    QWidget *target = view->viewport();
    QMouseEvent event(type, QPointF(p), target->mapToGlobal(QPointF(p)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Drag(CZarniView *view, const std::vector<QPoint> &points)
{
    SendMouse(view, QEvent::MouseButtonPress, points.front(), Qt::LeftButton);
    for (std::size_t i = 1; i < points.size(); ++i)
        SendMouse(view, QEvent::MouseMove, points[i], Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, points.back(), Qt::NoButton);
}

bool ShowsCursor(CZarniView *view, int cursorId)
{
    const QCursor shown = view->viewport()->cursor();
    if (cursorId == 0)
        return shown.shape() == Qt::ArrowCursor;
    const QCursor wanted = ZarniCursor(cursorId);
    return shown.shape() == Qt::BitmapCursor && shown.hotSpot() == QPoint(6, 0)
        && shown.bitmap().toImage() == wanted.bitmap().toImage();
}

bool AllPlain(const CZarniView *view)
{
    for (int64_t i = 1; i <= view->m_nNodeCount; ++i)
        if (view->Mark(i) != kMarkPlain)
            return false;
    return true;
}

static void WalkLevel(CZarniView *view, CDrawSurface *dc, const TreeNode *node, int level, bool selection)
{
    if (!node)
        return;
    if (node->m_nLevel == level) {
        if (selection) {
            view->DrawNodeBox(dc, node->m_nIndex, view->Model().Value(node->m_nIndex), node->m_ptPos.x - view->m_nHScrollPos,
                              node->m_ptPos.y - view->m_nVScrollPos, view->Mark(node->m_nIndex) == 1 ? 1 : 0);
        } else {
            view->DrawNodeBox(dc, node->m_nIndex, view->Model().Value(node->m_nIndex), node->m_ptPos.x, node->m_ptPos.y,
                              view->Mark(node->m_nIndex));
            // The edges leave the box's sides and turn down to the children.
            const CPoint at = node->m_ptPos;
            for (const TreeNode *child : {node->m_pLeft, node->m_pRight}) {
                if (!child)
                    continue;
                dc->MoveTo(at.x + (child == node->m_pLeft ? -1 : 1) * view->HalfWidth(), at.y);
                dc->LineTo(child->m_ptPos.x, at.y);
                dc->LineTo(child->m_ptPos.x, child->m_ptPos.y);
            }
        }
    }
    WalkLevel(view, dc, node->m_pLeft, level, selection);
    WalkLevel(view, dc, node->m_pRight, level, selection);
}

void DrawLevelByLevel(CZarniView *view, CDrawSurface *dc, bool selection)
{
    for (int level = 1; level <= view->m_nDepth; ++level)
        WalkLevel(view, dc, view->m_pRoot, level, selection);
}

QImage PaintInto(const QRect &clip, const std::function<void(CDrawSurface *)> &draw)
{
    QImage image(clip.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-clip.topLeft());
    painter.setClipRect(clip);
    CDrawSurface dc(&painter);
    draw(&dc);
    return image;
}

AppFixture::AppFixture()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath("settings"));
}

AppFixture::~AppFixture() = default;

bool AppFixture::Start(bool clearSettings)
{
    if (clearSettings)
        QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Zarni")).clear();
    m_app = std::make_unique<CZarniApp>();
    return m_app->InitInstance({}) && QTest::qWaitForWindowExposed(Frame());
}

void AppFixture::Stop()
{
    m_app.reset();
}

CMainFrame *AppFixture::Frame() const
{
    return m_app ? m_app->MainFrame() : nullptr;
}

void PlayToEnd(CZarniView *view)
{
    view->OnWinnerGo();
    CZarniView::WaitWhilePlaying(view);
}

WinnerMerge::Runs RandomRuns(int k, int longest, quint32 seed, int spread)
{
    QRandomGenerator random(seed);
    WinnerMerge::Runs runs{std::size_t(k)};
    for (auto &run : runs) {
        run.resize(std::size_t(random.bounded(1, longest + 1)));
        for (int &value : run)
            value = random.bounded(-spread, spread + 1);
        std::sort(run.rbegin(), run.rend());
    }
    return runs;
}

QString AnswerMessageBox(const std::function<void()> &action)
{
    QString text;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->textFormat() == Qt::RichText ? QTextDocumentFragment::fromHtml(box->text()).toPlainText()
                                                      : box->text();
            box->accept();
        }
    });
    timer.start(20);
    action();
    return text;
}

int CommandId(const char *name)
{
    return CommandIdsByName().value(QString::fromLatin1(name));
}
