// The drawing surface: the effects the view's drawing relies on.
#include "TestUtil.h"
#include "framework/DrawSurface.h"

#include <QPainter>
#include <QTest>

namespace {

QImage WhiteImage(int w = 120, int h = 80)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRect NonWhite(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestSurface : public QObject {
    Q_OBJECT

private slots:
    void fontCellHeight_data();
    void fontCellHeight();
    void fillRectExcludesRightAndBottom();
    void frameLeavesItsColourAsTextBackground();
    void frameOfZeroHeightBox();
    void textCentredOnOpaqueCellsAndClipped();
    void lineExcludesItsEndPoint_data();
    void lineExcludesItsEndPoint();
    void selectReturnsThePrevious();
    void dottedBandTwiceRestores_data();
    void dottedBandTwiceRestores();
};

void TestSurface::fontCellHeight_data()
{
    QTest::addColumn<int>("height");
    for (int h : {6, 12, 25, 50, 100, 500})
        QTest::addRow("%d", h) << h;
}

// A positive height is the character cell: ascent plus descent.
void TestSurface::fontCellHeight()
{
    QFETCH(int, height);
    CFont font;
    font.CreateFontIndirect(LabelFontDescription(height));
    QVERIFY2(font.CellHeight() <= height && font.CellHeight() >= height - 1,
             qPrintable(QString::number(font.CellHeight())));
    QCOMPARE(font.Description().faceName, QString("新細明體"));
    QCOMPARE(font.Font().family(), QString("AR PL UMing TW"));
}

void TestSurface::fillRectExcludesRightAndBottom()
{
    QImage image = WhiteImage();
    {
        QPainter p(&image);
        CDrawSurface dc(&p);
        const CBrush brush(RGB(255, 50, 50));
        dc.FillRect({10, 20, 30, 25}, &brush);
    }
    QCOMPARE(NonWhite(image), QRect(10, 20, 20, 5));
    QCOMPARE(Pixel(image, 29, 24), QColor(255, 50, 50));
}

void TestSurface::frameLeavesItsColourAsTextBackground()
{
    QImage image = WhiteImage();
    QPainter p(&image);
    CDrawSurface dc(&p);
    QCOMPARE(dc.GetBkColor(), QColor(Qt::white));
    dc.Draw3dRect(10, 10, 20, 10, RGB(0, 0, 255), RGB(255, 0, 0));
    QCOMPARE(dc.GetBkColor(), QColor(255, 0, 0));
    p.end();
    QCOMPARE(NonWhite(image), QRect(10, 10, 20, 10));
    QCOMPARE(Pixel(image, 10, 10), QColor(0, 0, 255));  // top-left
    QCOMPARE(Pixel(image, 29, 19), QColor(255, 0, 0));  // bottom-right
    QCOMPARE(Pixel(image, 29, 10), QColor(255, 0, 0));  // right side from the top
    QCOMPARE(Pixel(image, 15, 15), QColor(Qt::white)); // inside untouched
}

// A box collapsed to height 0 still leaves its two one-pixel bars.
void TestSurface::frameOfZeroHeightBox()
{
    QImage image = WhiteImage();
    {
        QPainter p(&image);
        CDrawSurface dc(&p);
        dc.Draw3dRect(10, 30, 20, 0, Qt::black, Qt::black);
    }
    QCOMPARE(NonWhite(image), QRect(10, 29, 20, 2));
}

void TestSurface::textCentredOnOpaqueCellsAndClipped()
{
    QImage image = WhiteImage();
    CFont font;
    font.CreateFontIndirect(LabelFontDescription(20));
    const int width = font.TextWidth("88");
    {
        QPainter p(&image);
        CDrawSurface dc(&p);
        dc.SelectObject(&font);
        dc.FillSolidRect(0, 0, 1, 1, RGB(255, 0, 0)); // sets the text background
        dc.DrawText("88", {20, 30, 80, 40}, DT_CENTER);
    }
    image.setPixel(0, 0, qRgb(255, 255, 255));
    const int left = 20 + (60 - width) / 2;
    // The cell is clipped to the 10-pixel high rectangle.
    QCOMPARE(NonWhite(image), QRect(left, 30, width, 10));
    bool black = false;
    for (int y = 30; y < 40; ++y)
        for (int x = left; x < left + width; ++x)
            black |= qGray(image.pixel(x, y)) < 60;
    QVERIFY(black);
    QCOMPARE(Pixel(image, left, 30), QColor(255, 0, 0));
}

void TestSurface::lineExcludesItsEndPoint_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("right") << QPoint(10, 5) << QPoint(20, 5) << QRect(10, 5, 10, 1);
    QTest::newRow("left") << QPoint(20, 5) << QPoint(10, 5) << QRect(11, 5, 10, 1);
    QTest::newRow("down") << QPoint(3, 10) << QPoint(3, 40) << QRect(3, 10, 1, 30);
    QTest::newRow("up") << QPoint(3, 40) << QPoint(3, 10) << QRect(3, 11, 1, 30);
    QTest::newRow("nothing") << QPoint(3, 10) << QPoint(3, 10) << QRect();
}

void TestSurface::lineExcludesItsEndPoint()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, pixels);
    QImage image = WhiteImage();
    {
        QPainter p(&image);
        CDrawSurface dc(&p);
        dc.MoveTo(from.x(), from.y());
        dc.LineTo(to.x(), to.y());
    }
    QCOMPARE(NonWhite(image), pixels);
}

void TestSurface::selectReturnsThePrevious()
{
    QImage image = WhiteImage();
    QPainter p(&image);
    CDrawSurface dc(&p);
    CFont font;
    CPen pen(PS_DOT, 1, Qt::red);
    CFont *oldFont = dc.SelectObject(&font);
    QCOMPARE(dc.SelectObject(oldFont), &font);
    CPen *oldPen = dc.SelectObject(&pen);
    QCOMPARE(dc.SelectObject(oldPen), &pen);
    QCOMPARE(dc.SetROP2(R2_NOTXORPEN), int(R2_COPYPEN));
}

void TestSurface::dottedBandTwiceRestores_data()
{
    QTest::addColumn<QRect>("band"); // corners as given, unordered
    QTest::newRow("forward") << QRect(QPoint(10, 10), QPoint(90, 60));
    QTest::newRow("reversed") << QRect(QPoint(90, 60), QPoint(10, 10));
    QTest::newRow("one column") << QRect(QPoint(40, 5), QPoint(41, 70));
    QTest::newRow("one row") << QRect(QPoint(5, 40), QPoint(100, 41));
    QTest::newRow("empty") << QRect(QPoint(5, 40), QPoint(100, 40));
}

// Under the not-xor operation a dotted red band shows red over white and a
// second identical band restores every pixel, over any picture.
void TestSurface::dottedBandTwiceRestores()
{
    QFETCH(QRect, band);
    QImage image = WhiteImage();
    {
        QPainter p(&image);
        p.fillRect(30, 0, 30, 80, QColor(20, 200, 90));
    }
    const QImage before = image;
    QPainter p(&image);
    CDrawSurface dc(&p);
    dc.SetROP2(R2_NOTXORPEN);
    CPen pen(PS_DOT, 1, RGB(255, 0, 0));
    dc.SelectObject(&pen);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(band.left(), band.top(), band.right(), band.bottom());
    if (band.left() == 10) {
        QCOMPARE(Pixel(image, 10, 10), QColor(255, 0, 0));
        QCOMPARE(Pixel(image, 13, 10), QColor(Qt::white)); // a gap of the dots
        QCOMPARE(Pixel(image, 20, 30), QColor(Qt::white)); // hollow inside
    }
    dc.Rectangle(band.left(), band.top(), band.right(), band.bottom());
    p.end();
    QCOMPARE(image, before);
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
