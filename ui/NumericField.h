#pragma once
// The window's numeric fields. Both kinds step by their step with the arrows and by their page
// step with PageUp/PageDown, stay inside their range, and raise valueChanged once per
// committed value (a step, or Enter / leaving the field after typing). A keystroke that is not
// part of a number is refused. A number outside the range stays as typed, in red, and is not
// committed: Enter or leaving the field brings back the last valid value.

#include <QDoubleSpinBox>
#include <QSpinBox>

namespace orvandel {

// Whole numbers.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
  public:
    TSpinEdit(int minimum, int maximum, int step, int pageStep, QWidget* parent = nullptr);
    int PageStep() const { return FPageStep; }
    // Whether `text` is a whole number outside the range (the field shows it in red).
    bool OutOfRange(const QString& text) const;

    QValidator::State validate(QString& input, int& pos) const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int FPageStep;
};

// Reals shown with a fixed number of decimals. Both "." and "," are taken as the decimal
// separator when typed, whatever the locale.
class TFloatSpinEdit : public QDoubleSpinBox {
    Q_OBJECT
  public:
    TFloatSpinEdit(double minimum, double maximum, int decimals, double step, double pageStep,
                   QWidget* parent = nullptr);
    double PageStep() const { return FPageStep; }
    // Whether `text` is a number with at most decimals() decimals outside the range.
    bool OutOfRange(const QString& text) const;

    QValidator::State validate(QString& input, int& pos) const override;
    double valueFromText(const QString& text) const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString WithLocaleSeparator(QString text) const;
    double FPageStep;
};

}  // namespace orvandel
