#pragma once

// Temporary: stands for the drawing view until it is in place.

#include <QWidget>

#include "base/tem_base.h"
#include "settings/color_settings.h"

namespace vantiq {

class ViewStandIn : public QWidget {
    Q_OBJECT

public:
    ViewStandIn(const TemBase& base, QWidget* parent = nullptr);
    void OnUpdateView(int mode);
    void SetColors(const ColorSettings&) {}
    int Mode() const { return mode_; }
    int Updates() const { return updates_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TemBase& base_;
    int mode_ = 0;
    int updates_ = 0;
};

}  // namespace vantiq
