// The window at the scale factor of a high-density screen (QT_SCALE_FACTOR,
// set by the test's registration): the layout keeps its proportions, and the
// circuit figure and the text are drawn at the screen's own resolution
// rather than drawn at one device pixel per window pixel and enlarged.

#include "control_table.h"
#include "form1.h"
#include "scripted.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

const QColor kCyan(0, 255, 255);
const QColor kDarkBlue(0, 0, 192);
const QColor kWhite(255, 255, 255);

// The factor the test was started with; 1 when none was set.
double StartedFactor() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// A rectangle of the window in device pixels.
QRect OnDevice(const QRectF& logical, double factor) {
    return QRectF(logical.topLeft() * factor, logical.size() * factor).toAlignedRect();
}

// The bounds of the pixels of one colour (or, with `other`, of any other
// colour) within a part of an image.
QRect BoundsOf(const QImage& image, const QRect& within, const QColor& colour, bool other = false) {
    QRect bounds;
    const QRect part = within & image.rect();
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            if ((image.pixelColor(x, y) == colour) != other) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QString Describe(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class ScalingTest : public QObject {
    Q_OBJECT

  private:
    double factor_ = 1;
    ScriptedRandom random_{QuestionScript(1, 30, 60, 5, 1)};
    FixedClock clock_;
    std::unique_ptr<Form1> form_;
    QImage grabbed_;

  private slots:
    // One window for all checks: current question, pattern 1.
    void initTestCase() {
        factor_ = StartedFactor();
        form_ = std::make_unique<Form1>(random_, clock_);
        form_->show();
        QCoreApplication::processEvents();
        grabbed_ = form_->grab().toImage();
        qInfo("scale factor %g: window of %d x %d device pixels", factor_, grabbed_.width(),
              grabbed_.height());
    }
    void cleanupTestCase() { form_.reset(); }

    // The window is drawn with as many device pixels as the screen has.
    void windowIsDrawnAtTheScreensDensity() {
        QCOMPARE(form_->devicePixelRatio(), factor_);
        QCOMPARE(grabbed_.devicePixelRatio(), factor_);
        QCOMPARE(grabbed_.size(),
                 OnDevice(QRect(QPoint(), control_table::kClientSize), factor_).size());
    }

    // A line across a part of the figure, in window pixels, and the run of
    // figure pixels expected on it: the six passes of each line lie side by
    // side, so every wire and plate is six window pixels thick.
    void figureIsAtItsPlaceOnTheDevice_data() {
        QTest::addColumn<bool>("across"); // true: along x at a fixed y
        QTest::addColumn<int>("fixed");   // the fixed coordinate
        QTest::addColumn<int>("from");    // the scanned stretch, window pixels
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("runFrom"); // the expected run, window pixels
        QTest::addColumn<int>("runTo");   // (one past its end)
        QTest::newRow("left wire") << true << 200 << 40 << 70 << 50 << 56;
        QTest::newRow("right wire") << true << 200 << 540 << 570 << 550 << 556;
        QTest::newRow("top wire between the resistors") << false << 300 << 90 << 120 << 100 << 106;
        QTest::newRow("bottom wire") << false << 400 << 290 << 320 << 300 << 306;
        QTest::newRow("long plate of the cell") << true << 330 << 280 << 305 << 290 << 296;
        QTest::newRow("short plate of the cell") << true << 312 << 302 << 325 << 310 << 316;
    }
    void figureIsAtItsPlaceOnTheDevice() {
        QFETCH(bool, across);
        QFETCH(int, fixed);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, runFrom);
        QFETCH(int, runTo);
        const int deviceFixed = static_cast<int>((fixed + 0.5) * factor_);
        int first = -1;
        int last = -1;
        int count = 0;
        for (int d = static_cast<int>(from * factor_); d < static_cast<int>(to * factor_); ++d) {
            const QPoint at = across ? QPoint(d, deviceFixed) : QPoint(deviceFixed, d);
            if (grabbed_.pixelColor(at) == kCyan) {
                first = first < 0 ? d : first;
                last = d;
                ++count;
            }
        }
        QVERIFY2(count > 0, "no figure pixels on the line");
        QCOMPARE(count, last - first + 1); // one unbroken run
        // Within a device pixel of where the window pixels fall.
        QVERIFY2(std::abs(first - runFrom * factor_) <= 1.0, qPrintable(QString::number(first)));
        QVERIFY2(std::abs(last + 1 - runTo * factor_) <= 1.0, qPrintable(QString::number(last)));
    }

    // Wherever no control lies over it, the figure on the screen is the
    // figure as a painter at the screen's density draws it, device pixel
    // for device pixel.
    void figureMatchesADrawingAtDeviceResolution() {
        QImage expected(grabbed_.size(), QImage::Format_RGB32);
        expected.setDevicePixelRatio(factor_);
        expected.fill(Qt::black);
        {
            QPainter painter(&expected);
            form_->Surface().Paint(painter);
        }
        QRegion covered;
        for (const QWidget* control : form_->findChildren<QWidget*>()) {
            if (control->isVisible()) {
                covered += OnDevice(control->geometry(), factor_).adjusted(-1, -1, 1, 1);
            }
        }
        const QRect figure = OnDevice(QRect(40, 60, 530, 290), factor_);
        int compared = 0;
        for (int y = figure.top(); y <= figure.bottom(); ++y) {
            for (int x = figure.left(); x <= figure.right(); ++x) {
                if (covered.contains(QPoint(x, y))) {
                    continue;
                }
                ++compared;
                const bool shown = grabbed_.pixelColor(x, y) == kCyan;
                const bool drawn = expected.pixelColor(x, y) == kCyan;
                if (shown != drawn) {
                    QFAIL(qPrintable(QStringLiteral("device pixel %1,%2 differs").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(compared > figure.width() * figure.height() / 2);
    }

    // At a whole factor, a window drawn at one device pixel per window pixel
    // and enlarged would be made of uniform blocks of factor x factor device
    // pixels. Drawn at the screen's density, the slanted strokes of the
    // resistors and the curves of the banner's letters cut through blocks.
    void detailIsFinerThanAWindowPixel_data() {
        QTest::addColumn<QRect>("part"); // window pixels
        QTest::newRow("resistor strokes") << QRect(150, 70, 300, 66);
        QTest::newRow("banner letters") << QRect(12, 4, 330, 33);
    }
    void detailIsFinerThanAWindowPixel() {
        QFETCH(QRect, part);
        const int block = static_cast<int>(factor_);
        if (block < 2 || block != factor_) {
            QSKIP("only a whole factor of 2 or more makes blocks");
        }
        const QRect device = OnDevice(part, factor_);
        for (int y = device.top(); y + block <= device.bottom(); y += block) {
            for (int x = device.left(); x + block <= device.right(); x += block) {
                const QRgb corner = grabbed_.pixel(x, y);
                for (int dy = 0; dy < block; ++dy) {
                    for (int dx = 0; dx < block; ++dx) {
                        if (grabbed_.pixel(x + dx, y + dy) != corner) {
                            return;
                        }
                    }
                }
            }
        }
        QFAIL("every block of device pixels is uniform: the part was enlarged");
    }

    // Controls keep their places and sizes in proportion: what a control
    // paints lies on its rectangle scaled by the factor, to within its frame.
    void controlsKeepTheirProportions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("frame"); // window pixels of border the colour may leave
        QTest::newRow("banner, dark blue") << "Label1" << kDarkBlue << 1;
        QTest::newRow("entry box, white") << "Text7" << kWhite << 3;
        QTest::newRow("score box, white") << "Text12" << kWhite << 3;
    }
    void controlsKeepTheirProportions() {
        QFETCH(QString, control);
        QFETCH(QColor, colour);
        QFETCH(int, frame);
        const QWidget* widget = form_->findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        const QRect place = OnDevice(widget->geometry(), factor_);
        // Looked for a little beyond the rectangle: far enough to see a
        // control that has grown, near enough to miss its neighbours.
        const int beyond = static_cast<int>(std::ceil(2 * factor_));
        const QRect painted =
            BoundsOf(grabbed_, place.adjusted(-beyond, -beyond, beyond, beyond), colour);
        const int margin = static_cast<int>(std::ceil(frame * factor_));
        const QString found = Describe(painted) + QStringLiteral(" in ") + Describe(place);
        QVERIFY2(place.contains(painted), qPrintable(found));
        QVERIFY2(painted.contains(place.adjusted(margin, margin, -margin, -margin)),
                 qPrintable(found));
    }

    // Text is laid out at the fonts' pixel sizes times the factor: the
    // banner's letters cover as much of the device, within the soft edge of
    // their outline, as the font at that size makes them cover.
    void textScalesWithTheLayout() {
        const QWidget* banner = form_->findChild<QWidget*>(QStringLiteral("Label1"));
        const QRect place = OnDevice(banner->geometry(), factor_);
        const int border = static_cast<int>(std::ceil(2 * factor_));
        const QRect letters =
            BoundsOf(grabbed_, place.adjusted(border, border, -border, -border), kDarkBlue, true);
        QFont font = banner->font();
        font.setPixelSize(qRound(font.pixelSize() * factor_));
        const QRect ink =
            QFontMetrics(font).tightBoundingRect(QStringLiteral("電流・電圧・抵抗の練習"));
        const QString found = Describe(letters) + QStringLiteral(" ink ") + Describe(ink);
        // Letters are placed at whole window pixels, so at a fractional
        // factor a line of them may come out a little narrower or wider.
        const auto near = [](int measured, int expected) {
            return std::abs(measured - expected) <= 2 + expected / 100;
        };
        QVERIFY2(near(letters.height(), ink.height()), qPrintable(found));
        QVERIFY2(near(letters.width(), ink.width()), qPrintable(found));
    }
};

QTEST_MAIN(ScalingTest)
#include "test_scaling.moc"
