#pragma once
// Helpers shared by the tests: views shown offscreen, their rendered pixels,
// and walks over their trees.

#include "Drive.h"
#include "view/ZarniView.h"

#include <QEvent>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <vector>

// A view shown in a window whose client area (without scroll bars when the
// canvas fits) is at least the given size.
std::unique_ptr<CZarniView> MakeView(QSize client = QSize(840, 640));

// Repaints the whole client area and returns its pixels.
QImage Render(CZarniView *view);

// The nodes of the view's tree in pre-order.
std::vector<const TreeNode *> PreOrder(const CZarniView *view);
// No node of the view's tree is marked.
bool AllPlain(const CZarniView *view);

// The plain level-by-level walk the paint must match pixel for pixel: every
// node of a level, left to right, its box and then its edges; for the
// selection redraw, boxes only, selected red and all others plain, at the
// window's scroll offset.
void DrawLevelByLevel(CZarniView *view, CDrawSurface *dc, bool selection);

// Paints into a white image of clip's size, with clip's top left corner at
// the image's origin and the painter clipped to it.
QImage PaintInto(const QRect &clip, const std::function<void(CDrawSurface *)> &draw);

// The colour of one pixel as (r, g, b).
QColor Pixel(const QImage &image, int x, int y);

// The position a node of heap index i must have, computed independently of
// the view with 128-bit products.
CPoint ExpectedPosition(int64_t index, int width, int height, int depth);

// Sends a mouse event to the view's client area at window point p; buttons
// are those held after the event.
void SendMouse(CZarniView *view, QEvent::Type type, QPoint p, Qt::MouseButtons buttons,
               Qt::MouseButton button = Qt::LeftButton);
// A press, moves through the points, and a release at the last one.
void Drag(CZarniView *view, const std::vector<QPoint> &points);

// Starts the view's tournament and waits until it has ended (or the view has
// gone), as a user waits for it.
void PlayToEnd(CZarniView *view);

// Whether the view shows the cursor with this resource id.
bool ShowsCursor(CZarniView *view, int cursorId);

class CMainFrame;
class CZarniApp;

// The program started as a user starts it, with its settings in a temporary
// directory that is emptied before every start. Tests call Start() from
// init() and Stop() from cleanup().
class AppFixture {
public:
    AppFixture();
    ~AppFixture();
    // Whether the program started and its window is exposed; the settings of
    // a previous start are kept on request.
    bool Start(bool clearSettings = true);
    void Stop();
    CZarniApp *App() const { return m_app.get(); }
    CMainFrame *Frame() const;
    // A path in the temporary directory.
    QString FilePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CZarniApp> m_app;
};

// Runs action, answering the message box it opens; returns the box's text.
QString AnswerMessageBox(const std::function<void()> &action);

// k sorted runs of 1 to longest values each, from -spread to spread: a narrow
// spread makes equal values meet in matches.
WinnerMerge::Runs RandomRuns(int k, int longest, quint32 seed, int spread);

// A command's number by its name.
int CommandId(const char *name);
