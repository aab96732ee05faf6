#pragma once

#include <QLineEdit>

#include <string>

namespace vantiq {

// The "Search by name" box. It holds at most 29 characters, all of them
// characters the catalogue's code page (Windows-1251) can hold: a 30th
// character is not taken, and a character the code page lacks is refused
// with a tip saying so, the text staying as it was.
class NameFilterEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kMaxChars = 29;

    explicit NameFilterEdit(QWidget* parent = nullptr);

    // The text as Windows-1251 bytes.
    std::string Fragment() const;

    // The tip shown when a character was refused.
    static QString RefusedTip();

private:
    void CheckEdit(const QString& text);

    QString accepted_;
};

}  // namespace vantiq
