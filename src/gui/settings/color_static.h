#pragma once

#include <QColor>
#include <QFrame>

namespace vantiq {

// A framed swatch showing one colour. A left click opens the colour chooser
// (without preselecting the swatch's colour); choosing OK there takes the new
// colour, Cancel keeps the old one.
class CColorStatic : public QFrame {
    Q_OBJECT

public:
    explicit CColorStatic(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor color_ = Qt::black;
};

}  // namespace vantiq
