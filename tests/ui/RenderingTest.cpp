// Pixels of the grabbed window: the red current-day row in both grids, the grey Hijri line,
// the digit images where they belong, and the date column changing sides with
// "Right-to-left".
#include <QCheckBox>
#include <QImage>
#include <cstdlib>

#include "tests/ui/UiTestSupport.h"
#include "ui/Colors.h"
#include "ui/DrawGrid.h"

namespace orvandel::test {

namespace {

const QRgb Background = qRgb(0xEF, 0xEB, 0xDE);

bool IsPureRed(QRgb p) {
    return qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0;
}
// Text drawn in red, antialiased over the background.
bool IsReddish(QRgb p) {
    return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110;
}

// A rectangle of a grid cell in window coordinates.
QRect InWindow(const TForm1& form, const TDrawGrid* grid, const QRect& rect) {
    return QRect(grid->mapTo(&form, rect.topLeft()), rect.size());
}

int Count(const QImage& image, const QRect& area, bool (*match)(QRgb)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += match(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

// The columns [first, last] that hold anything but the background, or {-1, -1}.
std::pair<int, int> InkColumns(const QImage& image, const QRect& area) {
    int first = -1, last = -1;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.pixel(x, y) != Background) {
                if (first < 0) {
                    first = x;
                }
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

QImage Grab(TForm1& form) {
    QCoreApplication::processEvents();
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class RenderingTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { SetClockOverride(std::nullopt); }

    void currentDayIsRedInBothGrids() {
        const auto form = ShowForm();
        const QImage image = Grab(*form);
        for (int row = 1; row <= 7; ++row) {
            const bool current = row == form->CurrentDayRow;
            for (int col = 0; col < 6; ++col) {
                const QRect cell = InWindow(*form, form->Grid, form->Grid->CellRect(col, row));
                const QRect images = cell.adjusted(0, 0, 0, -(cell.height() - 17));
                const QRect latin = cell.adjusted(0, 17, 0, 0);
                QCOMPARE(Count(image, images, IsPureRed) > 0, current);
                QCOMPARE(Count(image, latin, IsReddish) > 0, current);
            }
            const QRect date = InWindow(*form, form->ColCities, form->ColCities->CellRect(0, row));
            const QRect civil = date.adjusted(0, 0, 0, -(date.height() - 16));
            const QRect hijri = date.adjusted(0, 16, 0, 0);
            QCOMPARE(Count(image, civil, IsReddish) > 0, current);
            // The Hijri line stays grey on every row, the current one included.
            QCOMPARE(Count(image, hijri, IsReddish), 0);
            // Its darkest pixel is the grey text colour (full coverage), not black.
            const QColor grey = GrayTextColor(form->palette());
            QRgb darkest = Background;
            for (int y = hijri.top(); y <= hijri.bottom(); ++y) {
                for (int x = hijri.left(); x <= hijri.right(); ++x) {
                    if (qGray(image.pixel(x, y)) < qGray(darkest)) {
                        darkest = image.pixel(x, y);
                    }
                }
            }
            const bool greyInk = std::abs(qRed(darkest) - grey.red()) <= 30 &&
                                 std::abs(qGreen(darkest) - grey.green()) <= 30 &&
                                 std::abs(qBlue(darkest) - grey.blue()) <= 30;
            QVERIFY2(greyInk, qPrintable(QStringLiteral("row %1: darkest Hijri pixel %2")
                                             .arg(row)
                                             .arg(QColor(darkest).name())));
        }
    }

    // Every character of a cell's text takes a 10-pixel slot; the last slot ends 20 pixels
    // before the column's right edge; a digit's slot holds exactly its image over the
    // background and a blank's slot stays empty.
    void digitImagesPlacedAsStated_data() {
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("right to left") << true;
        QTest::newRow("left to right") << false;
    }
    void digitImagesPlacedAsStated() {
        QFETCH(bool, rightToLeft);
        const auto form = ShowForm();
        form->cbRightToLeft->setChecked(rightToLeft);
        const QImage image = Grab(*form);
        const int W = form->Grid->DefaultColWidth();
        for (int row = 1; row <= 7; ++row) {
            const TImageList& images =
                row == form->CurrentDayRow ? form->imgArabicNumbers_RED : form->imgArabicNumbers;
            for (int col = 0; col < 6; ++col) {
                const QRect cell = InWindow(*form, form->Grid, form->Grid->CellRect(col, row));
                const QString text = form->Grid->Cell(col, row);
                QVERIFY(!text.isEmpty());
                // Nothing right of the image run in the upper part of the cell.
                const QRect right(cell.left() + W - 20, cell.top(), 20, 17);
                QCOMPARE(InkColumns(image, right).first, -1);
                int x = cell.left() + W - 20;
                for (qsizetype k = text.size() - 1; k >= 0; --k) {
                    x -= 10;
                    const int index = text[k].unicode() - u'0';
                    const QImage glyph =
                        index >= 0 && index <= 10
                            ? images.Image(index).toImage().convertToFormat(QImage::Format_ARGB32)
                            : QImage();
                    for (int gy = 0; gy < 16; ++gy) {
                        for (int gx = 0; gx < 10; ++gx) {
                            const QRgb g = glyph.isNull() ? 0 : glyph.pixel(gx, gy);
                            const QRgb expected = qAlpha(g) == 255 ? (g | 0xFF000000) : Background;
                            if (image.pixel(x + gx, cell.top() + 2 + gy) != expected) {
                                QFAIL(qPrintable(QStringLiteral("cell (%1, %2) \"%3\": pixel %4,%5 "
                                                                "of character %6 differs")
                                                     .arg(col)
                                                     .arg(row)
                                                     .arg(text)
                                                     .arg(gx)
                                                     .arg(gy)
                                                     .arg(k)));
                            }
                        }
                    }
                }
                // The Latin line ends where the images end.
                const QRect latin = cell.adjusted(0, 17, 0, 0);
                const int lastInk = InkColumns(image, latin).second;
                QVERIFY2(lastInk <= cell.left() + W - 21 && lastInk >= cell.left() + W - 24,
                         qPrintable(QStringLiteral("Latin text of cell (%1, %2) ends at %3")
                                        .arg(col)
                                        .arg(row)
                                        .arg(lastInk - cell.left())));
            }
        }
    }

    void headerOfTheDateColumnIsEmpty() {
        const auto form = ShowForm();
        const QImage image = Grab(*form);
        const QRect header = InWindow(*form, form->ColCities, form->ColCities->CellRect(0, 0));
        QCOMPARE(InkColumns(image, header).first, -1);
    }

    // Right to left: the column stands right of the grid and the dates start 5 pixels into it.
    // Left to right: it stands left and the dates end 10 pixels before its right edge. One
    // pixel of tolerance for antialiasing, two more for a glyph's side bearing.
    void dateColumnChangesSides() {
        const auto form = ShowForm();
        const int C = form->ColCities->DefaultColWidth();
        for (bool rightToLeft : {true, false, true}) {
            form->cbRightToLeft->setChecked(rightToLeft);
            QCOMPARE(form->DateColumnOnRight(), rightToLeft);
            QCOMPARE(form->ColCities->x() > form->Grid->x(), rightToLeft);
            QCOMPARE(form->Grid->Cell(0, 0),
                     rightToLeft ? QStringLiteral(" Isha") : QStringLiteral(" Fajr"));
            const QImage image = Grab(*form);
            for (int row = 1; row <= 7; ++row) {
                const QRect cell =
                    InWindow(*form, form->ColCities, form->ColCities->CellRect(0, row));
                const auto [first, last] = InkColumns(image, cell.adjusted(0, 0, 0, -20));
                QVERIFY(first >= 0);
                if (rightToLeft) {
                    QVERIFY2(first - cell.left() >= 4 && first - cell.left() <= 7,
                             qPrintable(QString::number(first - cell.left())));
                } else {
                    QVERIFY2(last - cell.left() <= C - 10 && last - cell.left() >= C - 13,
                             qPrintable(QString::number(last - cell.left())));
                }
            }
        }
    }
};

ORVANDEL_UI_TEST(RenderingTest);

}  // namespace orvandel::test

#include "RenderingTest.moc"
