// Pixels of the grabbed window: the red current-day row in both grids, the grey Hijri line or
// the note that a day has none, the digit images where they belong (a minus sign included), the
// date column changing sides with "Right-to-left", and readable text under a dark desktop
// palette or style sheet.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "tests/ui/UiTestSupport.h"
#include "timetable/CityCatalogue.h"
#include "ui/CityList.h"
#include "ui/Colors.h"
#include "ui/DateField.h"
#include "ui/DrawGrid.h"
#include "ui/NumericField.h"
#include "ui/RadioGroup.h"

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

// The contrast ratio of the text in `area` against its background: the commonest colour is the
// background, the pixel of the most different luminance the text (1 = none, 21 = black on white).
double Contrast(const QImage& image, const QRect& area, QRgb* background = nullptr) {
    const auto luminance = [](QRgb p) {
        const auto linear = [](int c) {
            const double v = c / 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(p)) + 0.7152 * linear(qGreen(p)) + 0.0722 * linear(qBlue(p));
    };
    // Only the part inside the picture: a pixel read outside it comes back black and would pass
    // for ink (the note's label reaches past the window's right edge beyond its text).
    const QRect inside = area & image.rect();
    std::map<QRgb, int> counts;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    if (counts.empty()) {
        return 1.0;  // nothing of the area is on the picture: no text to read
    }
    const QRgb commonest = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                               return a.second < b.second;
                           })->first;
    if (background != nullptr) {
        *background = commonest;
    }
    double ratio = 1.0;
    for (const auto& entry : counts) {
        const double a = luminance(entry.first), b = luminance(commonest);
        ratio = std::max(ratio, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
    }
    return ratio;
}

QImage Grab(TForm1& form) {
    QCoreApplication::processEvents();
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class RenderingTest : public QObject {
    Q_OBJECT
  private slots:
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
    // A negative time (Warsaw's place with the zone GMT -1 in June) reads the same in both
    // lines: the minus sign is one of the images.
    void digitImagesPlacedAsStated_data() {
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<bool>("negative");
        QTest::newRow("right to left") << true << false;
        QTest::newRow("left to right") << false << false;
        QTest::newRow("negative times") << true << true;
    }
    void digitImagesPlacedAsStated() {
        QFETCH(bool, rightToLeft);
        QFETCH(bool, negative);
        const auto form = ShowForm();
        form->cbRightToLeft->setChecked(rightToLeft);
        if (negative) {
            form->spinDegLat->setValue(52.23);
            form->spinDegLong->setValue(21.01);
            form->spinHrsGmt->setValue(-1);
            form->spinMinutGmt->setValue(0);
            form->rgCalcMethod->SetItemIndex(0);
            form->edCalendar->SetValue(EncodeDate(2024, 6, 19));
        }
        int negatives = 0;
        const QImage image = Grab(*form);
        const int W = form->Grid->DefaultColWidth();
        for (int row = 1; row <= 7; ++row) {
            const TImageList& images =
                row == form->CurrentDayRow ? form->imgArabicNumbers_RED : form->imgArabicNumbers;
            for (int col = 0; col < 6; ++col) {
                const QRect cell = InWindow(*form, form->Grid, form->Grid->CellRect(col, row));
                const QString text = form->Grid->Cell(col, row);
                QVERIFY(!text.isEmpty());
                if (text.contains(u'-')) {
                    ++negatives;
                    QCOMPARE(form->TimeTexts[col][row], text);
                }
                // Nothing right of the image run in the upper part of the cell.
                const QRect right(cell.left() + W - 20, cell.top(), 20, 17);
                QCOMPARE(InkColumns(image, right).first, -1);
                int x = cell.left() + W - 20;
                for (qsizetype k = text.size() - 1; k >= 0; --k) {
                    x -= 10;
                    const int index = TImageList::IndexOf(text[k]);
                    const QImage glyph =
                        index >= 0
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
        QCOMPARE(negatives > 0, negative);
    }

    // The week of 6 January 1 lies before the Hijri calendar: each day says it has no Hijri
    // date, in full, without the footnote mark.
    void dayWithoutHijriDate() {
        const auto form = ShowForm();
        form->cbRightToLeft->setChecked(false);
        form->edCalendar->SetValue(EncodeDate(1, 1, 6));
        const QImage image = Grab(*form);
        const int width = QFontMetrics(QFont(form->font().family(), 8))
                              .horizontalAdvance(QStringLiteral("no Hijri date"));
        for (int row = 1; row <= 7; ++row) {
            QVERIFY(!form->HijriDateValid[row]);
            QCOMPARE(form->HijriDateTexts[row], QStringLiteral("no Hijri date"));
            const QRect cell = InWindow(*form, form->ColCities, form->ColCities->CellRect(0, row));
            const auto [first, last] = InkColumns(image, cell.adjusted(0, 16, 0, 0));
            // Right-aligned 10 pixels from the edge, with nothing drawn in the margin.
            QVERIFY2(
                last - cell.left() <= 110 && last - first + 1 >= width - 3,
                qPrintable(QStringLiteral("row %1: ink %2..%3").arg(row).arg(first).arg(last)));
        }
    }

    // A dark desktop palette (Fusion's style of dark themes) changes nothing of the window: the
    // text of every caption, field, grid cell, the clock's box and the city list keeps its
    // contrast against the form's own backgrounds. An application style sheet of light text
    // reaches the standard controls, but the timetable, its clock's box and the city list keep
    // the form's own text and background colours.
    void readableUnderADarkDesktop_data() {
        QTest::addColumn<bool>("darkPalette");
        QTest::addColumn<QString>("styleSheet");  // the application's
        QTest::addColumn<bool>("controls");       // the standard controls are checked too
        QTest::newRow("dark palette") << true << QString() << true;
        QTest::newRow("style sheet of light text")
            << false << "QWidget { color: #f0f0f0; }" << false;
        QTest::newRow("style sheet of light text on dark grey")
            << false << "QWidget { color: #f0f0f0; background: #353535; }" << false;
    }
    void readableUnderADarkDesktop() {
        QFETCH(bool, darkPalette);
        QFETCH(QString, styleSheet);
        QFETCH(bool, controls);
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&] {
            qApp->setStyleSheet(QString());
            QApplication::setPalette(light);
        });
        if (darkPalette) {
            QPalette dark(QColor(0x35, 0x35, 0x35));  // white text on dark grey
            dark.setColor(QPalette::PlaceholderText, QColor(0xB0, 0xB0, 0xB0));
            dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
            QApplication::setPalette(dark);
        }
        qApp->setStyleSheet(styleSheet);
        const auto form = ShowForm();
        form->CityList->Open(1);  // a closed group's grey caption and an open one's
        form->SelectCity(FindCityByCaption("London")->Tag);  // with the clock's box
        QVERIFY(form->cbLocalClock->isVisible());
        const QImage image = Grab(*form);
        QList<std::pair<QString, QRect>> samples;
        for (QWidget* w : controls ? form->findChildren<QWidget*>() : QList<QWidget*>()) {
            const bool caption = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
            const bool field = qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<TDateField*>(w);
            auto* group = qobject_cast<QGroupBox*>(w);
            if (w->isVisible() && (caption || field || group)) {
                const QRect place(w->mapTo(form.get(), QPoint()), w->size());
                samples.append({w->metaObject()->className() + QStringLiteral(" ") +
                                    w->property("text").toString() +
                                    w->property("title").toString(),
                                group ? place.adjusted(8, 0, -8, -place.height() + 12) : place});
            }
        }
        const QRect header = InWindow(*form, form->Grid, form->Grid->CellRect(0, 0));
        const QRect time = InWindow(*form, form->Grid, form->Grid->CellRect(0, 1));
        const QRect date = InWindow(*form, form->ColCities, form->ColCities->CellRect(0, 1));
        samples.append({QStringLiteral("grid header"), header});
        samples.append({QStringLiteral("Latin time"), time.adjusted(0, 17, 0, 0)});
        samples.append({QStringLiteral("civil date"), date.adjusted(0, 0, 0, -20)});
        samples.append({QStringLiteral("Hijri date"), date.adjusted(0, 16, 0, 0)});
        const QRect clockBox(form->cbLocalClock->mapTo(form.get(), QPoint()),
                             form->cbLocalClock->size());
        QRect clock = InWindow(*form, form->ColCities, form->ColCities->CellRect(0, 0));
        clock.setTop(clockBox.bottom() + 1);  // the offset under the box
        samples.append({QStringLiteral("clock's box"), clockBox});
        samples.append({QStringLiteral("clock"), clock});
        for (int group : {0, 1}) {
            const QRect caption = form->CityList->CaptionRect(group);
            samples.append({QStringLiteral("city group %1").arg(group),
                            QRect(form->CityList->mapTo(form.get(), caption.topLeft()),
                                  caption.size() - QSize(0, 2))});
        }
        const QRect city = form->CityList->ItemRect(1, 0);
        samples.append({QStringLiteral("city"),
                        QRect(form->CityList->mapTo(form.get(), city.topLeft()), city.size())});
        QStringList unreadable;
        for (const auto& [name, area] : samples) {
            QRgb background = 0;
            const double contrast = Contrast(image, area, &background);
            if (contrast < 3.0) {
                unreadable.append(QStringLiteral("%1: contrast %2 on %3")
                                      .arg(name)
                                      .arg(contrast)
                                      .arg(QColor(background).name()));
            }
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
        QCOMPARE(image.pixel(header.topLeft() + QPoint(2, 2)), Background);
        if (controls) {
            QCOMPARE(image.pixel(form->RzLabel2->mapTo(form.get(), QPoint(0, 0))), Background);
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
