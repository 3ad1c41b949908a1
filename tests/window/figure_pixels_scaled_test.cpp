// The circuit figure on a screen with two device pixels to the window pixel:
// drawn at the screen's own resolution, crisp, each window pixel of a band
// two device pixels wide, and the sloped strokes of the resistors not merely
// enlarged from a drawing at window resolution.

#include "figure_pixels.h"
#include "form_harness.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr int kScale = 2;

} // namespace

class FigurePixelsScaledTest : public QObject {
    Q_OBJECT

  private slots:
    void windowDrawsAtTwoDevicePixels();
    void bandCoversTheDevicePixelsOfItsWindowPixels_data();
    void bandCoversTheDevicePixelsOfItsWindowPixels();
    void figureStaysInsideItsBoundsInOneColour();
    void slopedStrokesAreDrawnAtDeviceResolution();
};

void FigurePixelsScaledTest::windowDrawsAtTwoDevicePixels() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    QCOMPARE(harness.form.devicePixelRatio(), qreal(kScale));
    QCOMPARE(harness.form.size(), QSize(792, 573));
    QCOMPARE(WindowImage(harness.form).size(), QSize(792 * kScale, 573 * kScale));
}

void FigurePixelsScaledTest::bandCoversTheDevicePixelsOfItsWindowPixels_data() {
    QTest::addColumn<QRect>("lit");          // device pixels
    QTest::addColumn<QList<QPoint>>("dark"); // device pixels
    // Window columns 50-55 are device columns 100-111, and so on.
    QTest::newRow("left wire, device columns 100-111")
        << QRect(100, 300, 12, 200) << QList<QPoint>{{99, 400}, {112, 400}};
    QTest::newRow("right wire, device columns 1100-1111")
        << QRect(1100, 300, 12, 200) << QList<QPoint>{{1099, 400}, {1112, 400}};
    QTest::newRow("top wire, device rows 200-211")
        << QRect(120, 200, 160, 12) << QList<QPoint>{{200, 199}, {200, 212}};
    QTest::newRow("bottom wire, device rows 600-611")
        << QRect(120, 600, 440, 12) << QList<QPoint>{{300, 599}, {300, 612}};
    QTest::newRow("long plate, device columns 580-591, rows 540-673")
        << QRect(580, 540, 12, 134)
        << QList<QPoint>{{579, 560}, {592, 560}, {585, 539}, {585, 674}};
    QTest::newRow("short plate, device columns 620-631, rows 580-633")
        << QRect(620, 580, 12, 54) << QList<QPoint>{{619, 585}, {632, 585}, {625, 579}, {625, 634}};
    QTest::newRow("gap between the plates, device columns 592-619")
        << QRect() << QList<QPoint>{{592, 600}, {605, 605}, {619, 611}};
}

void FigurePixelsScaledTest::bandCoversTheDevicePixelsOfItsWindowPixels() {
    QFETCH(QRect, lit);
    QFETCH(QList<QPoint>, dark);
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    const QImage window = WindowImage(harness.form);
    if (!lit.isNull()) {
        const PixelCount count = CountPixels(window, lit);
        QCOMPARE(count.lit, lit.width() * lit.height());
    }
    for (const QPoint& point : dark) {
        QVERIFY2(window.pixelColor(point) == kBackground,
                 qPrintable(QStringLiteral("device pixel (%1, %2) is not background")
                                .arg(point.x())
                                .arg(point.y())));
    }
}

void FigurePixelsScaledTest::figureStaysInsideItsBoundsInOneColour() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    const QImage surface = SurfaceImage(harness.form.Surface(), kScale);
    // Window pixels x 50..555, y 70..336 are device pixels 100..1111, 140..673.
    QCOMPARE(LitBounds(surface), QRect(QPoint(100, 140), QPoint(1111, 673)));
    QCOMPARE(CountPixels(surface, surface.rect()).foreign, 0);
}

// An enlarged drawing lights whole 2 x 2 blocks of device pixels; a drawing
// at device resolution lets the edge of a sloped stroke run through a block.
void FigurePixelsScaledTest::slopedStrokesAreDrawnAtDeviceResolution() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    const QImage window = WindowImage(harness.form);
    // The strokes of the first resistor, clear of its wires' bands: window
    // x 152..268, y 72..98 and 106..134.
    int splitBlocks = 0;
    for (const QRect& area :
         {QRect(QPoint(304, 144), QPoint(535, 195)), QRect(QPoint(304, 212), QPoint(535, 267))}) {
        for (int y = area.top(); y < area.bottom(); y += kScale) {
            for (int x = area.left(); x < area.right(); x += kScale) {
                const int lit = IsLit(window, x, y) + IsLit(window, x + 1, y) +
                                IsLit(window, x, y + 1) + IsLit(window, x + 1, y + 1);
                splitBlocks += lit > 0 && lit < 4;
            }
        }
    }
    QVERIFY2(splitBlocks > 0, "the sloped strokes are window pixels enlarged");
}

int main(int argc, char* argv[]) {
    // Before the application exists, as a user's environment would set it.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    FigurePixelsScaledTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "figure_pixels_scaled_test.moc"
