// The palettes measured on the pictures export makes: every two marks stay
// apart for each kind of colour blindness (simulated with the matrices of
// Machado, Oliveira and Fernandes 2009, compared by CIEDE2000), and on the
// projector every label stands out of its fill by at least 4.5:1 (WCAG).

#include "TestUtil.h"
#include "app/Export.h"
#include "app/RunExport.h"
#include "view/Palette.h"

#include <QImageReader>
#include <QtTest>
#include <array>
#include <cmath>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

// Severity 1 of each deficiency, on linear RGB.
const Matrix kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix kProtanopia{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
const Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
const Matrix kTritanopia{{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Vector LinearOf(const QColor &colour) { return {Linear(colour.red()), Linear(colour.green()), Linear(colour.blue())}; }

Vector Seen(const QColor &colour, const Matrix &m)
{
    const Vector l = LinearOf(colour);
    Vector out{};
    for (int i = 0; i < 3; ++i)
        out[i] = std::clamp(m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2], 0.0, 1.0);
    return out;
}

// CIELAB of linear sRGB, white D65.
Vector Lab(const Vector &rgb)
{
    const double x = (0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047;
    const double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    const double z = (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Degrees(double radians) { return radians * 180 / M_PI; }
double Radians(double degrees) { return degrees * M_PI / 180; }

// Sharma, Wu and Dalal (2005).
double Ciede2000(const Vector &lab1, const Vector &lab2)
{
    const double c1 = std::hypot(lab1[1], lab1[2]), c2 = std::hypot(lab2[1], lab2[2]), cMean = (c1 + c2) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(cMean, 7) / (std::pow(cMean, 7) + std::pow(25.0, 7))));
    const double a1 = (1 + g) * lab1[1], a2 = (1 + g) * lab2[1];
    const double cp1 = std::hypot(a1, lab1[2]), cp2 = std::hypot(a2, lab2[2]);
    auto hue = [](double b, double a) { return a == 0 && b == 0 ? 0.0 : std::fmod(Degrees(std::atan2(b, a)) + 360, 360); };
    const double h1 = hue(lab1[2], a1), h2 = hue(lab2[2], a2);
    double dh = h2 - h1;
    if (cp1 * cp2 == 0)
        dh = 0;
    else if (dh > 180)
        dh -= 360;
    else if (dh < -180)
        dh += 360;
    const double dL = lab2[0] - lab1[0], dC = cp2 - cp1, dH = 2 * std::sqrt(cp1 * cp2) * std::sin(Radians(dh / 2));
    const double lMean = (lab1[0] + lab2[0]) / 2, cpMean = (cp1 + cp2) / 2;
    double hMean = h1 + h2;
    if (cp1 * cp2 != 0)
        hMean = std::abs(h1 - h2) <= 180 ? hMean / 2 : (hMean < 360 ? (hMean + 360) / 2 : (hMean - 360) / 2);
    const double t = 1 - 0.17 * std::cos(Radians(hMean - 30)) + 0.24 * std::cos(Radians(2 * hMean)) +
                     0.32 * std::cos(Radians(3 * hMean + 6)) - 0.20 * std::cos(Radians(4 * hMean - 63));
    const double theta = 30 * std::exp(-std::pow((hMean - 275) / 25, 2));
    const double rc = 2 * std::sqrt(std::pow(cpMean, 7) / (std::pow(cpMean, 7) + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(lMean - 50, 2) / std::sqrt(20 + std::pow(lMean - 50, 2));
    const double sc = 1 + 0.045 * cpMean, sh = 1 + 0.015 * cpMean * t;
    const double rt = -std::sin(Radians(2 * theta)) * rc;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) + rt * (dC / sc) * (dH / sh));
}

double Luminance(const QColor &colour)
{
    const Vector l = LinearOf(colour);
    return 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2];
}

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every look, a new one included.
constexpr int kMarks = kMarkCount;

// Node m + 1 holds mark m and the value 88, drawn by export in the palette.
QImage MarkedPicture(CZarniView *view, const Palette &palette)
{
    SetCurrentPalette(palette);
    for (int mark = 0; mark < kMarks; ++mark) {
        view->Model().SetValue(mark + 1, 88);
        view->Model().SetMark(mark + 1, mark);
    }
    QImage picture = CanvasImage(view->Scene(), 1);
    SetCurrentPalette(Palettes().front());
    return picture;
}

} // namespace

class TestPalette : public QObject {
    Q_OBJECT

private slots:
    void marksStayApart_data();
    void marksStayApart();
    void labelsStandOut_data();
    void labelsStandOut();
    void gifKeepsThePalette_data();
    void gifKeepsThePalette();
};

void TestPalette::marksStayApart_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<Matrix>("vision");
    for (const char *palette : {"colorblind", "projector"})
        for (const auto &[name, vision] : {std::pair{"normal", kNormal}, std::pair{"protanopia", kProtanopia},
                                           std::pair{"deuteranopia", kDeuteranopia}, std::pair{"tritanopia", kTritanopia}})
            QTest::addRow("%s %s", palette, name) << QString(palette) << vision;
}

// Each box's fill, read in its top left quarter (away from the label, the
// tick and the stripe), against every other.
void TestPalette::marksStayApart()
{
    QFETCH(QString, palette);
    QFETCH(Matrix, vision);
    auto view = MakeView();
    const QImage picture = MarkedPicture(view.get(), *FindPalette(palette));
    const TreeGeometry g = view->Geometry();
    std::vector<Vector> seen;
    for (int mark = 0; mark < kMarks; ++mark) {
        const CPoint centre = g.Position(mark + 1);
        seen.push_back(Lab(Seen(Pixel(picture, centre.x - g.HalfWidth() / 2, centre.y - g.HalfHeight() / 2), vision)));
    }
    for (int i = 0; i < kMarks; ++i)
        for (int j = i + 1; j < kMarks; ++j)
            QVERIFY2(Ciede2000(seen[i], seen[j]) >= 10,
                     qPrintable(QString("marks %1 and %2: %3").arg(i).arg(j).arg(Ciede2000(seen[i], seen[j]))));
}

void TestPalette::labelsStandOut_data()
{
    QTest::addColumn<int>("mark");
    for (int mark = 0; mark < kMarks; ++mark)
        QTest::addRow("mark %d", mark) << mark;
}

// The label's ink is the pixel of its text rectangle that stands out most
// from the fill.
void TestPalette::labelsStandOut()
{
    QFETCH(int, mark);
    auto view = MakeView();
    const QImage picture = MarkedPicture(view.get(), *FindPalette("projector"));
    const TreeGeometry g = view->Geometry();
    const CPoint centre = g.Position(mark + 1);
    const CRect text = g.TextRect(centre);
    const QColor fill = Pixel(picture, centre.x - g.HalfWidth() / 2, centre.y - g.HalfHeight() / 2);
    double best = 1;
    for (int y = text.top; y < text.bottom; ++y)
        for (int x = text.left + 2; x < text.right - 2; ++x)
            best = std::max(best, Contrast(Pixel(picture, x, y), fill));
    QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
}

void TestPalette::gifKeepsThePalette_data()
{
    QTest::addColumn<QString>("palette");
    for (const Palette &palette : Palettes())
        QTest::newRow(palette.name) << QString(palette.name);
}

// A GIF's one colour table holds the palette's colours: a played
// tournament's last frame shows the winner's and the loser's fills exactly.
void TestPalette::gifKeepsThePalette()
{
    QFETCH(QString, palette);
    auto view = MakeView();
    view->OnWinnerTree();
    view->OnWinnerStep();
    view->OnWinnerEnd();
    QTemporaryDir dir;
    const QString path = dir.filePath("run.gif");
    SetCurrentPalette(*FindPalette(palette));
    const bool written = bool(ExportRun(view.get(), path, RunExportOptions{}, nullptr));
    SetCurrentPalette(Palettes().front());
    QVERIFY(written);
    QImageReader gif(path);
    QImage last;
    for (QImage frame; gif.read(&frame);)
        last = frame;
    const TreeGeometry g = view->Geometry();
    for (const int64_t node : {int64_t(1), int64_t(2), int64_t(3)}) {
        const CPoint centre = g.Position(node);
        QCOMPARE(Pixel(last, centre.x - g.HalfWidth() / 2, centre.y - g.HalfHeight() + 4), // above the label's cells
                 FindPalette(palette)->marks[std::size_t(view->Mark(node))].fill);
    }
}

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
