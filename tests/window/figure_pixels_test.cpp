// The circuit figure in the pixels of the real window: light cyan bands six
// pixels thick where the six passes lie side by side, nothing between the
// plates of the cell, nothing outside the figure, and no control over it.

#include "circuit_figure.h"
#include "figure_pixels.h"
#include "form_harness.h"

#include <QTest>

class FigurePixelsTest : public QObject {
    Q_OBJECT

  private slots:
    void elementIsLitAndEdged_data();
    void elementIsLitAndEdged();
    void gapBetweenPlatesStaysEmpty();
    void figureStaysInsideItsBoundsInOneColour();
    void noControlCoversTheFigure();
    void drawingTwiceChangesNoPixel();
    void clsEmptiesTheSurface();
    void figureIsTheSameForEveryQuestion();
    void figureOutlastsMinimisingAndCovering();
};

void FigurePixelsTest::elementIsLitAndEdged_data() {
    QTest::addColumn<QRect>("lit");
    QTest::addColumn<QList<QPoint>>("dark");

    // Wires: bands six pixels thick, rows 100-105 and 300-305, columns 50-55
    // and 550-555, with the background on either side.
    QTest::newRow("top wire, left of the first resistor")
        << QRect(60, 100, 80, 6) << QList<QPoint>{{100, 99}, {100, 106}};
    QTest::newRow("top wire between the resistors")
        << QRect(280, 100, 40, 6) << QList<QPoint>{{300, 99}, {300, 106}};
    QTest::newRow("top wire, right of the second resistor")
        << QRect(460, 100, 80, 6) << QList<QPoint>{{500, 99}, {500, 106}};
    QTest::newRow("left wire") << QRect(50, 110, 6, 180) << QList<QPoint>{{49, 200}, {56, 200}};
    QTest::newRow("right wire") << QRect(550, 110, 6, 180) << QList<QPoint>{{549, 200}, {556, 200}};
    QTest::newRow("bottom wire, left of the cell")
        << QRect(60, 300, 220, 6) << QList<QPoint>{{150, 299}, {150, 306}};
    QTest::newRow("bottom wire, right of the cell")
        << QRect(320, 300, 220, 6) << QList<QPoint>{{400, 299}, {400, 306}};
    QTest::newRow("top-left corner") << QRect(50, 100, 6, 6) << QList<QPoint>{{49, 100}, {50, 99}};
    QTest::newRow("bottom-right corner")
        << QRect(550, 300, 6, 6) << QList<QPoint>{{556, 305}, {555, 306}};

    // The cell: a long plate (rows 270-336) left, a short one (290-316) right.
    QTest::newRow("long plate of the cell")
        << QRect(290, 270, 6, 67) << QList<QPoint>{{289, 280}, {296, 280}, {292, 269}, {292, 337}};
    QTest::newRow("short plate of the cell")
        << QRect(310, 290, 6, 27) << QList<QPoint>{{309, 293}, {316, 293}, {312, 289}, {312, 317}};

    // The zigzags: peaks at y = 70, the top of the figure, and troughs whose
    // lowest pass reaches y = 135.
    for (const int x : {160, 200, 240, 340, 380, 420}) {
        QTest::addRow("zigzag peak at x = %d", x) << QRect(x, 70, 1, 6) << QList<QPoint>{{x, 69}};
    }
    for (const int x : {180, 220, 260, 360, 400, 440}) {
        QTest::addRow("zigzag trough at x = %d", x)
            << QRect(x, 130, 1, 6) << QList<QPoint>{{x, 136}};
    }
}

// Read in the window as it shows after the first question, all controls in
// their places.
void FigurePixelsTest::elementIsLitAndEdged() {
    QFETCH(QRect, lit);
    QFETCH(QList<QPoint>, dark);
    FormHarness harness(QuestionScript(2, 30, 60, 5, 4));
    harness.Start();
    const QImage window = WindowImage(harness.form);

    for (int y = lit.top(); y <= lit.bottom(); ++y) {
        for (int x = lit.left(); x <= lit.right(); ++x) {
            QVERIFY2(IsLit(window, x, y),
                     qPrintable(QStringLiteral("(%1, %2) is not light cyan").arg(x).arg(y)));
        }
    }
    for (const QPoint& point : dark) {
        QVERIFY2(
            window.pixelColor(point) == kBackground,
            qPrintable(QStringLiteral("(%1, %2) is not background").arg(point.x()).arg(point.y())));
    }
}

void FigurePixelsTest::gapBetweenPlatesStaysEmpty() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    const QImage window = WindowImage(harness.form);
    // Columns 296 to 309 on the bottom wire's rows.
    const PixelCount onWireRows = CountPixels(window, QRect(296, 300, 14, 6));
    QCOMPARE(onWireRows.lit, 0);
    QCOMPARE(onWireRows.foreign, 0);
    // Nor does anything of the figure stand between the plates above or
    // below the wire.
    QCOMPARE(CountPixels(SurfaceImage(harness.form.Surface()), QRect(296, 260, 14, 90)).lit, 0);
}

// Every lit pixel lies within x 50..555 and y 70..336, and the figure has
// one colour: solid lines without blending.
void FigurePixelsTest::figureStaysInsideItsBoundsInOneColour() {
    FormHarness harness(QuestionScript(3, 60, 90, 5, 4));
    harness.Start();
    const QImage surface = SurfaceImage(harness.form.Surface());
    QCOMPARE(LitBounds(surface), QRect(QPoint(50, 70), QPoint(555, 336)));
    QCOMPARE(CountPixels(surface, surface.rect()).foreign, 0);
}

// Every pixel the figure lights is still light cyan in the window, with
// every label and value box shown: none of them lies over a line.
void FigurePixelsTest::noControlCoversTheFigure() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    for (QWidget* control : harness.form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->show();
    }
    const QImage surface = SurfaceImage(harness.form.Surface());
    const QImage window = WindowImage(harness.form);
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            if (IsLit(surface, x, y)) {
                QVERIFY2(
                    IsLit(window, x, y),
                    qPrintable(
                        QStringLiteral("a control covers the figure at (%1, %2)").arg(x).arg(y)));
            }
        }
    }
}

// Drawing the figure again over itself, as making a question without
// clearing does, leaves every pixel as it was.
void FigurePixelsTest::drawingTwiceChangesNoPixel() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    const QImage once = WindowImage(harness.form);
    const QImage surfaceOnce = SurfaceImage(harness.form.Surface());

    DrawingSurface twice;
    circuit_figure::Draw(twice);
    circuit_figure::Draw(twice);
    QCOMPARE(SurfaceImage(twice), surfaceOnce);

    // The window's own activation drawn a second time: same question script,
    // same picture, controls included.
    for (const double u : QuestionScript(1, 30, 60, 5, 2)) {
        harness.random.Append({u});
    }
    harness.form.Form_Activate();
    QCOMPARE(SurfaceImage(harness.form.Surface()), surfaceOnce);
    QCOMPARE(WindowImage(harness.form), once);
}

void FigurePixelsTest::clsEmptiesTheSurface() {
    DrawingSurface surface;
    circuit_figure::Draw(surface);
    QVERIFY(CountPixels(SurfaceImage(surface), QRect(0, 0, 792, 573)).lit > 0);
    surface.Cls();
    QVERIFY(surface.IsEmpty());
    const PixelCount cleared = CountPixels(SurfaceImage(surface), QRect(0, 0, 792, 573));
    QCOMPARE(cleared.lit, 0);
    QCOMPARE(cleared.foreign, 0);
}

// The next button clears the surface and the next question draws the same
// figure, whatever its values.
void FigurePixelsTest::figureIsTheSameForEveryQuestion() {
    FormHarness harness(
        Questions({QuestionScript(1, 10, 90, 1, 1), QuestionScript(3, 90, 10, 10, 5)}));
    harness.Start();
    const QImage first = SurfaceImage(harness.form.Surface());
    harness.Click(QStringLiteral("Command5"));
    QCOMPARE(harness.form.State().R1, 90.0f);
    QCOMPARE(SurfaceImage(harness.form.Surface()), first);
}

// The window keeps the figure: minimised and restored, covered by another
// window and uncovered, and repainted, it shows the same figure.
void FigurePixelsTest::figureOutlastsMinimisingAndCovering() {
    FormHarness harness(QuestionScript(1, 30, 60, 5, 2));
    harness.Start();
    const QImage shown = WindowImage(harness.form);

    harness.form.showMinimized();
    QCoreApplication::processEvents();
    harness.form.showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(WindowImage(harness.form), shown);

    {
        QWidget cover;
        cover.setGeometry(harness.form.geometry());
        cover.show();
        QCoreApplication::processEvents();
    }
    harness.form.activateWindow();
    harness.form.repaint();
    QCoreApplication::processEvents();
    QCOMPARE(WindowImage(harness.form), shown);
}

QTEST_MAIN(FigurePixelsTest)
#include "figure_pixels_test.moc"
