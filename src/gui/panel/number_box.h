#pragma once

class QLineEdit;

namespace vantiq {

// A numeric box of the wizard is read as the C library's atof reads its
// text (no number gives 0, without a message) and written with "%3.1f".
double ReadNumberBox(const QLineEdit* box);
void WriteNumberBox(QLineEdit* box, double value);

}  // namespace vantiq
