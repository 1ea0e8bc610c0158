#pragma once
// The eleven digit images of one colour (0-9 as Arabic-Indic digits, 10 the colon), 10 x 16
// pixels with transparent surroundings, loaded from the program's resources.

#include <QPixmap>
#include <QString>
#include <array>

class QPainter;

namespace orvandel {

class TImageList {
  public:
    static constexpr int Count = 11;
    static constexpr int Width = 10;   // pixels
    static constexpr int Height = 16;  // pixels

    // Loads ":/digits/<colour>_0.png" ... "<colour>_10.png". std::runtime_error when one is
    // missing or not 10 x 16.
    explicit TImageList(const QString& colour);

    const QPixmap& Image(int index) const { return FImages.at(index); }
    // Draws image `index` with its top-left corner at (x, y); nothing when index is outside
    // 0 to 10.
    void Draw(QPainter& painter, int x, int y, int index) const;

  private:
    std::array<QPixmap, Count> FImages;
};

}  // namespace orvandel
