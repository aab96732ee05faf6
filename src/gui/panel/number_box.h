#pragma once

class QLineEdit;
class QString;

namespace vantiq {

// A numeric box of the wizard is read as the C library's atof reads its
// text (no number gives 0, without a message) and written with "%3.1f".
double ReadNumberBox(const QLineEdit* box);
void WriteNumberBox(QLineEdit* box, double value);

// Makes `box` a number box: keys that cannot be part of a number (a sign,
// digits, one point, an exponent) are refused as they are typed, so text is
// never silently read as 0; an empty box stays the unset value. `tip` names
// the quantity, its unit and its range.
void SetUpNumberBox(QLineEdit* box, const QString& tip);

}  // namespace vantiq
