// The program's resources as the desktop sees them: the icon's images at each
// size, the Windows icon group of the three classic images, the icon every
// window carries, and the desktop entry the program names as its own.

#include "program_identity.h"
#include "program_names.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace {

const QString kIconDir = QStringLiteral(OHM_DRILL_ICON_DIR);
const QString kPackagingDir = QStringLiteral(OHM_DRILL_PACKAGING_DIR);

QImage IconImage(int size) {
    return QImage(QStringLiteral(":/icons/ohm-drill-%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

// The colours of the standard 16-colour palette, the only ones a classic
// 16-colour image may use.
QSet<QRgb> StandardSixteenColours() {
    QSet<QRgb> colours;
    for (const int r : {0x00, 0x80, 0xFF}) {
        for (const int g : {0x00, 0x80, 0xFF}) {
            for (const int b : {0x00, 0x80, 0xFF}) {
                const bool bright = r == 0xFF || g == 0xFF || b == 0xFF;
                const bool dark = r == 0x80 || g == 0x80 || b == 0x80;
                if (!(bright && dark)) {
                    colours.insert(qRgb(r, g, b));
                }
            }
        }
    }
    colours.insert(qRgb(0xC0, 0xC0, 0xC0));
    return colours;
}

QSet<QRgb> OpaqueColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255) {
                colours.insert(image.pixel(x, y));
            }
        }
    }
    return colours;
}

bool EveryPixelOpaqueOrClear(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            if (alpha != 0 && alpha != 255) {
                return false;
            }
        }
    }
    return true;
}

// Images compare premultiplied, so that a transparent pixel is transparent
// whatever colour it nominally has.
QImage Comparable(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The value of `key` in the main group of a desktop entry file.
QString DesktopEntryValue(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QString prefix = key + u'=';
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size());
        }
    }
    return {};
}

// One image of the Windows icon group as its directory entry describes it.
struct IconGroupEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int bitsPerPixel = 0;
};

QList<IconGroupEntry> ReadIconGroupDirectory(const QByteArray& file) {
    const auto word = [&file](int at) {
        return int(uchar(file[at])) | int(uchar(file[at + 1])) << 8;
    };
    QList<IconGroupEntry> entries;
    const int count = word(4);
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 16 * i;
        entries.append({uchar(file[at]), uchar(file[at + 1]), uchar(file[at + 2]), word(at + 6)});
    }
    return entries;
}

QImage IconGroupImage(int index) {
    QImageReader reader(kIconDir + QStringLiteral("/ohm-drill.ico"), "ico");
    reader.jumpToImage(index);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class ProgramResourcesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void iconImageIsAPlainEmptyWindow_data();
    void iconImageIsAPlainEmptyWindow();
    void classicImagesKeepToSixteenColours_data();
    void classicImagesKeepToSixteenColours();
    void programIconHoldsEverySizeAsDrawn_data();
    void programIconHoldsEverySizeAsDrawn();
    void everyWindowCarriesTheProgramIcon();
    void iconGroupHoldsTheThreeClassicImages();
    void iconGroupImagesMatchTheirPixelArt_data();
    void iconGroupImagesMatchTheirPixelArt();
    void desktopEntryIsTheOneTheProgramNames();
};

void ProgramResourcesTest::initTestCase() {
    program_identity::Apply();
}

void ProgramResourcesTest::iconImageIsAPlainEmptyWindow_data() {
    QTest::addColumn<int>("size");
    for (const int size : program_names::kIconSizes) {
        QTest::addRow("%d px", size) << size;
    }
}

// Each image is a window on a transparent ground: the corners show through,
// and the middle is the window's empty white client area.
void ProgramResourcesTest::iconImageIsAPlainEmptyWindow() {
    QFETCH(int, size);
    const QImage image = IconImage(size);
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    QCOMPARE(image.pixel(size / 2, size / 2), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(size / 2, size * 3 / 4), qRgb(255, 255, 255));
}

void ProgramResourcesTest::classicImagesKeepToSixteenColours_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("16 x 16") << 16;
    QTest::newRow("32 x 32") << 32;
}

// The classic images use only the standard 16 colours, and each pixel is
// either fully opaque or fully transparent, as an icon mask allows.
void ProgramResourcesTest::classicImagesKeepToSixteenColours() {
    QFETCH(int, size);
    const QImage image = IconImage(size);
    QVERIFY(StandardSixteenColours().contains(OpaqueColours(image)));
    QVERIFY(EveryPixelOpaqueOrClear(image));
}

void ProgramResourcesTest::programIconHoldsEverySizeAsDrawn_data() {
    iconImageIsAPlainEmptyWindow_data();
}

// At each of its sizes the icon gives the image drawn for that size, not one
// scaled from another.
void ProgramResourcesTest::programIconHoldsEverySizeAsDrawn() {
    QFETCH(int, size);
    const QIcon icon = program_identity::ProgramIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    QCOMPARE(Comparable(icon.pixmap(QSize(size, size), 1.0).toImage()),
             Comparable(IconImage(size)));
}

void ProgramResourcesTest::everyWindowCarriesTheProgramIcon() {
    const QWidget window;
    QCOMPARE(window.windowIcon().availableSizes(), program_identity::WindowIcon().availableSizes());
    QCOMPARE(window.windowIcon().availableSizes(),
             (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    QCOMPARE(Comparable(window.windowIcon().pixmap(QSize(32, 32), 1.0).toImage()),
             Comparable(IconImage(32)));
}

// The group holds the three classic images, each at its own colour depth, in
// the order 32 x 32 in 2 colours, 32 x 32 in 16 colours, 16 x 16 in 16 colours.
void ProgramResourcesTest::iconGroupHoldsTheThreeClassicImages() {
    QFile file(kIconDir + QStringLiteral("/ohm-drill.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<IconGroupEntry> entries = ReadIconGroupDirectory(file.readAll());
    QCOMPARE(entries.size(), 3);
    const IconGroupEntry expected[] = {{32, 32, 2, 1}, {32, 32, 16, 4}, {16, 16, 16, 4}};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(entries[i].width, expected[i].width);
        QCOMPARE(entries[i].height, expected[i].height);
        QCOMPARE(entries[i].colourCount, expected[i].colourCount);
        QCOMPARE(entries[i].bitsPerPixel, expected[i].bitsPerPixel);
    }
}

void ProgramResourcesTest::iconGroupImagesMatchTheirPixelArt_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("blackAndWhite");
    QTest::newRow("32 x 32 in 2 colours") << 0 << 32 << true;
    QTest::newRow("32 x 32 in 16 colours") << 1 << 32 << false;
    QTest::newRow("16 x 16 in 16 colours") << 2 << 16 << false;
}

// The 16-colour images of the group are the PNG images pixel for pixel; the
// 2-colour image is the same window shape in black and white.
void ProgramResourcesTest::iconGroupImagesMatchTheirPixelArt() {
    QFETCH(int, index);
    QFETCH(int, size);
    QFETCH(bool, blackAndWhite);
    const QImage image = IconGroupImage(index);
    QCOMPARE(image.size(), QSize(size, size));
    if (!blackAndWhite) {
        QCOMPARE(Comparable(image), Comparable(IconImage(size)));
        return;
    }
    QCOMPARE(image.createAlphaMask(), IconImage(size).createAlphaMask());
    QVERIFY(EveryPixelOpaqueOrClear(image));
    const QSet<QRgb> blackWhite = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QVERIFY(blackWhite.contains(OpaqueColours(image)));
}

// The desktop finds the program's entry, and through it the icon in the
// theme, by the desktop file name the program gives; the entry runs this
// program under its application name.
void ProgramResourcesTest::desktopEntryIsTheOneTheProgramNames() {
    const QString path =
        kPackagingDir + u'/' + QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const auto value = [&path](const char* key) {
        return DesktopEntryValue(path, QString::fromLatin1(key));
    };
    QCOMPARE(value("Icon"), QGuiApplication::desktopFileName());
    QCOMPARE(value("Exec"), QCoreApplication::applicationName());
    QCOMPARE(value("StartupWMClass"), QCoreApplication::applicationName());
}

QTEST_MAIN(ProgramResourcesTest)
#include "program_resources_test.moc"
