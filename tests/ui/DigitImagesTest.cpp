// The digit images compiled into the program: sizes, masks, colours and where the ink lies.
#include <QImage>
#include <QTest>
#include <set>

#include "tests/ui/UiTestSupport.h"
#include "ui/ImageList.h"

namespace orvandel::test {

namespace {

struct InkBox {
    int Top = 99, Bottom = -1, Pixels = 0;
};

InkBox FindInk(const QImage& image) {
    InkBox box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                box.Top = std::min(box.Top, y);
                box.Bottom = std::max(box.Bottom, y);
                ++box.Pixels;
            }
        }
    }
    return box;
}

QImage Argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class DigitImagesTest : public QObject {
    Q_OBJECT
  private slots:
    // Every pixel is either fully transparent or fully opaque ink of the list's colour, and the
    // black and red images of an index share one mask.
    void masksAndColours() {
        const TImageList black(QStringLiteral("black"));
        const TImageList red(QStringLiteral("red"));
        for (int i = 0; i < TImageList::Count; ++i) {
            const QImage b = Argb(black.Image(i));
            const QImage r = Argb(red.Image(i));
            QCOMPARE(b.size(), QSize(10, 16));
            QCOMPARE(r.size(), QSize(10, 16));
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 10; ++x) {
                    const QRgb pb = b.pixel(x, y);
                    const QRgb pr = r.pixel(x, y);
                    QCOMPARE(qAlpha(pb), qAlpha(pr));
                    if (qAlpha(pb) == 0) {
                        continue;
                    }
                    QCOMPARE(qAlpha(pb), 255);
                    QCOMPARE(pb, qRgb(0, 0, 0));
                    QCOMPARE(pr, qRgb(255, 0, 0));
                }
            }
        }
    }

    void inkRows_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("zero: small diamond") << 0 << 7 << 10;
        for (int digit : {1, 2, 3, 4, 6, 7, 8, 9}) {
            QTest::addRow("%d: full height", digit) << digit << 2 << 12;
        }
        QTest::newRow("five: shorter") << 5 << 4 << 11;
        QTest::newRow("colon") << 10 << 5 << 12;
        QTest::newRow("minus sign") << 11 << 7 << 8;
    }
    void inkRows() {
        QFETCH(int, index);
        QFETCH(int, top);
        QFETCH(int, bottom);
        const TImageList black(QStringLiteral("black"));
        const InkBox box = FindInk(Argb(black.Image(index)));
        QCOMPARE(box.Top, top);
        QCOMPARE(box.Bottom, bottom);
    }

    void colonIsTwoDotsInColumnFour() {
        const TImageList black(QStringLiteral("black"));
        const QImage colon = Argb(black.Image(10));
        std::set<std::pair<int, int>> ink;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 10; ++x) {
                if (qAlpha(colon.pixel(x, y)) != 0) {
                    ink.insert({x, y});
                }
            }
        }
        const std::set<std::pair<int, int>> expected{{4, 5}, {4, 6}, {4, 11}, {4, 12}};
        QVERIFY(ink == expected);
    }
};

ORVANDEL_UI_TEST(DigitImagesTest);

}  // namespace orvandel::test

#include "DigitImagesTest.moc"
