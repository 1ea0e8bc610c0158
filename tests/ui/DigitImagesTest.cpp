// The digit images compiled into the program: what a reader of the table would see go wrong if
// one were damaged, swapped for another or drawn in the wrong colour.
#include <QImage>
#include <QTest>
#include <map>

#include "tests/ui/UiTestSupport.h"
#include "ui/ImageList.h"

namespace orvandel::test {

class DigitImagesTest : public QObject {
    Q_OBJECT
  private slots:
    // Every pixel is either fully transparent or fully opaque ink of the list's colour; the
    // black and red images of an index share one mask, which no other index has; the ink lies
    // in rows 2 to 12 of the cell, clear of the Latin line drawn below the images.
    void masksColoursAndInk() {
        const TImageList black(QStringLiteral("black"));
        const TImageList red(QStringLiteral("red"));
        std::map<QByteArray, int> masks;  // mask -> the index that has it
        for (int i = 0; i < TImageList::Count; ++i) {
            const QImage b = black.Image(i).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage r = red.Image(i).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(b.size(), QSize(TImageList::Width, TImageList::Height));
            QCOMPARE(r.size(), b.size());
            QByteArray mask;
            for (int y = 0; y < b.height(); ++y) {
                for (int x = 0; x < b.width(); ++x) {
                    const QRgb pb = b.pixel(x, y);
                    const QRgb pr = r.pixel(x, y);
                    QCOMPARE(qAlpha(pb), qAlpha(pr));
                    mask.append(qAlpha(pb) == 0 ? '.' : '#');
                    if (qAlpha(pb) == 0) {
                        continue;
                    }
                    QVERIFY2(y >= 2 && y <= 12,
                             qPrintable(QStringLiteral("image %1 row %2").arg(i).arg(y)));
                    QCOMPARE(pb, qRgb(0, 0, 0));
                    QCOMPARE(pr, qRgb(255, 0, 0));
                }
            }
            QVERIFY2(mask.contains('#'), qPrintable(QStringLiteral("image %1 is blank").arg(i)));
            const auto [same, added] = masks.emplace(mask, i);
            QVERIFY2(added,
                     qPrintable(
                         QStringLiteral("images %1 and %2 are the same").arg(same->second).arg(i)));
        }
    }
};

ORVANDEL_UI_TEST(DigitImagesTest);

}  // namespace orvandel::test

#include "DigitImagesTest.moc"
