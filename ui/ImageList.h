#pragma once
// The digit images of one colour (0-9 as Arabic-Indic digits, 10 the colon, 11 the minus sign),
// 10 x 16 pixels with transparent surroundings, loaded from the program's resources.

#include <QPixmap>
#include <QString>
#include <array>

class QPainter;

namespace orvandel {

class TImageList {
  public:
    static constexpr int Count = 12;
    static constexpr int Width = 10;   // pixels
    static constexpr int Height = 16;  // pixels

    // The image of a character of a time text: '0'-'9', ':' and '-'; -1 (no image) for any other.
    static int IndexOf(QChar c);

    // Loads ":/digits/<colour>_0.png" ... "<colour>_11.png", with Persian and Urdu's own four,
    // five and six ("<colour>_eastern_4.png" ...) when `easternDigits` is set.
    // std::runtime_error when one is missing or not 10 x 16.
    explicit TImageList(const QString& colour, bool easternDigits = false);

    const QPixmap& Image(int index) const { return FImages.at(index); }
    // Draws image `index` with its top-left corner at (x, y); nothing when index is outside
    // 0 to 11.
    void Draw(QPainter& painter, int x, int y, int index) const;

  private:
    std::array<QPixmap, Count> FImages;
};

}  // namespace orvandel
